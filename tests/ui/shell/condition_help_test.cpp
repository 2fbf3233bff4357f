#include "ui/shell/condition_help.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "help/help_document.h"
#include "support/fake_dialogs.h"
#include "support/help_button_name.h"
#include "ui/shell/help_picture_window.h"

namespace torvane::ui {

using widgets::DialogCall;
using widgets::FakeDialogs;
namespace {

class ConditionHelpTest : public ::testing::Test {
 protected:
  void SetUp() override { help.load(); }

  FakeDialogs dialogs;
  QWidget window;
  ConditionHelp help{dialogs, &window};
};

class HelpTextButtonTest : public ConditionHelpTest, public ::testing::WithParamInterface<int> {};

TEST_P(HelpTextButtonTest, ShowsItsBlockInAPlainBox) {
  int index = GetParam();
  help.showConditionHelp(index);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const DialogCall& call = dialogs.calls[0];
  EXPECT_EQ(call.kind, "plain");
  EXPECT_EQ(call.title, QStringLiteral("温馨提示"));
  QString key = QString::fromUtf8(HelpKeyForIndex(index).data(),
                                  static_cast<qsizetype>(HelpKeyForIndex(index).size()));
  EXPECT_TRUE(call.text.startsWith(QStringLiteral("[*") + key + QStringLiteral("*]\n\n")))
      << call.text.left(40).toStdString();
  EXPECT_FALSE(call.text.contains('\r'));
  EXPECT_EQ(call.text.count(QStringLiteral("[*")), 1);
  EXPECT_EQ(help.pictureWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryTextButton, HelpTextButtonTest,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21, 22, 23),
                         support::HelpButtonName);

TEST_F(ConditionHelpTest, BankerButtonOpensThePictureWithoutAMessage) {
  help.showConditionHelp(6);
  EXPECT_TRUE(dialogs.calls.empty());
  HelpPictureWindow* w = help.pictureWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isModal());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("胆组说明界面"));
  ASSERT_FALSE(w->picture().isNull());
  EXPECT_EQ(w->size(), w->picture().size());
  EXPECT_EQ(w->minimumSize(), w->maximumSize());  // fixed
  // A second press brings up the same window.
  help.showConditionHelp(6);
  EXPECT_EQ(help.pictureWindow(), w);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ConditionHelpTest, IndexesOutsideTheTableDoNothing) {
  for (int index : {24, 25, 100, -1}) help.showConditionHelp(index);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(help.pictureWindow(), nullptr);
}

TEST_F(ConditionHelpTest, AKeyWithoutABlockSaysSo) {
  help.showHelpText(QStringLiteral("不存在的说明"));
  help.showHelpText(QString());
  ASSERT_EQ(dialogs.calls.size(), 2u);
  for (const DialogCall& call : dialogs.calls) {
    EXPECT_EQ(call.kind, "plain");
    EXPECT_EQ(call.title, QStringLiteral("温馨提示"));
    EXPECT_EQ(call.text, QStringLiteral("没有找到此说明数据"));
  }
}

TEST(HelpPictureWindow, UndecodablePictureLeavesTheWindowEmpty) {
  HelpPictureWindow w(QByteArray("not a jpeg"));
  EXPECT_TRUE(w.picture().isNull());
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_FALSE(w.size().isEmpty());
}

}  // namespace
}  // namespace torvane::ui
