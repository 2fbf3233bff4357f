#include "scheme/scheme_fields.h"

#include <array>
#include <map>

#include "conditions/shape/ratios.h"
#include "conditions/shape/route_patterns.h"
#include "conditions/shape/shape_patterns.h"
#include "conditions/shape/special_exclusion.h"
#include "core/text_util.h"

namespace torvane::scheme {

int CaptionCount(CaptionList list) {
  switch (list) {
    case CaptionList::BigSmall:
    case CaptionList::OddEven:
    case CaptionList::PrimeComposite:
      return 32;
    case CaptionList::Routes:
      return 243;
    case CaptionList::Special:
      return 14;
    default:
      return 6;
  }
}

std::string CaptionOf(CaptionList list, int index) {
  const int n = static_cast<int>(list);
  switch (list) {
    case CaptionList::BigSmall:
    case CaptionList::OddEven:
    case CaptionList::PrimeComposite:
      return ShapeCaption(n, index);
    case CaptionList::Routes:
      return RouteCaption(index);
    case CaptionList::Special:
      return SpecialCaption(index);
    default:
      return RatioCaption(6 * (n - static_cast<int>(CaptionList::RatioBigSmall)) + index);
  }
}

int CaptionIndex(CaptionList list, std::string_view caption) {
  // Built once per list; captions are fixed for the life of the program.
  static const auto maps = [] {
    std::array<std::map<std::string, int, std::less<>>, 8> m;
    for (int l = 0; l < 8; ++l) {
      auto cl = static_cast<CaptionList>(l);
      for (int i = 0; i < CaptionCount(cl); ++i) m[l].emplace(CaptionOf(cl, i), i);
    }
    return m;
  }();
  const auto& m = maps[static_cast<int>(list)];
  auto it = m.find(caption);
  return it == m.end() ? -1 : it->second;
}

std::string ToStateText(std::string_view fileText) {
  return ReplaceAll(ReplaceAll(fileText, "\r\n", "\n"), "\n", "\r\n");
}

std::string ToFileText(std::string_view stateText) {
  return ReplaceAll(stateText, "\r\n", "\n");
}

}  // namespace torvane::scheme
