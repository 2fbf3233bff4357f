// Conditions from scheme text. Every value is checked the way the window's controls would
// hold it; the first bad one refuses the whole file, naming its key and value.
#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/number_text.h"
#include "core/text_util.h"
#include "scheme/scheme_fields.h"
#include "scheme/scheme_file.h"
#include "scheme/scheme_json.h"

namespace torvane {
namespace {

using Json = nlohmann::json;
using scheme::CaptionList;

// What a one-line box (QLineEdit) holds at most, in UTF-16 units.
constexpr size_t kLineBoxMax = 32767;

size_t Utf16Length(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) ++n;  // a character starts
    if (c >= 0xF0) ++n;           // beyond the BMP: a surrogate pair
  }
  return n;
}

std::string Shown(const Json& v) {
  return CutForMessage(v.dump(-1, ' ', false, Json::error_handler_t::replace));
}

std::string Child(const std::string& parent, const std::string& key) {
  return scheme::KeyPath(parent, key);
}
std::string Item(const std::string& parent, size_t i) {
  return scheme::ItemPath(parent, i);
}

class Reader {
 public:
  explicit Reader(const std::string& file) : file_(file) {}

  [[noreturn]] void Fail(const std::string& key, const Json& value, const std::string& why) const {
    const std::string name = key.empty() ? "（文件顶层）" : CutForMessage(key);
    throw SchemeError("方案文件 " + file_ + " 无效：键 " + name + " 的值 " + Shown(value) + " " +
                      why);
  }

  // A key no control reads: it is the key that is wrong, whatever it holds.
  [[noreturn]] void Unknown(const std::string& key) const {
    throw SchemeError("方案文件 " + file_ + " 无效：键 " + CutForMessage(key) +
                      " 是未知的键，本程序的方案里没有这个键");
  }

  void Type(const Json& v, const std::string& key, Json::value_t t, const char* what) const {
    if (v.type() != t) Fail(key, v, std::string("类型不对，应为") + what);
  }

  // Visits every member, refusing keys that are not listed.
  template <typename F>
  void Members(const Json& obj, const std::string& key, std::initializer_list<const char*> known,
               F&& visit) const {
    Type(obj, key, Json::value_t::object, "对象");
    for (auto it = obj.begin(); it != obj.end(); ++it) {
      bool ok = false;
      for (const char* k : known) ok = ok || it.key() == k;
      if (!ok) Unknown(Child(key, it.key()));
      visit(it.key(), it.value(), Child(key, it.key()));
    }
  }

  std::string String(const Json& v, const std::string& key) const {
    Type(v, key, Json::value_t::string, "字符串");
    return v.get<std::string>();
  }

  // A one-line box (combo box, tolerance, smallest/largest) cannot hold a line break, nor
  // more than a line box's 32767 UTF-16 units.
  std::string LineText(const Json& v, const std::string& key) const {
    std::string s = String(v, key);
    if (s.find_first_of("\r\n") != std::string::npos) Fail(key, v, "不能含换行");
    if (Utf16Length(s) > kLineBoxMax) Fail(key, v, "超过一行文本框能容纳的 32767 个字符");
    return s;
  }

  // Multi-line box text; a text equal to the box's hint is the empty box.
  std::string BoxText(const Json& v, const std::string& key, const char* hint) const {
    std::string s = scheme::ToStateText(String(v, key));
    if (hint && *hint && s == hint) s.clear();
    return s;
  }

  template <size_t N>
  void Digits(const Json& v, const std::string& key, std::array<bool, N>& flags) const {
    std::string s = String(v, key);
    flags = {};
    for (char ch : s) {
      if (ch < '0' || ch >= static_cast<char>('0' + N))
        Fail(key, v, N == 10 ? "只能含数字 0-9" : "只能含数字 0-" + std::to_string(N - 1));
      if (flags[ch - '0']) Fail(key, v, "含重复的数字");
      flags[ch - '0'] = true;
    }
  }

  void Range(const Json& v, const std::string& key, std::string& min, std::string& max) const {
    Type(v, key, Json::value_t::array, "两个字符串的数组");
    if (v.size() != 2) Fail(key, v, "应为两个字符串（最小、最大）");
    min = LineText(v[0], Item(key, 0));
    max = LineText(v[1], Item(key, 1));
  }

  template <size_t N>
  void Captions(const Json& v, const std::string& key, CaptionList list,
                std::array<bool, N>& ticked, int offset = 0) const {
    Type(v, key, Json::value_t::array, "字符串数组");
    for (int i = 0; i < scheme::CaptionCount(list); ++i) ticked[offset + i] = false;
    for (size_t i = 0; i < v.size(); ++i) {
      std::string caption = String(v[i], Item(key, i));
      int index = scheme::CaptionIndex(list, caption);
      if (index < 0) Fail(Item(key, i), v[i], "不是任何选项的名称");
      ticked[offset + index] = true;
    }
  }

