// Number text and number-file decoding: any bytes in, a sorted duplicate-free table out,
// whose canonical text parses back to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/number_file.h"
#include "core/number_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckParse(std::string_view text, torvane::ParseMode mode) {
  using namespace torvane;
  const ParsedNumbers parsed = ParseNumberText(text, mode);
  const DigitTable& t = parsed.table;
  for (int i = 0; i < t.count(); ++i) {
    for (int p = 0; p < kDigits; ++p) Check(t.row(i)[p] <= 9);
    if (i > 0) Check(t.key(i - 1) < t.key(i));
  }
  Check(parsed.text.empty() == t.empty());
  const ParsedNumbers again = ParseNumberText(parsed.text, mode);
  Check(again.table == t);
  Check(again.text == parsed.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckParse(bytes, torvane::ParseMode::Base);
  CheckParse(bytes, torvane::ParseMode::Join);
  // The same bytes as a number file: decoding must give text that parses.
  CheckParse(torvane::DecodeNumberFileBytes(bytes), torvane::ParseMode::List);
  return 0;
}
