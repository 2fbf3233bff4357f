#include "core/number_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/number_text.h"

namespace torvane {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
};

class DecodeNumberFileTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeNumberFileTest, KeepsNumbersAndSeparators) {
  std::string text = DecodeNumberFileBytes(GetParam().bytes);
  EXPECT_EQ(ParseNumberText(text, ParseMode::List).text, "00001 12345 54321");
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, DecodeNumberFileTest,
    ::testing::Values(DecodeCase{"Utf8",
                                 "12345\xEF\xBC\x8C"
                                 "54321 00001"},
                      DecodeCase{"Utf8Bom",
                                 "\xEF\xBB\xBF"
                                 "12345,54321\r\n00001"},
                      DecodeCase{"Utf16LeBom", std::string("\xFF\xFE"
                                                           "1\0"
                                                           "2\0"
                                                           "3\0"
                                                           "4\0"
                                                           "5\0"
                                                           ",\0"
                                                           "5\0"
                                                           "4\0"
                                                           "3\0"
                                                           "2\0"
                                                           "1\0"
                                                           " \0"
                                                           "0\0"
                                                           "0\0"
                                                           "0\0"
                                                           "0\0"
                                                           "1\0",
                                                           36)},
                      DecodeCase{"Utf16BeBom", std::string("\xFE\xFF"
                                                           "\0"
                                                           "1\0"
                                                           "2\0"
                                                           "3\0"
                                                           "4\0"
                                                           "5\0"
                                                           "|"
                                                           "\0"
                                                           "5\0"
                                                           "4\0"
                                                           "3\0"
                                                           "2\0"
                                                           "1\0"
                                                           "\n\0"
                                                           "0\0"
                                                           "0"
                                                           "\0"
                                                           "0\0"
                                                           "0\0"
                                                           "1",
                                                           36)},
                      // GBK: 号码 then the full-width comma and semicolon as separators.
                      DecodeCase{"Gbk",
                                 "\xBA\xC5\xC2\xEB 12345\xA3\xAC"
                                 "54321\xA3\xBB"
                                 "00001\xA1\xA2"},
                      // A GBK trail byte in the ASCII range must not leak into a token.
                      DecodeCase{"GbkTrailBytes",
                                 "\x81\x40 12345 \x81\x40\xA3\xAC"
                                 "54321 00001"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumberFile, RefusesMissingAndDirectories) {
  EXPECT_FALSE(ReadNumberFile("/nonexistent/torvane.txt").ok);
  EXPECT_FALSE(ReadNumberFile(std::filesystem::temp_directory_path().string()).ok);
  std::string path = (std::filesystem::temp_directory_path() / "torvane_read_test.txt").string();
  std::ofstream(path) << "12345 54321";
  FileReadResult r = ReadNumberFile(path);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.text, "12345 54321");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace torvane