  // Combination, compound and pattern boxes: the box's leave-normalization must keep every
  // token, as a file never answers the "自动清空" question.
  std::string NormalizedText(const Json& v, const std::string& key, const char* hint,
                             std::string (*normalize)(const std::string&)) const {
    std::string text = BoxText(v, key, hint);
    std::string normalized = normalize(text);
    if (!SameConditionText(text, normalized)) Fail(key, v, "含不符合格式要求的内容");
    return normalized;
  }

  std::string DirectKillText(const Json& v, const std::string& key) const {
    std::string text = BoxText(v, key, kDirectKillHint);
    if (!AllNumberTokensValid(text)) Fail(key, v, "含不是五位数号码的内容");
    return ParseNumberText(text, ParseMode::List).text;
  }

 private:
  std::string file_;
};

std::string Combination1(const std::string& t) {
  return NormalizeCombinationText(1, t);
}
std::string Combination2(const std::string& t) {
  return NormalizeCombinationText(2, t);
}
std::string Combination3(const std::string& t) {
  return NormalizeCombinationText(3, t);
}
std::string Combination4(const std::string& t) {
  return NormalizeCombinationText(4, t);
}
std::string Combination5(const std::string& t) {
  return NormalizeCombinationText(5, t);
}
std::string Combination6(const std::string& t) {
  return NormalizeCombinationText(6, t);
}

void ReadPositional(const Reader& r, const Json& v, const std::string& key,
                    PositionalKillState& s) {
  r.Members(v, key, {"rows", "range"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "range") return r.Range(x, path, s.rangeMin, s.rangeMax);
              r.Type(x, path, Json::value_t::array, "五个字符串的数组");
              if (x.size() != 5) r.Fail(path, x, "应为五个字符串（万位到个位）");
              for (size_t i = 0; i < 5; ++i) r.Digits(x[i], Item(path, i), s.marked[i]);
            });
}

void ReadSumSpan(const Reader& r, const Json& v, const std::string& key, SumSpanState& s) {
  r.Members(v, key, {"tails", "sums", "spans", "digits"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "tails") r.Digits(x, path, s.tails);
              if (k == "spans") r.Digits(x, path, s.spans);
              if (k == "digits") r.Digits(x, path, s.digits);
              if (k == "sums") s.sums = r.BoxText(x, path, kSumHint);
            });
}

void ReadBanker(const Reader& r, const Json& v, const std::string& key, BankerRowsState& s) {
  r.Members(v, key, {"rows", "repeat", "range"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "range") return r.Range(x, path, s.rangeMin, s.rangeMax);
              if (k == "repeat") {
                r.Type(x, path, Json::value_t::boolean, "true 或 false");
                s.repeat = x.get<bool>();
                return;
              }
              r.Type(x, path, Json::value_t::array, "数组");
              if (x.size() > 6) r.Fail(path, x, "最多六行胆码");
              for (size_t i = 0; i < x.size(); ++i) {
                r.Members(x[i], Item(path, i), {"digits", "counts"},
                          [&](const std::string& rk, const Json& rx, const std::string& rpath) {
                            if (rk == "digits") r.Digits(rx, rpath, s.digits[i]);
                            if (rk == "counts") r.Digits(rx, rpath, s.counts[i]);
                          });
              }
            });
}

void ReadShapes(const Reader& r, const Json& v, const std::string& key, ShapePatternsState& s) {
  r.Members(v, key, {"bigSmall", "oddEven", "primeComposite", "range"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "range") r.Range(x, path, s.rangeMin, s.rangeMax);
              if (k == "bigSmall") r.Captions(x, path, CaptionList::BigSmall, s.bigSmall);
              if (k == "oddEven") r.Captions(x, path, CaptionList::OddEven, s.oddEven);
              if (k == "primeComposite")
                r.Captions(x, path, CaptionList::PrimeComposite, s.primeComposite);
            });
}

void ReadRatios(const Reader& r, const Json& v, const std::string& key, RatiosState& s) {
  r.Members(v, key, {"bigSmall", "oddEven", "primeComposite"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "bigSmall") r.Captions(x, path, CaptionList::RatioBigSmall, s.selected, 0);
              if (k == "oddEven") r.Captions(x, path, CaptionList::RatioOddEven, s.selected, 6);
              if (k == "primeComposite")
                r.Captions(x, path, CaptionList::RatioPrimeComposite, s.selected, 12);
            });
}

void ReadCombinations(const Reader& r, const Json& v, const std::string& key, CombinationState& s) {
  static const char* const kKeys[6] = {"kill2", "kill3", "kill4", "must2", "must3", "must4"};
  static std::string (*const kNormalize[6])(const std::string&) = {
      Combination1, Combination2, Combination3, Combination4, Combination5, Combination6};
  const char* const hints[6] = {nullptr, nullptr, kKillFourHint, nullptr, nullptr, kMustFourHint};
  r.Members(v, key, {"kill2", "kill3", "kill4", "must2", "must3", "must4"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              for (int i = 0; i < 6; ++i)
                if (k == kKeys[i]) s.texts[i] = r.NormalizedText(x, path, hints[i], kNormalize[i]);
            });
}

