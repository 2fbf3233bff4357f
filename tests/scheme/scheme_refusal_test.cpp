// Files a control could not hold are refused, naming file, key and value.
#include <gtest/gtest.h>

#include "scheme/scheme_file.h"

namespace torvane {
namespace {

struct RefusalCase {
  const char* name;
  std::string json;
  const char* key;    // dotted path in the message
  const char* value;  // the value as shown in the message
};
void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class SchemeRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SchemeRefusal, MessageNamesFileKeyAndValue) {
  const RefusalCase& p = GetParam();
  try {
    ParseScheme(p.json, "plan.json");
    FAIL() << "accepted " << p.json.substr(0, 200);
  } catch (const SchemeError& e) {
    const std::string m = e.what();
    EXPECT_NE(m.find("plan.json"), std::string::npos) << m;
    EXPECT_NE(m.find(std::string("键 ") + p.key + " "), std::string::npos) << m;
    EXPECT_NE(m.find(p.value), std::string::npos) << m;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SchemeRefusal,
    ::testing::Values(
        // An unknown key is wrong whatever it holds: the message says so of the key.
        RefusalCase{"UnknownTopKey", R"({"colour": 1})", "colour", "键 colour 是未知的键"},
        RefusalCase{"UnknownNestedKey", R"({"positional": {"rowz": []}})", "positional.rowz",
                    "键 positional.rowz 是未知的键"},
        RefusalCase{"UnknownBankerRowKey", R"({"banker": {"rows": [{"digit": "1"}]}})",
                    "banker.rows[0].digit", "键 banker.rows[0].digit 是未知的键"},
        RefusalCase{"RootIsNotAnObject", "[1]", "（文件顶层）", "[1]"},
        RefusalCase{"WrongFormat", R"({"format": "torvane-scheme/2"})", "format",
                    R"("torvane-scheme/2")"},
        RefusalCase{"ToleranceNotAnArray", R"({"tolerance": "0"})", "tolerance", R"("0")"},
        RefusalCase{"ToleranceThreeValues", R"({"tolerance": ["0", "1", "2"]})", "tolerance",
                    R"(["0","1","2"])"},
        RefusalCase{"ToleranceLongerThanItsBox", R"({"tolerance": ["0", "100"]})", "tolerance[1]",
                    R"("100")"},
        RefusalCase{"ToleranceNumberNotText", R"({"tolerance": [0, "1"]})", "tolerance[0]", "0"},
        // The box takes only typed digits and ".": a letter, a sign or a wide digit never gets in.
        RefusalCase{"ToleranceLetter", R"({"tolerance": ["a", "1"]})", "tolerance[0]",
                    R"("a" 不是数字)"},
        RefusalCase{"ToleranceMinus", R"({"tolerance": ["0", "-1"]})", "tolerance[1]", R"("-1")"},
        RefusalCase{"ToleranceFullWidthDigit", R"({"tolerance": ["１", "1"]})", "tolerance[0]",
                    R"("１")"},
        RefusalCase{"MinMaxLongerThanALineBox",
                    std::string(R"({"minMax": {"largest": ")") + std::string(32768, '7') + "\"}}",
                    "minMax.largest", "32767"},
        RefusalCase{"RowWithLetter", R"({"positional": {"rows": ["", "", "1a", "", ""]}})",
                    "positional.rows[2]", R"("1a")"},
        RefusalCase{"RowWithDuplicate", R"({"positional": {"rows": ["", "55", "", "", ""]}})",
                    "positional.rows[1]", R"("55")"},
        RefusalCase{"FourRows", R"({"positional": {"rows": ["", "", "", ""]}})", "positional.rows",
                    R"(["","","",""])"},
        RefusalCase{"RangeWithLineBreak", R"({"positional": {"range": ["0\n", "1"]}})",
                    "positional.range[0]", R"("0\n")"},
        RefusalCase{"TailsWithSeparator", R"({"sumSpan": {"tails": "3,4"}})", "sumSpan.tails",
                    R"("3,4")"},
        RefusalCase{"SumsNotText", R"({"sumSpan": {"sums": 12}})", "sumSpan.sums", "12"},
        RefusalCase{"SevenBankerRows", R"({"banker": {"rows": [{}, {}, {}, {}, {}, {}, {}]}})",
                    "banker.rows", "[{},{},{},{},{},{},{}]"},
        RefusalCase{"BankerCountSix", R"({"banker": {"rows": [{"digits": "1", "counts": "16"}]}})",
                    "banker.rows[0].counts", R"("16")"},
        RefusalCase{"BankerRepeatAsText", R"({"banker": {"repeat": "yes"}})", "banker.repeat",
                    R"("yes")"},
        RefusalCase{"ShapeCaptionTooShort", R"({"shapes": {"bigSmall": ["大大大"]}})",
                    "shapes.bigSmall[0]", R"("大大大")"},
        RefusalCase{"ShapeCaptionOfAnotherKind", R"({"shapes": {"oddEven": ["大大大大大"]}})",
                    "shapes.oddEven[0]", R"("大大大大大")"},
        RefusalCase{"RouteDigitThree", R"({"routes": ["00000", "00003"]})", "routes[1]",
                    R"("00003")"},
        RefusalCase{"SpecialUnknown", R"({"special": ["6连"]})", "special[0]", R"("6连")"},
        RefusalCase{"RatioUnknown", R"({"ratios": {"bigSmall": ["3:3"]}})", "ratios.bigSmall[0]",
                    R"("3:3")"},
        RefusalCase{"MinMaxNumber", R"({"minMax": {"smallest": 3}})", "minMax.smallest", "3"},
        RefusalCase{"DirectKillShortNumber", R"({"directKill": "12345 1234"})", "directKill",
                    R"("12345 1234")"},
        RefusalCase{"DirectKillLetter", R"({"directKill": "12a45"})", "directKill", R"("12a45")"},
        RefusalCase{"CompoundThreeStars", R"({"compound": "17*235*12*789"})", "compound",
                    R"("17*235*12*789")"},
        RefusalCase{"CompoundTooLong",
                    R"({"compound": "0123456789*0123456789*0123456789*0123456789*0123456789"})",
                    "compound", "0123456789*"},
        RefusalCase{"PatternOnlyStars", R"({"patterns": "1***7 *****"})", "patterns",
                    R"("1***7 *****")"},
        RefusalCase{"PatternSixLong", R"({"patterns": "1****7"})", "patterns", R"("1****7")"},
        RefusalCase{"KillFourLetter", R"({"combinations": {"kill4": "12a4"}})",
                    "combinations.kill4", R"("12a4")"},
        RefusalCase{"KillTwoThreeDigits", R"({"combinations": {"kill2": "89 123"}})",
                    "combinations.kill2", R"("89 123")"},
        RefusalCase{"MustFourTenDigits", R"({"combinations": {"must4": "0123456789"}})",
                    "combinations.must4", R"("0123456789")"},
        RefusalCase{"RelativeUnknownRow", R"({"relative": {"sumDif": {}}})", "relative.sumDif",
                    "键 relative.sumDif 是未知的键"},
        RefusalCase{"RelativePositionFive",
                    R"({"relative": {"killSame": {"apply": true, "positions": "05"}}})",
                    "relative.killSame.positions", R"("05")"},
        RefusalCase{"RelativeUnknownMode", R"({"relative": {"spanDiff": {"mode": "exactly"}}})",
                    "relative.spanDiff.mode", R"("exactly")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchemeRefusal, BadJsonNamesFileAndPosition) {
  try {
    ReadSchemeFile(TORVANE_TEST_DATA "/schemes/bad_json.json");
    FAIL();
  } catch (const SchemeError& e) {
    const std::string m = e.what();
    EXPECT_NE(m.find("bad_json.json"), std::string::npos) << m;
    EXPECT_NE(m.find("第 3 行第 1 列（第 64 字节）"), std::string::npos) << m;
    EXPECT_NE(m.find("文件到这里就结束了"), std::string::npos) << m;
  }
}

// Text that is not JSON: where (line, column in characters, byte) and why in Chinese, never
// the parser's own English or the undecodable bytes it stopped at.
TEST(SchemeRefusal, BadJsonIsToldInChinese) {
  const struct {
    const char* name;
    std::string text;
    const char* where;
    const char* why;
  } cases[] = {
      {"GbkBytes", "{\"patterns\": \"\xB2\xE2\xCA\xD4\"}", "第 1 行第 15 列（第 15 字节）",
       "含有不是 UTF-8 的字节：方案文件须存为 UTF-8 编码"},
      {"MissingComma", "{\"minMax\": {}\n \"号码\" 1}",
       "第 2 行第 5 列（第 23 字节），“\"号码”之后", "这里的符号放错了位置"},
      {"LineBreakInAString", "{\"patterns\": \"1***7\n\"}", "第 1 行第 20 列",
       "字符串里有控制字符"},
  };
  for (const auto& c : cases) {
    try {
      ParseScheme(c.text, "plan.json");
      ADD_FAILURE() << c.name << " accepted";
    } catch (const SchemeError& e) {
      const std::string m = e.what();
      EXPECT_NE(m.find(c.where), std::string::npos) << c.name << ": " << m;
      EXPECT_NE(m.find(c.why), std::string::npos) << c.name << ": " << m;
      EXPECT_EQ(m.find("exception"), std::string::npos) << c.name << ": " << m;
      EXPECT_EQ(m.find("last read"), std::string::npos) << c.name << ": " << m;
      EXPECT_EQ(m.find("\xB2\xE2"), std::string::npos) << c.name;
    }
  }
}

// Found by fuzz_scheme: the JSON library reports this overflow with another exception type.
TEST(SchemeRefusal, NumberTooLargeIsBadJsonNotACrash) {
  try {
    ParseScheme(R"({"sumSpan": 1e999})", "plan.json");
    FAIL();
  } catch (const SchemeError& e) {
    EXPECT_NE(std::string(e.what()).find("plan.json"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("1e999"), std::string::npos) << e.what();
  }
}

// Deep nesting once overflowed the stack while the message was being built.
TEST(SchemeRefusal, DeeplyNestedFileIsRefusedNotACrash) {
  const int n = 2000000;
  const std::string deep = std::string(n, '[') + std::string(n, ']');
  EXPECT_THROW(ParseScheme(deep, "plan.json"), SchemeError);
  EXPECT_THROW(ParseScheme(R"({"routes": )" + deep + "}", "plan.json"), SchemeError);
}

TEST(SchemeRefusal, BracketsInsideStringsDoNotCountAsNesting) {
  const std::string text = R"({"minMax": {"smallest": ")" + std::string(100, '[') + R"("}})";
  EXPECT_EQ(ParseScheme(text, "plan.json").minMax.smallest, std::string(100, '['));
}

TEST(SchemeRefusal, MissingFileNamesIt) {
  try {
    ReadSchemeFile("/nonexistent/dir/plan.json");
    FAIL();
  } catch (const SchemeError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/plan.json"), std::string::npos);
  }
}

TEST(SchemeRefusal, UnwritableFileThrows) {
  EXPECT_THROW(WriteSchemeFile("/nonexistent/dir/plan.json", Conditions{}), SchemeError);
}

TEST(SchemeRefusal, LongValueIsShortenedInTheMessage) {
  const std::string json = R"({"directKill": ")" + std::string(5000, 'x') + R"("})";
  try {
    ParseScheme(json, "plan.json");
    FAIL();
  } catch (const SchemeError& e) {
    EXPECT_LT(std::string(e.what()).size(), 400u);
  }
}

}  // namespace
}  // namespace torvane
