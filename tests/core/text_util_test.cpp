#include "core/text_util.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

struct CutCase {
  const char* name;
  std::string text;
  size_t maxChars;
  std::string expected;
};
void PrintTo(const CutCase& c, std::ostream* os) {
  *os << c.name;
}

class CutForMessageTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutForMessageTest, KeepsWholeCharacters) {
  EXPECT_EQ(CutForMessage(GetParam().text, GetParam().maxChars), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutForMessageTest,
    ::testing::Values(CutCase{"ShortTextUnchanged", "3:3", 80, "3:3"},
                      CutCase{"ExactlyTheLimitUnchanged", std::string(80, 'x'), 80,
                              std::string(80, 'x')},
                      CutCase{"OneOverIsCut", std::string(81, 'x'), 80, std::string(80, 'x') + "…"},
                      // Three bytes a character: a byte count would cut inside one.
                      CutCase{"ChineseCountsCharactersNotBytes", "上山下山上山", 4, "上山下山…"},
                      CutCase{"FourByteCharacterKeptWhole",
                              "a\xF0\x9F\x98\x80"
                              "bc",
                              2, "a\xF0\x9F\x98\x80…"},
                      CutCase{"EmptyStaysEmpty", "", 80, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct CsvCase {
  const char* name;
  const char* text;
  const char* expected;
};
void PrintTo(const CsvCase& c, std::ostream* os) {
  *os << c.name;
}

class CsvFieldTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvFieldTest,
    ::testing::Values(CsvCase{"PlainAsItIs", "杀直选|杀和值", "杀直选|杀和值"},
                      CsvCase{"EmptyAsItIs", "", ""}, CsvCase{"CommaQuoted", "a,b", "\"a,b\""},
                      CsvCase{"QuoteDoubled", "say \"hi\"", "\"say \"\"hi\"\"\""},
                      CsvCase{"LineBreakQuoted", "a\nb", "\"a\nb\""},
                      CsvCase{"CarriageReturnQuoted", "a\rb", "\"a\rb\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
