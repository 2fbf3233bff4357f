#pragma once
// What the scheme reader and writer share: the file's format tag, caption lookups and the
// conversions between box texts (CR LF) and file texts (LF).

#include <string>
#include <string_view>

namespace torvane::scheme {

inline constexpr const char* kFormat = "torvane-scheme/1";

// One caption list: shapes of a kind (0..2), routes (3), special exclusion (4), ratios of a
// kind (5..7). Index -1 when no control carries the caption.
enum class CaptionList {
  BigSmall,
  OddEven,
  PrimeComposite,
  Routes,
  Special,
  RatioBigSmall,
  RatioOddEven,
  RatioPrimeComposite
};
int CaptionCount(CaptionList list);
std::string CaptionOf(CaptionList list, int index);
int CaptionIndex(CaptionList list, std::string_view caption);

// File texts may break lines with LF or CR LF; the state always holds CR LF.
std::string ToStateText(std::string_view fileText);
std::string ToFileText(std::string_view stateText);

}  // namespace torvane::scheme
