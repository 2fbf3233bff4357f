#include "help/help_document.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/help_button_name.h"

namespace torvane {
namespace {

// The shipped resource and its UTF-8 source, read from the source tree.
std::string HelpDir() {
  std::string data = TORVANE_TEST_DATA;
  return data.substr(0, data.rfind("tests/data")) + "src/help/";
}
const std::string kHelpDir = HelpDir();

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::string& ShippedDocument() {
  static const std::string doc = DecodeGbkText(ReadFile(kHelpDir + "help_document.gbk"));
  return doc;
}

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size()))
    ++n;
  return n;
}

TEST(HelpDocument, ShippedResourceIsTheGbkFormOfItsSource) {
  std::string source = ReadFile(kHelpDir + "help_document.txt");
  ASSERT_FALSE(source.empty());
  std::string crlf;
  for (char c : source) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  // Fails when the .txt was edited without running tools/make_help_gbk.sh.
  EXPECT_EQ(ShippedDocument(), crlf);
}

TEST(HelpDocument, HasHeadingAndEndMarkers) {
  const std::string& doc = ShippedDocument();
  EXPECT_EQ(doc.rfind("弹窗说明详细列表\r\n", 0), 0u);
  EXPECT_GE(Occurrences(doc, "[**]"), 2u);
  EXPECT_EQ(doc.find("\xEF\xBF\xBD"), std::string::npos) << "undecodable bytes";
}

class HelpBlockForButton : public ::testing::TestWithParam<int> {};

TEST_P(HelpBlockForButton, IsFoundAndFencedOnItsOwnLines) {
  std::string key(HelpKeyForIndex(GetParam()));
  ASSERT_FALSE(key.empty());
  std::string marker = "[*" + key + "*]";
  const std::string& doc = ShippedDocument();
  EXPECT_EQ(Occurrences(doc, marker), 2u) << key;
  EXPECT_NE(doc.find("\r\n" + marker + "\r\n"), std::string::npos) << key;

  std::optional<std::string> block = FindHelpBlock(doc, key);
  ASSERT_TRUE(block.has_value()) << key;
  EXPECT_EQ(block->rfind(marker + "\r\n\r\n", 0), 0u) << key;
  EXPECT_GT(block->size(), marker.size() + 60) << key;  // a real text, not a stub
  EXPECT_EQ(block->find("[*", marker.size()), std::string::npos) << "runs into another block";
  EXPECT_EQ(block->substr(block->size() - 2), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryTextButton, HelpBlockForButton,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21, 22, 23),
                         support::HelpButtonName);

TEST(HelpKeyForIndex, PictureAndOutOfRangeHaveNoKey) {
  EXPECT_TRUE(HelpKeyForIndex(kHelpPictureIndex).empty());
  EXPECT_TRUE(HelpKeyForIndex(-1).empty());
  EXPECT_TRUE(HelpKeyForIndex(24).empty());
  EXPECT_EQ(HelpKeyForIndex(3), "【定位杀】");
  EXPECT_EQ(HelpKeyForIndex(13), "交集说明");
  EXPECT_EQ(HelpKeyForIndex(23), "复制全部号码");
}

struct BlockCase {
  std::string name;
  std::string document;
  std::string key;
  std::optional<std::string> expected;
};

class FindHelpBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(FindHelpBlockTest, SplitsAtTheMarker) {
  const BlockCase& c = GetParam();
  EXPECT_EQ(FindHelpBlock(c.document, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindHelpBlockTest,
    ::testing::Values(BlockCase{"Block", "head\r\n[*k*]\r\ntext\r\n[*k*]\r\n", "k",
                                "[*k*]\r\n\r\ntext\r\n"},
                      BlockCase{"PresentTwiceStopsAtSecondMarker",
                                "[*k*]\r\nfirst\r\n[*k*]\r\n\r\n[*k*]\r\nsecond\r\n[*k*]", "k",
                                "[*k*]\r\n\r\nfirst\r\n"},
                      BlockCase{"OnceRunsToTheEnd", "[*k*]\r\nrest", "k", "[*k*]\r\n\r\nrest"},
                      BlockCase{"Missing", "[*a*]\r\nx\r\n[*a*]", "b", std::nullopt},
                      BlockCase{"EmptyKeyDespiteEmptyMarkers", "[**]\r\n[**]", "", std::nullopt},
                      BlockCase{"PrefixOfAnotherKeyIsNotIt",
                                "[*杀和值说明*]\r\nx\r\n[*杀和值说明*]", "杀和值", std::nullopt},
                      BlockCase{"EmptyBlock", "[*k*][*k*]", "k", "[*k*]\r\n"}),
    [](const ::testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

struct GbkCase {
  std::string name;
  std::string bytes;
  std::string utf8;
};

class DecodeGbkTest : public ::testing::TestWithParam<GbkCase> {};

TEST_P(DecodeGbkTest, Decodes) {
  EXPECT_EQ(DecodeGbkText(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeGbkTest,
    ::testing::Values(GbkCase{"Ascii", "12345 \r\n", "12345 \r\n"},
                      GbkCase{"Chinese", "\xC4\xE3\xBA\xC3", "你好"},
                      GbkCase{"FullWidthBrackets", "\xA1\xBE\xB6\xA8\xCE\xBB\xC9\xB1\xA1\xBF",
                              "【定位杀】"},
                      GbkCase{"BadByteIsReplacedAndDecodingGoesOn",
                              "a\xFF"
                              "b\xC4\xE3",
                              "a\xEF\xBF\xBD"
                              "b你"},
                      GbkCase{"CutOffAtTheEnd", "ab\xC4", "ab\xEF\xBF\xBD"},
                      GbkCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<GbkCase>& info) { return info.param.name; });

TEST(DecodeGbk, LongInputCrossesTheBufferBoundary) {
  std::string gbk, utf8;
  for (int i = 0; i < 5000; ++i) {
    gbk += "\xC4\xE3x";
    utf8 += "你x";
  }
  EXPECT_EQ(DecodeGbkText(gbk), utf8);
}

}  // namespace
}  // namespace torvane
