// Draw files as players have them: every form of one history reads to the same draws.
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

TEST(DrawForms, EachFormReadsTheSameDrawsAndNamesABrokenLine) {
  std::vector<Draw> full = {F("2026255", "2026-09-22", "12345", 9900000, 1, 100000),
                            F("2026256", "2026-09-23", "67890", 9916601, 38, 100000),
                            F("2026257", "2026-09-24", "49330", 10002003, 0, 100000)};
  std::vector<Draw> bare = full;
  for (Draw& d : bare) d.sales = d.winners = d.prize = std::nullopt;
  const struct {
    const char* name;
    std::string bytes;
    bool figures;
    int periodLine;  // the line of 2026256
  } forms[] = {
      {"export",
       "period,date,number,sales,winners,prize\n2026255,2026-09-22,12345,9900000,1,100000\n"
       "2026256,2026-09-23,67890,9916601,38,100000\n2026257,2026-09-24,49330,10002003,0,100000\n",
       true, 3},
      {"daily text",
       "2026255 2026-09-22 1 2 3 4 5 9900000 1 100000\n"
       "2026256 2026-09-23 6 7 8 9 0 9916601 38 100000\n"
       "2026257 2026-09-24 4 9 3 3 0 10002003 0 100000\n",
       true, 2},
      // 期号,开奖日期,开奖号码,总销售额(元),中奖注数,单注奖金(元) in GBK, CR LF, newest first.
      {"spreadsheet GBK",
       "\xC6\xDA\xBA\xC5,\xBF\xAA\xBD\xB1\xC8\xD5\xC6\xDA,\xBF\xAA\xBD\xB1\xBA\xC5\xC2"
       "\xEB,\xD7\xDC\xCF\xFA\xCA\xDB\xB6\xEE(\xD4\xAA),\xD6\xD0\xBD\xB1\xD7\xA2\xCA"
       "\xFD,\xB5\xA5\xD7\xA2\xBD\xB1\xBD\xF0(\xD4\xAA)\r\n"
       "2026257,2026-09-24,4 9 3 3 0,\"10,002,003\",0,\"100,000\"\r\n"
       "2026256,2026-09-23,6 7 8 9 0,\"9,916,601\",38,\"100,000\"\r\n"
       "2026255,2026-09-22,1 2 3 4 5,\"9,900,000.00\",1,\"100,000.00\"\r\n",
       true, 3},
      {"web table",
       "排列五历史开奖\n期号\t开奖日期\t星期\t开奖号码\t总销售额(元)\t中奖注数\t单注奖金(元)\n"
       "2026257\t2026年09月24日\t星期四\t4 9 3 3 0\t10,002,003\t0\t100,000\t\n"
       "2026256\t2026年09月23日\t星期三\t6 7 8 9 0\t9,916,601\t38\t100,000\t\n"
       "2026255\t2026年09月22日\t星期二\t1 2 3 4 5\t9,900,000\t1\t100,000\t\n",
       true, 4},
      {"results page",
       "第2026257期 2026-09-24 开奖号码：4 9 3 3 0\n第2026256期 2026-09-23 开奖号码：6 7 8 9 0\n"
       "第2026255期 2026-09-22 开奖号码：1 2 3 4 5\n",
       false, 2},
  };
  testing::TempDir dir;
  for (const auto& f : forms) {
    SCOPED_TRACE(f.name);
    testing::WriteBytes(dir.File("draws.txt"), f.bytes);
    const DrawFileResult r = ReadDrawFile(dir.File("draws.txt"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.draws, f.figures ? full : bare);

    testing::WriteBytes(dir.File("draws.txt"), ReplaceAll(f.bytes, "2026256", "2026#256"));
    const DrawFileResult broken = ReadDrawFile(dir.File("draws.txt"));
    EXPECT_FALSE(broken.ok);
    const std::string line = "第 " + std::to_string(f.periodLine) + " 行不是开奖记录";
    EXPECT_NE(broken.error.find(line), std::string::npos) << broken.error;
  }
}

TEST(DrawForms, ReadsPeriodDateNumberAndFiguresFromEachLineForm) {
  const struct {
    const char* text;
    Draw first;
  } cases[] = {
      // The number comes before the figures, never a piece of the sales.
      {"2004001 2004-11-14 9 2 8 8 2 26455603 7 100000",
       F("2004001", "2004-11-14", "92882", 26455603, 7, 100000)},
      {"2004001 92882 - 7 100,000.00 组六", F("2004001", "", "92882", {}, 7, 100000)},
      {"排列五开奖\n2004001 92882 26455603 7 100000",
       F("2004001", "", "92882", 26455603, 7, 100000)},
      {"期号,日期,号码,奖金\n2004001,,92882,100000", F("2004001", "", "92882", {}, {}, 100000)},
      {"期号 号码 注数 销量\n2004001 92882 7 26455603", F("2004001", "", "92882", 26455603, 7)},
      {"期号,日期,号码,试机号\n2004001,,92882,12345", F("2004001", "", "92882")},
      {"Seq,p1,p2,p3,p4,p5,sales,winners,prize\n2004001,9,2,8,8,2,1,2,3",
       F("2004001", "", "92882", 1, 2, 3)},
      {"第 2004001 期 2004-11-14(四) 20:30 号码:9 2 8 8 2", F("2004001", "2004-11-14", "92882")},
      {"2004001\u00A02004-11-14\u00A092882", F("2004001", "2004-11-14", "92882")},
      {"2004001 92882 100\n2004001 92882 - 7", F("2004001", "", "92882", 100, 7)},
  };
  for (const auto& c : cases) {
    const DrawFileResult r = ParseDrawText(c.text);
    ASSERT_TRUE(r.ok) << c.text << ": " << r.error;
    EXPECT_EQ(r.draws.front(), c.first) << c.text;
  }
}

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
  const std::pair<const char*, Amount> cases[] = {{"26455603", 26455603},
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
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseAmount(text), value) << text;
}

}  // namespace
}  // namespace torvane::history
