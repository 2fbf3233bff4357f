// Draw files: any bytes in, either a refusal that quotes at most a short piece of the file, or
// a history in period order with one valid draw per period that reads back the same from its
// export.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_file.h"
#include "history/draw.h"
#include "history/draw_file.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckDraws(std::string_view text) {
  using namespace torvane::history;
  const DrawFileResult r = ParseDrawText(text);
  if (!r.ok) {
    Check(!r.error.empty());
    Check(r.error.size() < 2000);  // quotes are cut, whatever the line's length
    return;
  }
  for (size_t i = 0; i < r.draws.size(); ++i) {
    const Draw& d = r.draws[i];
    Check(IsValidPeriod(d.period));
    for (uint8_t digit : d.digits) Check(digit <= 9);
    Check(d.date.empty() || d.date.size() == 10);
    for (const auto& figure : {d.sales, d.winners, d.prize}) Check(!figure || *figure >= 0);
    if (i > 0) Check(PeriodLess(r.draws[i - 1].period, d.period));
  }
  // The export, figures included, reads back to the same draws.
  const DrawFileResult again = ParseDrawText(DrawsCsv(r.draws));
  Check(again.ok && again.draws == r.draws);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckDraws(bytes);
  CheckDraws(torvane::DecodeNumberFileBytes(bytes));
  return 0;
}
