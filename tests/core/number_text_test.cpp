#include "core/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::TableOf;

struct ParseCase {
  const char* name;
  const char* text;
  ParseMode mode;
  const char* canonical;
  int dropped;  // tokens that are not five-digit numbers
};

class ParseNumberTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTextTest, Canonical) {
  const ParseCase& c = GetParam();
  ParsedNumbers p = ParseNumberText(c.text, c.mode);
  EXPECT_EQ(p.text, c.canonical);
  EXPECT_EQ(p.dropped, c.dropped);
  // The flags alone: exactly the numbers the canonical text lists, each once, and the same
  // pieces left out.
  std::vector<uint8_t> listed(kNumberSpace, 0);
  int count = 0;
  std::istringstream words(c.canonical);
  for (std::string w; words >> w; ++count) listed[std::stoi(w)] = 1;
  NumberPresence marked = MarkNumberText(c.text);
  EXPECT_EQ(marked.present, listed);
  EXPECT_EQ(marked.count, count);
  EXPECT_EQ(marked.dropped, c.dropped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTextTest,
    ::testing::Values(
        ParseCase{"DuplicatesAndFullWidth",
                  "12345,12345\xEF\xBC\x9B"
                  "00001",
                  ParseMode::Base, "00001 12345", 0},
        ParseCase{"Sorted", "99999 00000", ParseMode::Base, "00000 99999", 0},
        ParseCase{"NothingValid", "1234 123456 12a45 -1234 +1234", ParseMode::Base, "", 5},
        ParseCase{"DotSeparates", "12345.67890", ParseMode::List, "12345 67890", 0},
        ParseCase{"AllSeparators",
                  "00001\r\n00002\r00003\n00004|00005\t00006\xE3\x80\x81"
                  "00007",
                  ParseMode::Join, "00001 00002 00003 00004 00005 \r\n00006 00007", 0},
        ParseCase{"ElevenBase", "00001 00002 00003 00004 00005 00006 00007 00008 00009 00010 00011",
                  ParseMode::Base,
                  "00001 00002 00003 00004 00005 00006 00007 00008 00009 00010 \r\n00011", 0},
        ParseCase{"ElevenJoin", "00011 00002 00003 00004 00005 00006 00007 00008 00009 00010 00001",
                  ParseMode::Join,
                  "00001 00002 00003 00004 00005 \r\n00006 00007 00008 00009 00010 \r\n00011", 0},
        ParseCase{"ChineseTextAround", "\xE5\x8F\xB7 12345\xE5\x8F\xB7 54321", ParseMode::List,
                  "54321", 2},
        ParseCase{"RepeatsAreNotDropped", "12345 12345 x 12345", ParseMode::List, "12345", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumberText, AllNumbersShuffledWithRepeatsGiveTheFullSet) {
  std::vector<int> keys;
  for (int k = 0; k < kNumberSpace; ++k) keys.push_back(k);
  for (int k = 0; k < 1000; ++k) keys.push_back(k * 7);
  std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
  ParsedNumbers p = ParseNumberText(FormatNumberText(TableOf(keys), 3), ParseMode::Base);
  EXPECT_EQ(p.table, MakeFullSet());
}

struct NormalizeCase {
  const char* name;
  const char* text;
  int perLine, minLen, maxLen;
  const char* strip;
  int stripCount;
  const char* expected;
};

class NormalizeConditionTextTest : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeConditionTextTest, Output) {
  const NormalizeCase& c = GetParam();
  std::string out =
      NormalizeConditionText(c.text, c.perLine, c.minLen, c.maxLen, c.strip, c.stripCount);
  EXPECT_EQ(out, c.expected);
  // Whatever normalization keeps compares equal to itself.
  EXPECT_TRUE(SameConditionText(
      out, NormalizeConditionText(out, c.perLine, c.minLen, c.maxLen, c.strip, c.stripCount)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeConditionTextTest,
    ::testing::Values(NormalizeCase{"DotIsDeleted", "12345.67890", 10, 4, 10, "", 0, "1234567890"},
                      NormalizeCase{"CompoundFourStars", "17*235*12*789*01 17*235*12*789 *****", 1,
                                    5, 49, "*", 4, "17*235*12*789*01"},
                      NormalizeCase{"PerLine", "12,34;56 78", 2, 2, 2, "", 0, "12 34 \r\n56 78"},
                      NormalizeCase{"WrongLengthDropped", "1 22 333", 10, 2, 2, "", 0, "22"},
                      NormalizeCase{"PatternAnyStars", "1***7 ***** 12*** 1**7", 1, 5, 5, "*", 0,
                                    "1***7 \r\n12***"},
                      NormalizeCase{"LoneLineFeedIsNotASeparator", "12\n34", 10, 2, 2, "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SameConditionText, FoldsSeparatorsButNotLoneLineFeeds) {
  EXPECT_TRUE(SameConditionText("12 34", " 12,34 "));
  EXPECT_TRUE(SameConditionText("12\r\n34", "12 \r\n34"));
  EXPECT_TRUE(SameConditionText("1.2 34", "12 34"));
  EXPECT_FALSE(SameConditionText("12\n34", "12 34"));
  EXPECT_FALSE(SameConditionText("12|34", "12 34"));
}

}  // namespace
}  // namespace torvane
