// A paste or import that leaves pieces out says how many, beside the count it changed.
#include <QClipboard>
#include <QGuiApplication>
#include <ostream>

#include "support/main_window_fixture.h"
#include "ui/basesets/set_ops_page.h"

namespace torvane::ui {
namespace {

enum class Box { Base, A, B };
enum class Way { Paste, Import };

struct DroppedCase {
  const char* name;
  Box box;
  Way way;
  const char* text;
  const char* count;
  const char* note;
};

// A failing case prints as its name.
void PrintTo(const DroppedCase& c, std::ostream* os) {
  *os << c.name;
}

class DroppedNoteTest : public MainWindowFixture,
                        public ::testing::WithParamInterface<DroppedCase> {
 protected:
  SetOpsPage* setOps() const { return window->findChild<SetOpsPage*>(QStringLiteral("fraTab(3)")); }
  HintedTextEdit* box(Box b) const {
    return b == Box::Base ? baseBox() : setOps()->box(b == Box::A ? 0 : 1);
  }
  QLabel* note(Box b) const {
    return b == Box::Base ? window->basePage()->droppedLabel()
                          : setOps()->droppedLabel(b == Box::A ? 0 : 1);
  }
  QLabel* counter(Box b) const {
    return b == Box::Base ? window->basePage()->countLabel()
                          : setOps()->countLabel(b == Box::A ? 0 : 1);
  }
  void bring(const DroppedCase& c) {
    const QByteArray bytes = QByteArray(c.text);
    if (c.way == Way::Paste) {
      QGuiApplication::clipboard()->setText(QString::fromUtf8(bytes));
      box(c.box)->paste();
      return;
    }
    dialogs.files.push_back(writeFile(QStringLiteral("号码.txt"), bytes));
    click(c.box == Box::Base ? QStringLiteral("cmdBase(1)")
                             : QStringLiteral("cmdJoin%1").arg(c.box == Box::A ? 7 : 8));
  }
};

TEST_P(DroppedNoteTest, SaysHowManyPiecesWereLeftOut) {
  const DroppedCase& c = GetParam();
  ASSERT_NE(setOps(), nullptr);
  window->show();  // a box that is not on screen is never left
  clickTab(c.box == Box::Base ? 0 : 3);
  bring(c);
  EXPECT_EQ(counter(c.box)->text(), QString::fromUtf8(c.count));
  EXPECT_EQ(note(c.box)->text(), QString::fromUtf8(c.note));
  // Leaving the box as it was filled keeps the note; emptying the box takes it away.
  leave(box(c.box));
  EXPECT_EQ(note(c.box)->text(), QString::fromUtf8(c.note));
  click(c.box == Box::Base ? QStringLiteral("cmdBase(0)")
                           : QStringLiteral("cmdJoin%1").arg(c.box == Box::A ? 0 : 1));
  EXPECT_EQ(note(c.box)->text(), QString());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, DroppedNoteTest, ::testing::Values(
    DroppedCase{"BasePasteWithTwoBadPieces", Box::Base, Way::Paste, "12345 abc 1234 54321", "2",
                "已忽略 2 项非五位数字"},
    DroppedCase{"BaseImportWithThree", Box::Base, Way::Import, "12345\r\n123456\r\n12a45 第3期",
                "1", "已忽略 3 项非五位数字"},
    DroppedCase{"BaseImportAllGood", Box::Base, Way::Import, "12345 54321 12345", "2", ""},
    DroppedCase{"APasteWithOne", Box::A, Way::Paste, "00001，00002 x", "2",
                "已忽略 1 项非五位数字"},
    DroppedCase{"BImportWithTwo", Box::B, Way::Import, "00003 0004 00005 000066", "2",
                "已忽略 2 项非五位数字"},
    DroppedCase{"BPasteAllGood", Box::B, Way::Paste, "00003 00004", "2", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using DroppedNoteEditTest = MainWindowFixture;

TEST_F(DroppedNoteEditTest, AnEditThatLeavesNothingOutClearsTheNote) {
  QGuiApplication::clipboard()->setText(QStringLiteral("12345 abc"));
  baseBox()->paste();
  ASSERT_FALSE(window->basePage()->droppedLabel()->text().isEmpty());
  typeBase(QStringLiteral("12345 54321"));
  EXPECT_EQ(window->basePage()->droppedLabel()->text(), QString());
  typeBase(QStringLiteral("12345 5432"));
  EXPECT_EQ(window->basePage()->droppedLabel()->text(), QStringLiteral("已忽略 1 项非五位数字"));
}

TEST_F(DroppedNoteEditTest, TheNoteNeverWidensThePage) {
  window->show();
  clickTab(3);
  auto* setOps = window->findChild<SetOpsPage*>(QStringLiteral("fraTab(3)"));
  ASSERT_NE(setOps, nullptr);
  const int width = setOps->minimumSizeHint().width();
  QGuiApplication::clipboard()->setText(QStringLiteral("12345 ") + QString(30, QChar('x')) +
                                        QStringLiteral(" y z w v u t s r q p o n m l k"));
  setOps->box(0)->paste();
  ASSERT_FALSE(setOps->droppedLabel(0)->text().isEmpty());
  QApplication::processEvents();
  EXPECT_EQ(setOps->minimumSizeHint().width(), width);
}

}  // namespace
}  // namespace torvane::ui
