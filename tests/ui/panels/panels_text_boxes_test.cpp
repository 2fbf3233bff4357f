// Leaving the condition text boxes: the "条件提示" question, canonical 杀直选 lists, pastes.
#include <QClipboard>
#include <QFocusEvent>
#include <QKeySequence>

#include "support/panels_fixture.h"
#include "widgets/box_text.h"
#include "widgets/hinted_text_edit.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::FromEngineText;
using widgets::HintedTextEdit;
using widgets::LightYellowColor;

namespace {

class TextBoxes : public PanelsTest {
 protected:
  void SetUp() override { showActive(); }

  HintedTextEdit* box(int i) { return static_cast<HintedTextEdit*>(pages.composeBox(i)); }

  // Types into box i, lines separated by Return, then moves the focus to box 2.
  void typeAndLeave(int i, const QString& text) {
    box(i)->setFocus();
    const QStringList lines = text.split(QChar('\n'));
    for (int k = 0; k < lines.size(); ++k) {
      if (k > 0) QTest::keyClick(box(i), Qt::Key_Return);
      QTest::keyClicks(box(i), lines[k]);
    }
    box(2)->setFocus();
    QApplication::processEvents();
  }
};

TEST_F(TextBoxes, ValidTextIsNormalizedSilently) {
  typeAndLeave(1, QStringLiteral("89  98"));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(box(1)->text(), QStringLiteral("89 98"));
}

TEST_F(TextBoxes, YesDropsTheBadTokens) {
  dialogs.answers = {true};
  typeAndLeave(1, QStringLiteral("89 123 5x"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "question");
  EXPECT_EQ(dialogs.calls[0].title, "条件提示");
  // Box 1 has no hint: the text ends with the second line.
  EXPECT_EQ(dialogs.calls[0].text,
            "输入的内容不符合格式要求！是否自动清空？\n\n点【是】自动清空，点【否】返回修改");
  EXPECT_EQ(box(1)->text(), QStringLiteral("89"));
  EXPECT_TRUE(box(2)->hasFocus());
}

TEST_F(TextBoxes, NoKeepsTheTextAndTheFocus) {
  dialogs.answers = {false};
  typeAndLeave(3, QStringLiteral("12"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_TRUE(
      dialogs.calls[0].text.endsWith(QStringLiteral("\n\n") + FromEngineText(kKillFourHint)));
  EXPECT_EQ(box(3)->text(), QStringLiteral("12"));
  EXPECT_TRUE(box(3)->hasFocus());
}

TEST_F(TextBoxes, SwitchingToAnotherWindowAsksNothing) {
  box(1)->setFocus();
  QTest::keyClicks(box(1), QStringLiteral("5x"));
  QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(box(1), &away);
  host.hide();
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(box(1)->text(), QStringLiteral("5x"));
}

TEST_F(TextBoxes, CompoundBoxAsksWithItsHint) {
  dialogs.answers = {true};
  typeAndLeave(0, QStringLiteral("17*235*12*789*01\n1*2*3"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_TRUE(dialogs.calls[0].text.endsWith(FromEngineText(kCompoundHint)));
  EXPECT_EQ(gathered().compound.text, "17*235*12*789*01");
  EXPECT_EQ(run().results.count(), 100000 - 72);
}

TEST_F(TextBoxes, ComposeBoxesShowHintsAndClearOnDoubleClick) {
  EXPECT_TRUE(box(0)->showsHint());
  EXPECT_TRUE(box(7)->showsHint());
  EXPECT_TRUE(box(3)->showsHint());
  EXPECT_FALSE(box(1)->showsHint());
  EXPECT_EQ(gathered().combinations, CombinationState{});
  typeAndLeave(6, QStringLiteral("2406"));
  QTest::mouseDClick(box(6)->viewport(), Qt::LeftButton);
  EXPECT_EQ(box(6)->text(), QString());
}

TEST_F(TextBoxes, SelectedComposeBoxIsTheOnlyEnabledOne) {
  typeAndLeave(2, QStringLiteral("999"));
  pages.selectComposeBox(5);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(box(i)->isEnabled(), i == 5) << i;
  EXPECT_EQ(box(5)->palette().color(QPalette::Base), LightYellowColor());
  EXPECT_EQ(gathered().combinations.texts[1], "999");
}

TEST_F(TextBoxes, DirectKillBoxKeepsACanonicalList) {
  auto* dan5 = find<HintedTextEdit>("txtDan5");
  EXPECT_TRUE(dan5->showsHint());
  dan5->setFocus();
  QTest::keyClicks(dan5, QStringLiteral("58920,12345 1 58920"));
  box(2)->setFocus();
  EXPECT_EQ(dan5->text(), QStringLiteral("12345 58920"));
  EXPECT_EQ(KeysOf(run(TableOf({12345, 22222, 58920})).results), std::vector<int>{22222});
}

TEST_F(TextBoxes, PasteIntoDirectKillMergesAtTheCursor) {
  auto* dan5 = find<HintedTextEdit>("txtDan5");
  dan5->setFocus();
  QTest::keyClicks(dan5, QStringLiteral("33333 "));
  QApplication::clipboard()->setText(QStringLiteral("11111；22222"));
  QTest::keySequence(dan5, QKeySequence::Paste);
  EXPECT_EQ(dan5->text(), QStringLiteral("11111 22222 33333"));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("11111；22222"));
}

}  // namespace
}  // namespace torvane::ui
