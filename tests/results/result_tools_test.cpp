// 条件统计 and 随机选号 on the result panel: both open modeless windows that tests find by
// their objectNames, and both copy through the copy path.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "core/number_text.h"
#include "results/condition_stats.h"
#include "results/condition_stats_window.h"
#include "results/random_pick_window.h"
#include "results/result_panel.h"
#include "support/fake_dialogs.h"
#include "widgets/clipboard.h"

namespace torvane::results {

using widgets::FakeDialogs;
using widgets::ReadClipboardText;

namespace {

DigitTable Keys(int from, int to) {
  DigitTable t;
  for (int k = from; k < to; ++k) t.appendKey(k);
  return t;
}

ConditionStats ThreeConditions() {
  ConditionStats s;
  s.candidates = 100000;
  s.kills = {{QStringLiteral("直接杀号"), 3},
             {QStringLiteral("胆码第1行"), 40951},
             {QStringLiteral("和值"), 12500}};
  s.killSumCounts = {52000, 40000, 7999, 1};
  return s;
}

class ResultToolsTest : public testing::Test {
 protected:
  void SetUp() override { panel.rebuildPages(); }

  template <class T>
  T* find(const char* name) {
    return panel.findChild<T*>(QString::fromLatin1(name));
  }
  QPushButton* button(const char* name) {
    QPushButton* b = find<QPushButton>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  QString cell(QTableWidget* t, int row, int column) {
    QTableWidgetItem* item = t->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
  }

  FakeDialogs dialogs;
  ResultPanel panel{dialogs};
};

TEST(ConditionStatsText, BothTablesTabSeparated) {
  EXPECT_EQ(ConditionStatsText(ThreeConditions()),
            QStringLiteral("条件\t杀号注数\r\n"
                           "直接杀号\t3\r\n胆码第1行\t40951\r\n和值\t12500\r\n"
                           "\r\n"
                           "容错\t注数\t容错0至此合计\r\n"
                           "错 0 个条件\t52000\t52000\r\n"
                           "错 1 个条件\t40000\t92000\r\n"
                           "错 2 个条件\t7999\t99999\r\n"
                           "错 3 个条件\t1\t100000"));
}

TEST(ConditionStatsText, NoConditionKeepsEveryCandidateAtZero) {
  ConditionStats s;
  s.candidates = 7;
  s.killSumCounts = {7};
  const std::vector<ToleranceRow> rows = ToleranceRows(s);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].label, QStringLiteral("错 0 个条件"));
  EXPECT_EQ(rows[0].upTo, 7);
}

TEST_F(ResultToolsTest, StatsWaitForTheFirstRun) {
  EXPECT_FALSE(button("cmdStats")->isEnabled());
  panel.setConditionStats(ThreeConditions());
  EXPECT_TRUE(button("cmdStats")->isEnabled());
  // Both stay on the count rows the panel keeps without results.
  EXPECT_LT(button("cmdStats")->geometry().bottom(), find<QLabel>("lblCopyTip")->y());
  EXPECT_LT(button("cmdRandomPick")->geometry().bottom(), find<QLabel>("lblCopyTip")->y());
}

TEST_F(ResultToolsTest, StatsWindowShowsBothTablesAndCopiesThem) {
  panel.setConditionStats(ThreeConditions());
  button("cmdStats")->click();
  auto* window = find<ConditionStatsWindow>("frmConditionStats");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);

  QTableWidget* kills = window->killTable();
  ASSERT_EQ(kills->rowCount(), 3);
  EXPECT_EQ(cell(kills, 1, 0), QStringLiteral("胆码第1行"));
  EXPECT_EQ(cell(kills, 1, 1), QStringLiteral("40951"));
  QTableWidget* tolerance = window->toleranceTable();
  ASSERT_EQ(tolerance->rowCount(), 4);
  EXPECT_EQ(cell(tolerance, 3, 0), QStringLiteral("错 3 个条件"));
  EXPECT_EQ(cell(tolerance, 2, 1), QStringLiteral("7999"));
  EXPECT_EQ(cell(tolerance, 2, 2), QStringLiteral("99999"));

