// Scheme text from Conditions: every key is written, so a file shows the whole window.
#include <nlohmann/json.hpp>

#include "scheme/scheme_fields.h"
#include "scheme/scheme_file.h"

namespace torvane {
namespace {

using Json = nlohmann::ordered_json;
using scheme::CaptionList;

template <size_t N>
std::string DigitString(const std::array<bool, N>& flags) {
  std::string s;
  for (size_t d = 0; d < N; ++d)
    if (flags[d]) s.push_back(static_cast<char>('0' + d));
  return s;
}

// A box showing its grey hint holds nothing.
std::string BoxText(const std::string& text, const char* hint) {
  if (hint && *hint && text == hint) return {};
  return scheme::ToFileText(text);
}

Json Range(const std::string& min, const std::string& max) {
  return Json::array({min, max});
}

template <size_t N>
Json Captions(const std::array<bool, N>& ticked, CaptionList list, int offset = 0) {
  Json a = Json::array();
  for (int i = 0; i < scheme::CaptionCount(list); ++i)
    if (ticked[offset + i]) a.push_back(scheme::CaptionOf(list, i));
  return a;
}

Json Banker(const BankerRowsState& b) {
  Json rows = Json::array();
  int used = 0;  // trailing empty rows are left out
  for (int r = 0; r < 6; ++r)
    if (DigitString(b.digits[r]) != "" || DigitString(b.counts[r]) != "") used = r + 1;
  for (int r = 0; r < used; ++r)
    rows.push_back({{"digits", DigitString(b.digits[r])}, {"counts", DigitString(b.counts[r])}});
  return {{"rows", rows}, {"repeat", b.repeat}, {"range", Range(b.rangeMin, b.rangeMax)}};
}

Json Special(const SpecialExclusionState& s) {
  Json a = Json::array();
  for (int i : kSpecialScreenOrder)
    if (s.ticked[i]) a.push_back(SpecialCaption(i));
  return a;
}

Json Diff(const RelativeDiffRow& row) {
  return {{"apply", row.apply}, {"k", row.k}, {"mode", row.atLeast ? "atLeast" : "atMost"}};
}

Json Relative(const RelativeState& s) {
  return {{"killSame", {{"apply", s.killSame}, {"positions", DigitString(s.samePositions)}}},
          {"repeats", {{"apply", s.repeats}, {"counts", DigitString(s.repeatCounts)}}},
          {"sumDiff", Diff(s.sumDiff)},
          {"spanDiff", Diff(s.spanDiff)},
          {"shared", {{"apply", s.shared}, {"counts", DigitString(s.sharedCounts)}}}};
}

}  // namespace

std::string WriteSchemeText(const Conditions& c) {
  Json j;
  j["format"] = scheme::kFormat;
  j["tolerance"] = Range(c.tolerance.min, c.tolerance.max);
  j["directKill"] = BoxText(c.directKill.text, kDirectKillHint);

  Json rows = Json::array();
  for (const auto& row : c.positional.marked) rows.push_back(DigitString(row));
  j["positional"] = {{"rows", rows},
                     {"range", Range(c.positional.rangeMin, c.positional.rangeMax)}};

  j["sumSpan"] = {{"tails", DigitString(c.sumSpan.tails)},
                  {"sums", BoxText(c.sumSpan.sums, kSumHint)},
                  {"spans", DigitString(c.sumSpan.spans)},
                  {"digits", DigitString(c.sumSpan.digits)}};
  j["banker"] = Banker(c.banker);
  j["shapes"] = {{"bigSmall", Captions(c.shapes.bigSmall, CaptionList::BigSmall)},
                 {"oddEven", Captions(c.shapes.oddEven, CaptionList::OddEven)},
                 {"primeComposite", Captions(c.shapes.primeComposite, CaptionList::PrimeComposite)},
                 {"range", Range(c.shapes.rangeMin, c.shapes.rangeMax)}};
  j["routes"] = Captions(c.routes.ticked, CaptionList::Routes);
  j["special"] = Special(c.special);
  j["ratios"] = {
      {"bigSmall", Captions(c.ratios.selected, CaptionList::RatioBigSmall, 0)},
      {"oddEven", Captions(c.ratios.selected, CaptionList::RatioOddEven, 6)},
      {"primeComposite", Captions(c.ratios.selected, CaptionList::RatioPrimeComposite, 12)}};
  j["minMax"] = {{"smallest", c.minMax.smallest}, {"largest", c.minMax.largest}};
  j["compound"] = BoxText(c.compound.text, kCompoundHint);

  const auto& t = c.combinations.texts;
  j["combinations"] = {
      {"kill2", BoxText(t[0], nullptr)},       {"kill3", BoxText(t[1], nullptr)},
      {"kill4", BoxText(t[2], kKillFourHint)}, {"must2", BoxText(t[3], nullptr)},
      {"must3", BoxText(t[4], nullptr)},       {"must4", BoxText(t[5], kMustFourHint)}};
  j["patterns"] = BoxText(c.patterns.text, kPatternHint);
  j["relative"] = Relative(c.relative);
  // Texts come from boxes and are valid UTF-8; replace rather than throw if one is not.
  return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace torvane
