#include "results/copy_text.h"

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "support/fake_dialogs.h"
#include "widgets/clipboard.h"

namespace torvane::results {

using widgets::FakeDialogs;

using widgets::ReadClipboardText;
using widgets::SetClipboardFailuresForTests;

namespace {

DigitTable Keys(std::initializer_list<int> keys) {
  DigitTable t;
  for (int k : keys) t.appendKey(k);
  return t;
}

struct BuildCase {
  const char* name;
  int first, last, mode;
  const char* text;
};

class BuildCopy : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildCopy, Text) {
  const DigitTable t = Keys({1, 12, 123, 1234, 12345, 23456, 34567, 45678});
  const BuildCase& c = GetParam();
  EXPECT_EQ(BuildCopyResult(t, c.first, c.last, c.mode), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildCopy,
    testing::Values(
        BuildCase{"OneNumber", 4, 4, 5, "12345"},
        BuildCase{"PageFivePerLine", 0, 6, 5, "00001 00012 00123 01234 12345\r\n23456 34567"},
        BuildCase{"AllTenPerLine", 0, 7, 10, "00001 00012 00123 01234 12345 23456 34567 45678"},
        BuildCase{"RangeInTheMiddle", 2, 3, 5, "00123 01234"},
        BuildCase{"LastBeyondTheTable", 0, 8, 5, ""}, BuildCase{"ReversedRange", 3, 2, 5, ""},
        BuildCase{"NegativeFirst", -1, 2, 5, ""}, BuildCase{"UnknownMode", 0, 2, 7, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyText, TenPerLineParsesBackToTheSameRows) {
  const DigitTable all = MakeFullSet();
  const QString text = BuildCopyResult(all, 0, all.count() - 1, kCopyAll);
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9999);
  EXPECT_EQ(ParseNumberText(text.toStdString(), ParseMode::List).table, all);
}

TEST(CopyText, RowNumberTextGivesTheFiveDigits) {
  const DigitTable t = Keys({12345, 908});
  EXPECT_EQ(RowNumberText(t, 0), QStringLiteral("12345"));
  EXPECT_EQ(RowNumberText(t, 1), QStringLiteral("00908"));
  EXPECT_EQ(RowNumberText(t, 2), QString());
}

TEST(CopyText, CopyShowsTheNoticeOnlyOnSuccess) {
  FakeDialogs dialogs;
  EXPECT_TRUE(CopyToClipboard(dialogs, nullptr, QStringLiteral("12345 54321")));
  EXPECT_EQ(ReadClipboardText(), QStringLiteral("12345 54321"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("copyNotice"));

  dialogs.reset();
  SetClipboardFailuresForTests(kClipboardAttempts);
  EXPECT_FALSE(CopyToClipboard(dialogs, nullptr, QStringLiteral("11111")));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("错误提示"));
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("本次复制出现错误，请再次复制！"));
  EXPECT_EQ(ReadClipboardText(), QStringLiteral("12345 54321"));
}

TEST(CopyText, RetriesUntilTheClipboardTakesIt) {
  FakeDialogs dialogs;
  SetClipboardFailuresForTests(kClipboardAttempts - 1);
  EXPECT_TRUE(CopyToClipboardQuietly(dialogs, nullptr, QStringLiteral("22222")));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(ReadClipboardText(), QStringLiteral("22222"));
}

}  // namespace
}  // namespace torvane::results
