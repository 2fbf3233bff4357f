// Refusals made before any key is read: a key written twice in one object, and messages
// that quote a huge key or value only in part.
#include <gtest/gtest.h>

#include "core/number_text.h"
#include "scheme/scheme_file.h"

namespace torvane {
namespace {

std::string Refusal(const std::string& json) {
  try {
    ParseScheme(json, "plan.json");
  } catch (const SchemeError& e) {
    return e.what();
  }
  return "<accepted>";
}

struct DuplicateCase {
  const char* name;
  const char* json;
  const char* key;  // dotted path the message names
};
void PrintTo(const DuplicateCase& c, std::ostream* os) {
  *os << c.name;
}

class SchemeDuplicateKey : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(SchemeDuplicateKey, IsRefusedNamingTheKey) {
  const std::string m = Refusal(GetParam().json);
  EXPECT_NE(m.find("plan.json"), std::string::npos) << m;
  EXPECT_NE(m.find(std::string("键 ") + GetParam().key + " 写了不止一次"), std::string::npos) << m;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SchemeDuplicateKey,
    ::testing::Values(
        DuplicateCase{"TopLevel", R"({"special": ["上山"], "special": ["下山"]})", "special"},
        DuplicateCase{"SameValueTwice", R"({"routes": [], "routes": []})", "routes"},
        DuplicateCase{"Nested", R"({"positional": {"range": ["0", "1"], "range": ["0", "0"]}})",
                      "positional.range"},
        // The item index counts the rows before it, whatever they hold.
        DuplicateCase{"InTheSecondBankerRow",
                      R"({"banker": {"rows": [{"digits": "1", "counts": "1"},
                                              {"digits": "2", "digits": "3"}]}})",
                      "banker.rows[1].digits"},
        DuplicateCase{"AfterANestedObject",
                      R"({"sumSpan": {"tails": "1"}, "minMax": {}, "sumSpan": {}})", "sumSpan"},
        // The same key spelt with an escape is still the same key.
        DuplicateCase{"EscapedSpelling", R"({"patterns": "", "\u0070atterns": "1***7"})",
                      "patterns"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeDuplicateKey, SameKeyInDifferentObjectsIsFine) {
  const Conditions c = ParseScheme(
      R"({"positional": {"range": ["0", "1"]}, "banker": {"range": ["1", "2"],
          "rows": [{"digits": "1"}, {"digits": "2"}]}})",
      "plan.json");
  EXPECT_EQ(c.positional.rangeMax, "1");
  EXPECT_EQ(c.banker.rangeMax, "2");
  EXPECT_TRUE(c.banker.digits[1][2]);
}

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 9;
    if (extra == 9 || (extra > 0 && i + extra >= s.size())) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

struct LongCase {
  const char* name;
  std::string json;
};
void PrintTo(const LongCase& c, std::ostream* os) {
  *os << c.name;
}

class SchemeLongQuote : public ::testing::TestWithParam<LongCase> {};

TEST_P(SchemeLongQuote, MessageQuotesAboutEightyCharacters) {
  const std::string m = Refusal(GetParam().json);
  EXPECT_NE(m, "<accepted>");
  EXPECT_NE(m.find("plan.json"), std::string::npos) << m;
  EXPECT_NE(m.find("…"), std::string::npos) << m;
  EXPECT_TRUE(ValidUtf8(m)) << m;
  EXPECT_EQ(m.find(std::string(81, 'k')), std::string::npos) << m;
  EXPECT_EQ(m.find(Repeat("号", 81)), std::string::npos) << m;
  // The file name, the library's and our own words, and the quotes.
  EXPECT_LT(Utf8Length(m), 400) << m;
}

const std::string kMegabyte(1 << 20, 'k');
const std::string kLongChinese = Repeat("号", 1000);

INSTANTIATE_TEST_SUITE_P(
    Files, SchemeLongQuote,
    ::testing::Values(
        LongCase{"UnknownMegabyteKey", "{\"" + kMegabyte + "\": \"" + kMegabyte + "\"}"},
        LongCase{"UnknownNestedKey", R"({"minMax": {")" + kMegabyte + R"(": 1}})"},
        LongCase{"ChineseValueCutOnACharacter",
                 R"({"directKill": "12345 )" + kLongChinese + R"("})"},
        LongCase{"ChineseCaption", R"({"special": [")" + kLongChinese + R"("]})"},
        LongCase{"DuplicateLongKey",
                 "{\"minMax\": {\"" + kMegabyte + "\": 1, \"" + kMegabyte + "\": 2}}"},
        // The JSON library quotes the unfinished string it stopped in.
        LongCase{"BadJsonInsideALongString", R"({"patterns": ")" + kMegabyte + "\n" + R"("})"},
        LongCase{"BadJsonControlCharacterInALongKey", "{\"" + kMegabyte + "\x01\" 1}"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
