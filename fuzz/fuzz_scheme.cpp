// Scheme text: anything is either refused with SchemeError or read; what is read writes
// back to the same conditions, and a run on it either works or fails with RunError.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/digit_table.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "scheme/scheme_file.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// A small base set keeps each run short while every filter still sees real numbers.
const torvane::DigitTable& SmallBase() {
  static const torvane::DigitTable base = [] {
    torvane::DigitTable t;
    for (int k = 0; k < torvane::kNumberSpace; k += 331) t.appendKey(k);
    return t;
  }();
  return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace torvane;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Conditions c;
  try {
    c = ParseScheme(text, "fuzz.json");
  } catch (const SchemeError&) {
    return 0;
  }
  Check(ParseScheme(WriteSchemeText(c), "again.json") == c);
  try {
    RunResult r = RunFilters(SmallBase(), c);
    Check(r.results.count() <= SmallBase().count());
    Check(r.stats.size() <= 35);
  } catch (const RunError&) {
  }
  return 0;
}
