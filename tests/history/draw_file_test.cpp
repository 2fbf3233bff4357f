#include "history/draw_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/draw_line.h"
#include "support/temp_files.h"

namespace torvane::history {
namespace {

Draw D(std::string period, std::string date, std::string number) {
  return Draw{std::move(period), std::move(date), *DigitsFromText(number)};
}

std::vector<Draw> TwoDraws(bool dated) {
  return {D("2004001", dated ? "2004-11-14" : "", "92882"),
          D("2004002", dated ? "2004-11-15" : "", "01234")};
}

struct FormCase {
  const char* name;
  std::string text;
  bool dated;
  int headers;
};

class DrawFileFormsTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(DrawFileFormsTest, ReadsTheSameDraws) {
  DrawFileResult r = ParseDrawText(GetParam().text);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.draws, TwoDraws(GetParam().dated));
  EXPECT_EQ(r.skippedHeaders, GetParam().headers);
  EXPECT_EQ(r.duplicates, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DrawFileFormsTest,
    ::testing::Values(
        FormCase{"CsvEnglishHeader",
                 "period,date,winningNumber\n2004001,2004-11-14,92882\n2004002,2004-11-15,01234\n",
                 true, 1},
        FormCase{"CsvChineseHeader",
                 "期号,日期,开奖号码\n2004001,2004-11-14,92882\n2004002,2004-11-15,01234\n", true,
                 1},
        FormCase{"DigitColumnsHeader",
                 "Seq,pos_1,pos_2,pos_3,pos_4,pos_5\n2004001,9,2,8,8,2\n2004002,0,1,2,3,4\n", false,
                 1},
        FormCase{"SpacesAndSingleDigitsCrLf",
                 "2004001 2004-11-14 9 2 8 8 2\r\n2004002 2004-11-15 0 1 2 3 4\r\n", true, 0},
        FormCase{"TabsCrLf",
                 "期号\t日期\t号码\r\n2004001\t2004-11-14\t92882\r\n2004002\t2004-11-15\t01234",
                 true, 1},
        FormCase{"PeriodWordsNoDate", "第2004001期 92882\n第2004002期 01234\n", false, 0},
        FormCase{"PeriodWordsChineseDate",
                 "第2004001期 2004年11月14日 92882\n第2004002期 2004年11月15日 01234\n", true, 0},
        FormCase{"SlashDates", "2004001 2004/11/14 92882\n2004002 2004/11/15 01234\n", true, 0},
        FormCase{"DotDatesSemicolons", "2004001;2004.11.14;92882\n2004002;2004.11.15;01234;\n",
                 true, 0},
        FormCase{"CompactDates", "2004001 20041114 92882\n2004002 20041115 01234\n", true, 0},
        FormCase{"MixedSeparators", "2004001\t2004-11-14, 92882\n2004002 ; 2004/11/15 ;01234", true,
                 0},
        FormCase{"FullWidthCommas", "2004001，2004-11-14，92882\n2004002，2004-11-15，０１２３４\n",
                 true, 0},
        FormCase{"EmptyDateColumn", "period,date,winningNumber\n2004001,,92882\n2004002,,01234\n",
                 false, 1},
        FormCase{"NewestFirst", "2004002,2004-11-15,01234\n2004001,2004-11-14,92882\n", true, 0},
        FormCase{"BomAndBlankLines",
                 "\xEF\xBB\xBF\n  \n2004001,2004-11-14,92882\n\n\t\n2004002,2004-11-15,01234\n\n",
                 true, 0},
        FormCase{"LoneCarriageReturns", "2004001 2004-11-14 92882\r2004002 2004-11-15 01234\r",
                 true, 0},
        FormCase{"TwoHeaderLines",
                 "开奖数据 2004年\n期号 日期 号码\n2004001 2004-11-14 92882\n2004002 2004-11-15 "
                 "01234",
                 true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawFile, DashedPeriodsAndSlashDates) {
  DrawFileResult r = ParseDrawText("20241201-023 2024/12/01 12345\n20241201-022 2024/12/1 54321");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.draws, (std::vector<Draw>{D("20241201-022", "2024-12-01", "54321"),
                                        D("20241201-023", "2024-12-01", "12345")}));
}

struct RefusalCase {
  const char* name;
  std::string text;
  std::string mustName;  // the line number(s) and what else the message has to quote
};

class DrawFileRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DrawFileRefusalTest, NamesTheLine) {
  DrawFileResult r = ParseDrawText(GetParam().text);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.draws.empty());
  EXPECT_NE(r.error.find(GetParam().mustName), std::string::npos) << r.error;
}

constexpr const char* kGood = "2004001,2004-11-14,92882\n2004002,2004-11-15,01234\n";

INSTANTIATE_TEST_SUITE_P(
    Refusals, DrawFileRefusalTest,
    ::testing::Values(
        RefusalCase{
            "WordsInTheMiddle",
            std::string(kGood) + "2004003,2004-11-16,hello\n2004004,2004-11-17,55555\n",
            "第 3 行不是开奖记录（号码应为一个五位数，或五个用分隔符隔开的一位数）：“2004003,"
            "2004-11-16,hello”"},
        RefusalCase{"FourDigitNumber", std::string(kGood) + "2004003,2004-11-16,9288\n", "第 3 行"},
        RefusalCase{"SixDigitNumber", std::string(kGood) + "2004003,2004-11-16,928823\n",
                    "第 3 行"},
        RefusalCase{"DigitColumnTen",
                    "Seq,pos_1,pos_2,pos_3,pos_4,pos_5\n2004001,9,2,8,8,2\n2004002,9,2,10,8,2\n",
                    "第 3 行不是开奖记录"},
        RefusalCase{"FourDigitColumns", "2004001 9 2 8 8\n", "第 1 行"},
        RefusalCase{"BrokenFirstLineIsNoHeader", "2004001,2004-11-14,9288\n" + std::string(kGood),
                    "第 1 行"},
        RefusalCase{"BrokenPeriodWordsLineIsNoHeader", "第2004001期 9288\n", "第 1 行"},
        RefusalCase{"BrokenFullWidthLineIsNoHeader", "２００４００１ ９２８８\n", "第 1 行"},
        RefusalCase{"MonthThirteen", "2004001 2004-13-14 92882\n",
                    "第 1 行不是开奖记录（日期无效）"},
        RefusalCase{"FebruaryThirtieth", std::string(kGood) + "2004003 2004-02-30 92882\n",
                    "第 3 行不是开奖记录（日期无效）"},
        RefusalCase{"DayZero", "2004001 2004/11/0 92882\n", "日期无效"},
        RefusalCase{"WordWithDigitsBeforeNumber", "2004001 2004-11-14 x1 92882\n",
                    "第 1 行不是开奖记录（期号与号码之间有无法识别的内容）"},
        RefusalCase{"TwoDates", "2004001 2004-11-14 2004-11-15 92882\n", "第 1 行"},
        RefusalCase{"DateWithoutPeriod", "2004-11-14 92882\n", "第 1 行不是开奖记录（缺少期号"},
        RefusalCase{"NumberWithoutPeriod", "92882\n", "第 1 行不是开奖记录（缺少期号）"},
        RefusalCase{"HeaderAfterADraw", std::string(kGood) + "期号 日期 号码\n", "第 3 行"},
        RefusalCase{"ConflictingDuplicate",
                    std::string(kGood) + "2004003,2004-11-16,11111\n\n2004001,2004-11-14,92883\n",
                    "第 1 行与第 5 行是同一期 2004001，号码却不同（92882 与 92883）"},
        RefusalCase{"OnlyHeaders", "期号,日期,开奖号码\n\n", "没有开奖记录"},
        RefusalCase{"Empty", "", "没有开奖记录"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawFile, QuotesALongLineCutOnACharacter) {
  std::string words;
  for (int i = 0; i < 100; ++i) words += "号";  // three bytes each
  DrawFileResult r = ParseDrawText(std::string(kGood) + "2004003 " + words + "\n");
  ASSERT_FALSE(r.ok);
  std::string quoted = "2004003 " + words.substr(0, 72 * 3) + "…”";
  EXPECT_NE(r.error.find("：“" + quoted), std::string::npos) << r.error;
}

TEST(DrawFile, CountsDuplicatesAndKeepsADate) {
  DrawFileResult r = ParseDrawText(
      "2004001 92882\n2004002 2004-11-15 01234\n2004001 2004-11-14 92882\n"
      "2004002 01234\n2004002 2004-11-15 0 1 2 3 4\n");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.duplicates, 3);
  EXPECT_EQ(r.draws, TwoDraws(true));
}

// UTF-16 text with a BOM, code units in the given byte order.
std::string Utf16(std::u16string_view s, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : s) {
    char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

struct EncodedCase {
  const char* name;
  std::string bytes;
  bool dated;
  int headers;
};

class DrawFileEncodingTest : public ::testing::TestWithParam<EncodedCase> {};

TEST_P(DrawFileEncodingTest, ReadsFromDisk) {
  testing::TempDir dir;
  std::string path = dir.File("draws.txt");
  testing::WriteBytes(path, GetParam().bytes);
  DrawFileResult r = ReadDrawFile(path);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.draws, TwoDraws(GetParam().dated));
  EXPECT_EQ(r.skippedHeaders, GetParam().headers);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, DrawFileEncodingTest,
    ::testing::Values(EncodedCase{"Utf16LittleEndian",
                                  Utf16(u"期号,日期,开奖号码\r\n2004001,2004-11-14,92882\r\n"
                                        u"2004002,2004-11-15,01234\r\n",
                                        false),
                                  true, 1},
                      EncodedCase{"Utf16BigEndian",
                                  Utf16(u"第2004001期 92882\n第2004002期 01234\n", true), false, 0},
                      // 期号,日期,开奖号码 then full-width commas, in GBK.
                      EncodedCase{
                          "GbkHeaderAndFullWidthCommas",
                          "\xC6\xDA\xBA\xC5,\xC8\xD5\xC6\xDA,\xBF\xAA\xBD\xB1\xBA\xC5\xC2\xEB\r\n"
                          "2004001\xA3\xAC"
                          "2004-11-14\xA3\xAC"
                          "92882\r\n2004002\xA3\xAC"
                          "2004-11-15\xA3\xAC"
                          "01234\r\n",
                          true, 1},
                      // 第…期 and 年月日 in GBK.
                      EncodedCase{"GbkPeriodWordsAndChineseDates",
                                  "\xB5\xDA"
                                  "2004001\xC6\xDA 2004\xC4\xEA"
                                  "11\xD4\xC2"
                                  "14\xC8\xD5 92882\n"
                                  "\xB5\xDA"
                                  "2004002\xC6\xDA 2004\xC4\xEA"
                                  "11\xD4\xC2"
                                  "15\xC8\xD5 01234\n",
                                  true, 0},
                      EncodedCase{"Utf8Bom", "\xEF\xBB\xBF" + std::string(kGood), true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawFile, FileErrorsNameTheFile) {
  testing::TempDir dir;
  std::string missing = dir.File("missing.txt");
  DrawFileResult r = ReadDrawFile(missing);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(missing), std::string::npos) << r.error;

  std::string bad = dir.File("bad.txt");
  testing::WriteBytes(bad, std::string(kGood) + "2004003 9288\n");
  r = ReadDrawFile(bad);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(bad), std::string::npos) << r.error;
  EXPECT_NE(r.error.find("第 3 行"), std::string::npos) << r.error;
}

struct DateCase {
  const char* name;
  std::string text;
  std::string expected;  // empty: refused
};

class NormalizeDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(NormalizeDateTest, ReadsRealCalendarDatesOnly) {
  std::optional<std::string> d = NormalizeDate(GetParam().text);
  if (GetParam().expected.empty())
    EXPECT_FALSE(d) << *d;
  else
    EXPECT_EQ(d.value_or("refused"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, NormalizeDateTest,
    ::testing::Values(
        DateCase{"Dashed", "2004-11-14", "2004-11-14"},
        DateCase{"SingleDigitParts", "2004-1-4", "2004-01-04"},
        DateCase{"Slashed", "2024/12/01", "2024-12-01"},
        DateCase{"Dotted", "2024.12.01", "2024-12-01"},
        DateCase{"Compact", "20241201", "2024-12-01"},
        DateCase{"Chinese", "2024年12月1日", "2024-12-01"},
        DateCase{"ChineseWithoutDay", "2024年12月1", "2024-12-01"},
        DateCase{"LeapDay", "2024-02-29", "2024-02-29"},
        DateCase{"LeapDayOf2000", "2000-02-29", "2000-02-29"},
        DateCase{"NoLeapDayIn2023", "2023-02-29", ""},
        DateCase{"NoLeapDayIn1900", "1900-02-29", ""}, DateCase{"MonthZero", "2004-00-10", ""},
        DateCase{"MonthThirteen", "2004-13-10", ""}, DateCase{"November31", "2004-11-31", ""},
        DateCase{"TwoDigitYear", "04-11-14", ""}, DateCase{"MixedSeparators", "2004-11/14", ""},
        DateCase{"MissingDay", "2004-11", ""}, DateCase{"TrailingPart", "2004-11-14-1", ""},
        DateCase{"CompactMonth13", "20041314", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::history
