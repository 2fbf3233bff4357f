// Writing a scheme and reading it back gives the same conditions.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "scheme/scheme_file.h"
#include "support/every_panel_set.h"

namespace torvane {
namespace {

using support::EveryPanelSet;

TEST(SchemeRoundTrip, EveryPanelSetComesBackEqual) {
  const Conditions c = EveryPanelSet();
  EXPECT_EQ(ParseScheme(WriteSchemeText(c), "mem.json"), c);
}

TEST(SchemeRoundTrip, RelativeRowsComeBackEqual) {
  Conditions c;
  c.relative.killSame = c.relative.shared = true;
  c.relative.samePositions[0] = c.relative.samePositions[4] = true;
  c.relative.repeatCounts[5] = c.relative.sharedCounts[0] = c.relative.sharedCounts[2] = true;
  c.relative.sumDiff = {true, "8.5", true};
  c.relative.spanDiff = {false, "abc", false};
  EXPECT_EQ(ParseScheme(WriteSchemeText(c), "mem.json"), c);
}

TEST(SchemeRoundTrip, StartValuesComeBackEqual) {
  EXPECT_EQ(ParseScheme(WriteSchemeText(Conditions{}), "mem.json"), Conditions{});
}

TEST(SchemeRoundTrip, EmptyObjectIsTheStartState) {
  EXPECT_EQ(ParseScheme("{}", "mem.json"), Conditions{});
}

TEST(SchemeRoundTrip, ThroughAFile) {
  const auto path = std::filesystem::temp_directory_path() / "torvane_round_trip.json";
  const Conditions c = EveryPanelSet();
  WriteSchemeFile(path.string(), c);
  EXPECT_EQ(ReadSchemeFile(path.string()), c);
  std::filesystem::remove(path);
}

TEST(SchemeRoundTrip, SavingOverAnOlderFileReplacesItWhole) {
  const auto path = std::filesystem::temp_directory_path() / "torvane_overwrite.json";
  WriteSchemeFile(path.string(), EveryPanelSet());
  WriteSchemeFile(path.string(), Conditions{});
  EXPECT_EQ(ReadSchemeFile(path.string()), Conditions{});
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".saving"));
  std::filesystem::remove(path);
}

TEST(SchemeRoundTrip, BoxShowingItsHintIsWrittenEmpty) {
  Conditions c;
  c.compound.text = kCompoundHint;
  c.patterns.text = kPatternHint;
  c.directKill.text = kDirectKillHint;
  c.combinations.texts[2] = kKillFourHint;
  const Conditions back = ParseScheme(WriteSchemeText(c), "mem.json");
  EXPECT_EQ(back, Conditions{});
}

TEST(SchemeRoundTrip, WrittenTextsUseLineFeeds) {
  Conditions c;
  c.patterns.text = "1***7 \r\n12***";
  const std::string text = WriteSchemeText(c);
  EXPECT_NE(text.find(R"("patterns": "1***7 \n12***")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("format": "torvane-scheme/1")"), std::string::npos);
}

TEST(SchemeRead, EveryPanelFileFillsTheRightFields) {
  const Conditions c = ReadSchemeFile(TORVANE_TEST_DATA "/schemes/every_panel.json");
  EXPECT_TRUE(c.positional.marked[0][0]);
  EXPECT_TRUE(c.positional.marked[4][5] && c.positional.marked[4][6]);
  EXPECT_EQ(c.tolerance.max, "3");
  EXPECT_TRUE(c.banker.digits[0][1] && c.banker.digits[0][2] && c.banker.digits[0][3]);
  EXPECT_TRUE(c.banker.counts[0][2]);
  EXPECT_TRUE(c.shapes.bigSmall[0b00111]);  // 大大小小小
  EXPECT_TRUE(c.shapes.oddEven[0b01010]);   // 奇偶奇偶奇
  EXPECT_TRUE(c.routes.ticked[2 * 81 + 2 * 27 + 0 * 9 + 2 * 3 + 1]);
  EXPECT_TRUE(c.special.ticked[0] && c.special.ticked[4] && c.special.ticked[2]);
  EXPECT_TRUE(c.ratios.selected[3]);
  EXPECT_EQ(c.patterns.text, "1***7 \r\n12***");  // LF in the file, CR LF in the box
  EXPECT_EQ(c.combinations.texts[2], "12345");
  EXPECT_EQ(c.relative, RelativeState{});  // written before the key existed
}

struct LoadCase {
  const char* name;
  const char* json;
  std::string expected;
  std::string (*get)(const Conditions&);
};
void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << c.name;
}

std::string DirectKill(const Conditions& c) {
  return c.directKill.text;
}
std::string Compound(const Conditions& c) {
  return c.compound.text;
}
std::string Kill2(const Conditions& c) {
  return c.combinations.texts[0];
}
std::string Patterns(const Conditions& c) {
  return c.patterns.text;
}
std::string Sums(const Conditions& c) {
  return c.sumSpan.sums;
}

class SchemeLoadNormalizes : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SchemeLoadNormalizes, BoxHoldsWhatLeavingItWouldGive) {
  const LoadCase& p = GetParam();
  EXPECT_EQ(p.get(ParseScheme(p.json, "mem.json")), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SchemeLoadNormalizes,
    ::testing::Values(
        LoadCase{"DirectKillSortedAndDeduplicated",
                 R"({"directKill": "58920,12345；12345\n00001"})", "00001 12345 58920", DirectKill},
        LoadCase{"DirectKillSixNumbersFivePerLine",
                 R"({"directKill": "00006 00005 00004 00003 00002 00001"})",
                 "00001 00002 00003 00004 00005 \r\n00006", DirectKill},
        LoadCase{"CompoundOnePerLine", R"({"compound": "1*2*3*4*5, 17*235*12*789*01"})",
                 "1*2*3*4*5 \r\n17*235*12*789*01", Compound},
        LoadCase{"CompoundCrLfAccepted", "{\"compound\": \"1*2*3*4*5\\r\\n6*7*8*9*0\"}",
                 "1*2*3*4*5 \r\n6*7*8*9*0", Compound},
        LoadCase{"CombinationDotDeleted", R"({"combinations": {"kill2": "8.9 55"}})", "89 55",
                 Kill2},
        LoadCase{
            "PatternHintIsEmpty",
            R"({"patterns": "输入格式举例：\n1***7\n1**78\n1*782\n\n比如输入12***表示杀12开头的所有号码"})",
            "", Patterns},
        LoadCase{"SumsKeptAsTyped", R"({"sumSpan": {"sums": "1,2；3 abc"}})", "1,2；3 abc", Sums}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
