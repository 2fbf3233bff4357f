#include "history/history_check.h"

#include <map>

namespace torvane::history {
namespace {

// YYYYNNN: seven digits.
bool YearRunPeriod(const std::string& p) {
  if (p.size() != 7) return false;
  for (char c : p)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::vector<std::string> MissingPeriods(std::span<const Draw> draws) {
  // Per year, which numbers 1-999 are there.
  std::map<int, std::vector<bool>> years;
  for (const Draw& d : draws) {
    if (!YearRunPeriod(d.period)) continue;
    const int year = std::stoi(d.period.substr(0, 4));
    const int n = std::stoi(d.period.substr(4));
    std::vector<bool>& present = years[year];
    if (present.size() <= static_cast<size_t>(n)) present.resize(n + 1, false);
    present[n] = true;
  }
  std::vector<std::string> missing;
  for (const auto& [year, present] : years) {
    for (size_t n = 1; n < present.size(); ++n) {
      if (present[n]) continue;
      std::string period = std::to_string(year * 1000 + static_cast<int>(n));
      missing.push_back(std::string(7 - period.size(), '0') + period);
    }
  }
  return missing;
}

HistoryCheck CheckHistory(std::span<const Draw> draws) {
  HistoryCheck r;
  r.missing = MissingPeriods(draws);
  const Draw* previous = nullptr;
  std::map<std::string, std::vector<std::string>> byDate;
  for (const Draw& d : draws) {
    if (d.date.empty()) continue;
    // YYYY-MM-DD compares as text.
    if (previous && d.date < previous->date)
      r.backwards.push_back({d.period, d.date, previous->period, previous->date});
    previous = &d;
    byDate[d.date].push_back(d.period);
  }
  for (auto& [date, periods] : byDate)
    if (periods.size() > 1) r.sharedDates.push_back({date, std::move(periods)});
  return r;
}

std::string MissingPeriodsSentence(std::span<const std::string> missing, size_t listed) {
  if (missing.empty()) return {};
  // Runs of three or more periods in a row read as "first–last".
  auto next = [](const std::string& a, const std::string& b) {
    return YearRunPeriod(a) && YearRunPeriod(b) && std::stoi(b) == std::stoi(a) + 1;
  };
  std::vector<std::string> items;
  for (size_t i = 0; i < missing.size();) {
    size_t j = i;
    while (j + 1 < missing.size() && next(missing[j], missing[j + 1])) ++j;
    if (j - i >= 2) {
      items.push_back(missing[i] + "–" + missing[j]);
    } else {
      for (size_t k = i; k <= j; ++k) items.push_back(missing[k]);
    }
    i = j + 1;
  }
  std::string s = "缺 " + std::to_string(missing.size()) + " 期：";
  for (size_t i = 0; i < items.size() && i < listed; ++i) s += (i ? "、" : "") + items[i];
  if (items.size() > listed) s += " 等";
  return s;
}

}  // namespace torvane::history