  window->findChild<QPushButton*>(QStringLiteral("cmdCopyStats"))->click();
  EXPECT_EQ(ReadClipboardText(), ConditionStatsText(ThreeConditions()));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("copyNotice"));
}

// An open window follows the next run; pressing the button again reuses it.
TEST_F(ResultToolsTest, OpenStatsWindowFollowsTheNextRun) {
  panel.setConditionStats(ThreeConditions());
  button("cmdStats")->click();
  ConditionStats next;
  next.candidates = 50;
  next.kills = {{QStringLiteral("和值"), 9}};
  next.killSumCounts = {41, 9};
  panel.setConditionStats(next);
  auto* window = find<ConditionStatsWindow>("frmConditionStats");
  EXPECT_EQ(window->killTable()->rowCount(), 1);
  EXPECT_EQ(window->toleranceTable()->rowCount(), 2);
  button("cmdStats")->click();
  EXPECT_EQ(panel.findChildren<ConditionStatsWindow*>().size(), 1);
}

TEST_F(ResultToolsTest, RandomPickNeedsResults) {
  button("cmdRandomPick")->click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("结果注数为 0，请先进行过滤！"));
  EXPECT_EQ(find<RandomPickWindow>("frmRandomPick"), nullptr);
}

TEST_F(ResultToolsTest, RandomPickDrawsDistinctResultsAndCopiesThem) {
  const DigitTable results = Keys(100, 160);
  panel.setResults(results);
  button("cmdRandomPick")->click();
  auto* window = find<RandomPickWindow>("frmRandomPick");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  auto* count = window->findChild<QSpinBox*>(QStringLiteral("spnPickCount"));
  EXPECT_EQ(count->minimum(), 1);
  EXPECT_EQ(count->maximum(), 60);
  EXPECT_EQ(window->picked().count(), RandomPickWindow::kDefaultCount);

  count->setValue(12);
  window->findChild<QPushButton*>(QStringLiteral("cmdPickAgain"))->click();
  const DigitTable picked = window->picked();
  ASSERT_EQ(picked.count(), 12);
  for (int i = 0; i < picked.count(); ++i) {
    EXPECT_GE(picked.key(i), 100);
    EXPECT_LT(picked.key(i), 160);
    if (i > 0) {
      EXPECT_LT(picked.key(i - 1), picked.key(i));
    }
  }
  const QString shown =
      window->findChild<QPlainTextEdit*>(QStringLiteral("txtPicked"))->toPlainText();
  EXPECT_EQ(shown.count(QLatin1Char('\n')), 2);  // five to a line

  window->findChild<QPushButton*>(QStringLiteral("cmdCopyPicked"))->click();
  EXPECT_EQ(ParseNumberText(ReadClipboardText().toStdString(), ParseMode::List).table, picked);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("copyNotice"));

  count->setValue(60);  // all of them
  window->findChild<QPushButton*>(QStringLiteral("cmdPickAgain"))->click();
  EXPECT_EQ(window->picked(), results);
}

// New results while the window is open: the pick comes from them at once, and the count
// box keeps the player's choice as far as the new count allows.
TEST_F(ResultToolsTest, OpenPickWindowDrawsFromNewResults) {
  panel.setResults(Keys(0, 100));
  button("cmdRandomPick")->click();
  auto* window = find<RandomPickWindow>("frmRandomPick");
  auto* count = window->findChild<QSpinBox*>(QStringLiteral("spnPickCount"));
  count->setValue(8);
  panel.setResults(Keys(500, 503));
  EXPECT_EQ(count->maximum(), 3);
  EXPECT_EQ(window->picked(), Keys(500, 503));
  panel.setResults(Keys(900, 1000));
  EXPECT_EQ(count->value(), 8);
  ASSERT_EQ(window->picked().count(), 8);
  EXPECT_GE(window->picked().key(0), 900);
  panel.setResults(DigitTable());
  EXPECT_TRUE(window->picked().empty());
  EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("cmdCopyPicked"))->isEnabled());
}

}  // namespace
}  // namespace torvane::results