void ReadTolerance(const Reader& r, const Json& v, const std::string& key, ToleranceState& s) {
  r.Range(v, key, s.min, s.max);
  // txtWrong takes at most two characters, and only digits and "." can be typed into it.
  for (int i = 0; i < 2; ++i) {
    const std::string& text = i == 0 ? s.min : s.max;
    if (Utf8Length(text) > 2) r.Fail(Item(key, i), v[i], "超过两个字符");
    if (text.find_first_not_of("0123456789.") != std::string::npos)
      r.Fail(Item(key, i), v[i], "不是数字：容错级别只能填数字");
  }
}

void ReadRelative(const Reader& r, const Json& v, const std::string& key, RelativeState& s) {
  auto apply = [&](const Json& x, const std::string& path, bool& flag) {
    r.Type(x, path, Json::value_t::boolean, "true 或 false");
    flag = x.get<bool>();
  };
  auto diff = [&](const Json& x, const std::string& path, RelativeDiffRow& row) {
    r.Members(x, path, {"apply", "k", "mode"},
              [&](const std::string& dk, const Json& dx, const std::string& dpath) {
                if (dk == "apply") apply(dx, dpath, row.apply);
                if (dk == "k") row.k = r.LineText(dx, dpath);
                if (dk == "mode") {
                  const std::string mode = r.String(dx, dpath);
                  if (mode != "atMost" && mode != "atLeast")
                    r.Fail(dpath, dx, "应为 \"atMost\"（至多）或 \"atLeast\"（至少）");
                  row.atLeast = mode == "atLeast";
                }
              });
  };
  r.Members(v, key, {"killSame", "repeats", "sumDiff", "spanDiff", "shared"},
            [&](const std::string& k, const Json& x, const std::string& path) {
              if (k == "sumDiff") return diff(x, path, s.sumDiff);
              if (k == "spanDiff") return diff(x, path, s.spanDiff);
              const bool same = k == "killSame";
              bool& flag = same ? s.killSame : k == "repeats" ? s.repeats : s.shared;
              std::array<bool, 6>& counts = k == "repeats" ? s.repeatCounts : s.sharedCounts;
              r.Members(x, path, {"apply", same ? "positions" : "counts"},
                        [&](const std::string& rk, const Json& rx, const std::string& rpath) {
                          if (rk == "apply") return apply(rx, rpath, flag);
                          if (same) return r.Digits(rx, rpath, s.samePositions);
                          r.Digits(rx, rpath, counts);
                        });
            });
}

}  // namespace

Conditions ParseScheme(std::string_view text, const std::string& fileName) {
  const Json root = scheme::ParseSchemeJson(text, fileName);
  Reader r(fileName);
  Conditions c;
  r.Members(
      root, "",
      {"format", "tolerance", "directKill", "positional", "sumSpan", "banker", "shapes", "routes",
       "special", "ratios", "minMax", "compound", "combinations", "patterns", "relative"},
      [&](const std::string& k, const Json& x, const std::string& path) {
        if (k == "format" && r.String(x, path) != scheme::kFormat)
          r.Fail(path, x, std::string("不是本程序的方案格式 ") + scheme::kFormat);
        if (k == "tolerance") ReadTolerance(r, x, path, c.tolerance);
        if (k == "directKill") c.directKill.text = r.DirectKillText(x, path);
        if (k == "positional") ReadPositional(r, x, path, c.positional);
        if (k == "sumSpan") ReadSumSpan(r, x, path, c.sumSpan);
        if (k == "banker") ReadBanker(r, x, path, c.banker);
        if (k == "shapes") ReadShapes(r, x, path, c.shapes);
        if (k == "routes") r.Captions(x, path, CaptionList::Routes, c.routes.ticked);
        if (k == "special") r.Captions(x, path, CaptionList::Special, c.special.ticked);
        if (k == "ratios") ReadRatios(r, x, path, c.ratios);
        if (k == "minMax") {
          r.Members(x, path, {"smallest", "largest"},
                    [&](const std::string& mk, const Json& mx, const std::string& mpath) {
                      std::string t = r.LineText(mx, mpath);
                      (mk == "smallest" ? c.minMax.smallest : c.minMax.largest) = t;
                    });
        }
        if (k == "compound")
          c.compound.text = r.NormalizedText(x, path, kCompoundHint, NormalizeCompoundText);
        if (k == "combinations") ReadCombinations(r, x, path, c.combinations);
        if (k == "patterns")
          c.patterns.text = r.NormalizedText(x, path, kPatternHint, NormalizePatternText);
        if (k == "relative") ReadRelative(r, x, path, c.relative);
      });
  return c;
}

}  // namespace torvane
