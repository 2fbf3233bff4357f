#include "ui/analysis/trend_chart.h"

#include <algorithm>

#include "history/draw_figures.h"

namespace torvane::ui {

TrendChart BuildTrendChart(std::span<const history::Draw> history, int lastN) {
  TrendChart chart;
  const int n = static_cast<int>(history.size());
  chart.historySize = n;
  const int first = lastN > 0 && lastN < n ? n - lastN : 0;

  // last[p][d]: history index where d last showed at p, -1 before its first showing.
  std::array<std::array<int, 10>, 5> last;
  for (auto& row : last) row.fill(-1);
  chart.rows.reserve(n - first);
  for (int i = 0; i < n; ++i) {
    const history::Digits& digits = history[i].digits;
    for (int p = 0; p < 5; ++p) last[p][digits[p]] = i;
    if (i < first) continue;
    TrendRow r;
    r.period = QString::fromStdString(history[i].period);
    r.digits = digits;
    for (int p = 0; p < 5; ++p)
      for (int d = 0; d < 10; ++d) r.omission[p][d] = i - last[p][d];
    r.sum = static_cast<std::uint8_t>(history::DigitSum(digits));
    r.span = static_cast<std::uint8_t>(history::DigitSpan(digits));
    for (std::uint8_t v : digits) {
      r.big += v >= 5;
      r.odd += v % 2;
      r.prime += v == 1 || v == 2 || v == 3 || v == 5 || v == 7;
    }
    r.shape = history::ShapeName(digits);
    chart.rows.push_back(std::move(r));
  }

  const int w = static_cast<int>(chart.rows.size());
  if (w == 0) return chart;
  auto& s = chart.stats;
  for (const TrendRow& r : chart.rows)
    for (int p = 0; p < 5; ++p) {
      ++s[StatHits][p][r.digits[p]];
      for (int d = 0; d < 10; ++d)
        s[StatLongest][p][d] = std::max(s[StatLongest][p][d], r.omission[p][d]);
    }
  for (int p = 0; p < 5; ++p)
    for (int d = 0; d < 10; ++d) {
      const int hits = s[StatHits][p][d];
      // Rounded half up: (a + b/2) / b.
      s[StatMeanGap][p][d] = (2 * (w - hits) + hits + 1) / (2 * (hits + 1));
      s[StatCurrent][p][d] = chart.rows.back().omission[p][d];
    }
  return chart;
}

}  // namespace torvane::ui
