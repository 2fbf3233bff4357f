// Draw files as players have them: trailing figures, spreadsheet CSV, web tables, results
// pages. Every form of one history reads to the same draws.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/text_util.h"
#include "history/draw_file.h"
#include "history/trailing_columns.h"
#include "support/temp_files.h"

namespace torvane::history {
namespace {

using Amount = std::optional<std::int64_t>;

Draw F(std::string period, std::string date, std::string number, Amount sales = {},
       Amount winners = {}, Amount prize = {}) {
  return Draw{std::move(period), std::move(date), *DigitsFromText(number), sales, winners, prize};
}

std::vector<Draw> History(bool figures) {
  std::vector<Draw> h = {F("2026255", "2026-09-22", "12345", 9900000, 1, 100000),
                         F("2026256", "2026-09-23", "67890", 9916601, 38, 100000),
                         F("2026257", "2026-09-24", "49330", 10002003, 0, 100000)};
  if (!figures)
    for (Draw& d : h) d.sales = d.winners = d.prize = std::nullopt;
  return h;
}

struct FormCase {
  const char* name;
  std::string bytes;  // as the file holds them
  bool figures;
  int periodLine;  // the line of 2026256
};

class PlayersFormsTest : public ::testing::TestWithParam<FormCase> {};

DrawFileResult Read(const std::string& bytes) {
  testing::TempDir dir;
  testing::WriteBytes(dir.File("draws.txt"), bytes);
  return ReadDrawFile(dir.File("draws.txt"));
}

TEST_P(PlayersFormsTest, ReadsTheSameHistory) {
  const DrawFileResult r = Read(GetParam().bytes);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.draws, History(GetParam().figures));
}

TEST_P(PlayersFormsTest, ABrokenLineRefusesTheFileByItsNumber) {
  const DrawFileResult r = Read(ReplaceAll(GetParam().bytes, "2026256", "2026#256"));
  EXPECT_FALSE(r.ok);
  const std::string line = "第 " + std::to_string(GetParam().periodLine) + " 行不是开奖记录";
  EXPECT_NE(r.error.find(line), std::string::npos) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PlayersFormsTest,
    ::testing::Values(
        FormCase{"Export",
                 "period,date,number,sales,winners,prize\n"
                 "2026255,2026-09-22,12345,9900000,1,100000\n"
                 "2026256,2026-09-23,67890,9916601,38,100000\n"
                 "2026257,2026-09-24,49330,10002003,0,100000\n",
                 true, 3},
        FormCase{"DailyText",
                 "2026255 2026-09-22 1 2 3 4 5 9900000 1 100000\n"
                 "2026256 2026-09-23 6 7 8 9 0 9916601 38 100000\n"
                 "2026257 2026-09-24 4 9 3 3 0 10002003 0 100000\n",
                 true, 2},
        // 期号,开奖日期,开奖号码,总销售额(元),中奖注数,单注奖金(元) in GBK, CR LF, newest first.
        FormCase{"SpreadsheetGbk",
                 "\xC6\xDA\xBA\xC5,\xBF\xAA\xBD\xB1\xC8\xD5\xC6\xDA,\xBF\xAA\xBD\xB1\xBA\xC5\xC2"
                 "\xEB,\xD7\xDC\xCF\xFA\xCA\xDB\xB6\xEE(\xD4\xAA),\xD6\xD0\xBD\xB1\xD7\xA2\xCA"
                 "\xFD,\xB5\xA5\xD7\xA2\xBD\xB1\xBD\xF0(\xD4\xAA)\r\n"
                 "2026257,2026-09-24,4 9 3 3 0,\"10,002,003\",0,\"100,000\"\r\n"
                 "2026256,2026-09-23,6 7 8 9 0,\"9,916,601\",38,\"100,000\"\r\n"
                 "2026255,2026-09-22,1 2 3 4 5,\"9,900,000.00\",1,\"100,000.00\"\r\n",
                 true, 3},
        FormCase{"WebTable",
                 "排列五历史开奖\n"
                 "期号\t开奖日期\t星期\t开奖号码\t总销售额(元)\t中奖注数\t单注奖金(元)\n"
                 "2026257\t2026年09月24日\t星期四\t4 9 3 3 0\t10,002,003\t0\t100,000\t\n"
                 "2026256\t2026年09月23日\t星期三\t6 7 8 9 0\t9,916,601\t38\t100,000\t\n"
                 "2026255\t2026年09月22日\t星期二\t1 2 3 4 5\t9,900,000\t1\t100,000\t\n",
                 true, 4},
        FormCase{"ResultsPage",
                 "第2026257期 2026-09-24 开奖号码：4 9 3 3 0\n"
                 "第2026256期 2026-09-23 开奖号码：6 7 8 9 0\n"
                 "第2026255期 2026-09-22 开奖号码：1 2 3 4 5\n",
                 false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
  const char* name;
  std::string text;
  Draw first;  // the first draw read
};

class DrawLineFormsTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawLineFormsTest, ReadsPeriodDateNumberAndFigures) {
  const DrawFileResult r = ParseDrawText(GetParam().text);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.draws.front(), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrawLineFormsTest,
    ::testing::Values(
        // The number is the first five-digit token or five single digits after the period
        // and the date, never a piece of the sales.
        LineCase{"DigitsBeforeFigures", "2004001 2004-11-14 9 2 8 8 2 26455603 7 100000",
                 F("2004001", "2004-11-14", "92882", 26455603, 7, 100000)},
        LineCase{"NotANumberLeavesAGap", "2004001 92882 - 7 100,000.00 组六",
                 F("2004001", "", "92882", {}, 7, 100000)},
        LineCase{"TitleLineNamesNothing", "排列五开奖\n2004001 92882 26455603 7 100000",
                 F("2004001", "", "92882", 26455603, 7, 100000)},
        LineCase{"HeaderNamesSome", "期号,日期,号码,奖金\n2004001,,92882,100000",
                 F("2004001", "", "92882", {}, {}, 100000)},
        LineCase{"HeaderInAnotherOrder", "期号 号码 注数 销量\n2004001 92882 7 26455603",
                 F("2004001", "", "92882", 26455603, 7)},
        LineCase{"HeaderWithoutFigures", "期号,日期,号码,试机号\n2004001,,92882,12345",
                 F("2004001", "", "92882")},
        LineCase{"DigitColumnsCountFromTheRight",
                 "Seq,p1,p2,p3,p4,p5,sales,winners,prize\n2004001,9,2,8,8,2,1,2,3",
                 F("2004001", "", "92882", 1, 2, 3)},
        LineCase{"WordsAroundEverything", "第 2004001 期 2004-11-14(四) 20:30 号码:9 2 8 8 2",
                 F("2004001", "2004-11-14", "92882")},
        LineCase{"NoBreakSpaces", "2004001\u00A02004-11-14\u00A092882",
                 F("2004001", "2004-11-14", "92882")},
        LineCase{"RepeatedLineAddsFigures", "2004001 92882 100\n2004001 92882 - 7",
                 F("2004001", "", "92882", 100, 7)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawForms, RefusesWhatStillCannotBeRead) {
  const struct {
    const char* text;
    const char* says;
  } cases[] = {
      {"2004001,\"92882\n", "第 1 行不是开奖记录（双引号没有配对）"},
      {"2004001 92882 100\n\n2004001 92882 200\n",
       "第 1 行与第 3 行是同一期 2004001，销售额却不同"},
  };
  for (const auto& c : cases) {
    const DrawFileResult r = ParseDrawText(c.text);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
  }
}

TEST(DrawForms, AmountsAsFilesWriteThem) {
  const struct {
    const char* text;
    Amount value;
  } cases[] = {{"26455603", 26455603},
               {"9,916,601", 9916601},
               {"100,000.00", 100000},
               {"100000元", 100000},
               {"¥1,000", 1000},
               {"0", 0},
               {"-", {}},
               {"", {}},
               {"1.5", {}},
               {"12,34", {}},
               {"1234,567", {}},
               {",123", {}},
               {"1,,234", {}},
               {"9999999999999999999", {}}};
  for (const auto& c : cases) EXPECT_EQ(ParseAmount(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace torvane::history
