// The window over a store another program writes at the same time (a second connection in the
// test stands for torvane-cli): every page follows it before the next action uses the draws,
// a question never overwrites a change it did not show, and a store removed under the window
// is never written into the void.

#include <QApplication>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <filesystem>
#include <functional>

#include "run/filter_run.h"
#include "support/every_panel_set.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/analysis/trend_page.h"
#include "ui/panels/relative_panel.h"

namespace torvane::ui {
namespace {

using history::Draw;
using store::HistoryStore;
using store::OpenMode;
using testing::GeneratedHistory;

class HistoryFollowTest : public HistoryFixture {
 protected:
  // The other program: its own connection, closed after each change, as a command's is.
  HistoryStore other() const { return HistoryStore(dbPath.toStdString(), OpenMode::ReadWrite); }
  void activate() {
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &e);
  }
  QString reference() const { return window->relativePanel()->referenceLabel()->text(); }
  static QString ReferenceText(const Draw& d) {
    return QStringLiteral("参照第 %1 期：%2")
        .arg(QString::fromStdString(d.period), QString::fromStdString(d.NumberText()));
  }
  void typeDraw(const char* period, const char* number) {
    page()->periodBox()->setText(QString::fromLatin1(period));
    page()->dateBox()->setDate(QDate(2026, 9, 12));
    page()->numberBox()->setText(QString::fromLatin1(number));
  }
  static Draw At(const char* period, const char* number, const char* date = "2026-09-12") {
    return Draw{period, date, *history::DigitsFromText(number)};
  }
};

// What another program does to a 60-draw store, and how the window comes to look at it.
TEST_F(HistoryFollowTest, EveryPageAndTheRunFollowAnotherProgramsChanges) {
  const std::vector<Draw> h = GeneratedHistory(60, 3), more = GeneratedHistory(64, 3);
  const struct {
    const char* change;
    std::function<void(HistoryStore&)> act;
    std::vector<Draw> after;
  } changes[] = {
      {"adds", [&](HistoryStore& s) { s.Add(more[60]); },
       std::vector<Draw>(more.begin(), more.begin() + 61)},
      {"deletes the newest",
       [&](HistoryStore& s) {
         std::vector<std::string> p = {h.back().period};
         s.Delete(p);
       },
       std::vector<Draw>(h.begin(), h.end() - 1)},
      {"imports", [&](HistoryStore& s) { s.Import(more); }, more},
  };
  const struct {
    const char* how;
    bool showsBeforeTheRun;  // the pages show it before 开始缩水 is pressed
    std::function<void()> trigger;
  } triggers[] = {
      {"window activated", true, [this] { activate(); }},
      {"page shown", true, [this] { clickTab(kRelativeTab); }},
      {"nothing before the run", false, [] {}},
  };
  Conditions c;
  c.tolerance = {"0", "1"};
  c.relative = support::EveryRelativeRow();
  for (const auto& change : changes) {
    for (const auto& trigger : triggers) {
      SCOPED_TRACE(std::string(change.change) + ", " + trigger.how);
      window = std::make_unique<MainWindow>(dialogs);
      std::filesystem::remove_all(std::filesystem::path(dbPath.toStdString()).parent_path());
      showHistory();
      importDraws(h);
      window->applyConditions(c);
      clickTab(kTrendTab);
      EXPECT_EQ(reference(), ReferenceText(h.back()));
      dialogs.reset();

      {
        HistoryStore s = other();
        change.act(s);
      }
      trigger.trigger();
      const Draw& newest = change.after.back();
      if (trigger.showsBeforeTheRun) {
        EXPECT_EQ(model()->rowCount(), static_cast<int>(change.after.size()));
        EXPECT_EQ(reference(), ReferenceText(newest));
        const TrendChart& chart = window->findChild<TrendPage*>()->view()->chart();
        EXPECT_EQ(chart.historySize, static_cast<int>(change.after.size()));
        EXPECT_EQ(chart.rows.back().period, QString::fromStdString(newest.period));
      }
      pressRun(0);
      DigitTable table;
      table.appendRow(newest.digits.data());
      EXPECT_EQ(resultCount(), RunFilters({}, c, table).results.count());
      // Whatever told the window, the pages show it after the run.
      EXPECT_EQ(reference(), ReferenceText(newest));
      EXPECT_EQ(model()->rowCount(), static_cast<int>(change.after.size()));
    }
  }
}

// Another program replaces the period between the window's read and the player's answer.
TEST_F(HistoryFollowTest, TheQuestionShowsThePresentValueAndAsksAgainWhenItChanges) {
  const struct {
    const char* name;
    const char* before;                  // stored when 添加 is pressed; "" for none
    std::vector<const char*> meanwhile;  // what the other program writes during each question
    std::vector<bool> answers;
    std::vector<QString> asked;  // the stored number each question names
    const char* stored;          // afterwards
  } cases[] = {
      {"replaced while asking, yes again",
       "76425",
       {"11111"},
       {true, true},
       {"76425", "11111"},
       "22222"},
      {"replaced while asking, no the second time",
       "76425",
       {"11111"},
       {true, false},
       {"76425", "11111"},
       "11111"},
      {"replaced before 添加: the question reads it fresh",
       "11111",
       {},
       {true},
       {"11111"},
       "22222"},
      {"replaced with what was typed: nothing to ask",
       "76425",
       {"22222"},
       {true},
       {"76425"},
       "22222"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window = std::make_unique<MainWindow>(dialogs);
    std::filesystem::remove_all(std::filesystem::path(dbPath.toStdString()).parent_path());
    showHistory();
    importDraws({At("2026254", "12345", "2026-09-11"), At("2026255", "76425")});
    // Not told to the window: the question must read it itself.
    other().Add(At("2026255", c.before), true);
    dialogs.reset();
    size_t round = 0;
    dialogs.whileAsking = [&] {
      if (round < c.meanwhile.size()) other().Add(At("2026255", c.meanwhile[round]), true);
      ++round;
    };
    dialogs.answers = {c.answers.begin(), c.answers.end()};
    typeDraw("2026255", "22222");
    page()->addDraw();
    dialogs.whileAsking = nullptr;

    std::vector<QString> asked;
    for (const auto& call : dialogs.calls)
      if (call.kind == QStringLiteral("question"))
        asked.push_back(call.text.section(QChar(0xFF1A), 1, 1).left(5));  // after "期："
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(HistoryStore(dbPath.toStdString(), OpenMode::ReadOnly).Find("2026255")->NumberText(),
              c.stored);
    EXPECT_EQ(model()->draw(0).NumberText(), c.stored);
  }
}

TEST_F(HistoryFollowTest, DeletingWhatAnotherProgramDeletedIsSaidPlainly) {
  showHistory();
  importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}, {"2024003", "33333"}}));
  page()->drawView()->selectAll();
  {
    std::vector<std::string> p = {"2024002"};
    other().Delete(p);
  }
  dialogs.reset();
  dialogs.answers = {true};
  page()->deleteSelected();
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("question"));
  EXPECT_EQ(dialogs.lastText(),
            QStringLiteral("第 2024002 期已不在历史库中（已被另一个程序删除），不用再删。"
                           "其余 2 期已删除。"));
  EXPECT_TRUE(stored().empty());
}

// The store's files removed under the window: never "已添加" into a file no one can reach.
TEST_F(HistoryFollowTest, ARemovedStoreIsSaidAndOnlyRemadeAfterThePlayerWasTold) {
  const struct {
    const char* name;
    bool noticed;  // the window was activated after the removal, before the add
  } cases[] = {{"noticed on activation", true}, {"removed right before the add", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window = std::make_unique<MainWindow>(dialogs);
    const std::filesystem::path folder = std::filesystem::path(dbPath.toStdString()).parent_path();
    std::filesystem::remove_all(folder);
    showHistory();
    importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}}));
    for (const char* suffix : {"", "-wal", "-shm"})
      std::filesystem::remove(dbPath.toStdString() + suffix);
    if (c.noticed) {
      activate();
      EXPECT_EQ(model()->rowCount(), 0);
      EXPECT_TRUE(page()->noticeLabel()->text().contains(QStringLiteral("已被删除或移走")))
          << page()->noticeLabel()->text().toStdString();
      clickTab(kRelativeTab);
      EXPECT_TRUE(reference().contains(QStringLiteral("已被删除或移走")));
      clickTab(kHistoryTab);
    }
    dialogs.reset();
    typeDraw("2024003", "33333");
    page()->addDraw();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
    EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("没有写入")))
        << dialogs.lastText().toStdString();
    EXPECT_FALSE(page()->statusLabel()->text().contains(QStringLiteral("已添加")));
    EXPECT_FALSE(storeExists());
    EXPECT_EQ(page()->numberBox()->text(), QStringLiteral("33333"));

    // Told once, the next add makes a new store the player can find.
    dialogs.reset();
    page()->addDraw();
    EXPECT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
    EXPECT_TRUE(page()->statusLabel()->text().contains(QStringLiteral("已添加")));
    EXPECT_EQ(stored(), std::vector<Draw>{At("2024003", "33333")});
    EXPECT_EQ(model()->rowCount(), 1);
  }
}

TEST_F(HistoryFollowTest, AStoreAnotherProgramMakesIsShown) {
  for (bool emptyFileFirst : {false, true}) {
    SCOPED_TRACE(emptyFileFirst ? "seen while still an empty file" : "made at once");
    window = std::make_unique<MainWindow>(dialogs);
    std::filesystem::remove_all(std::filesystem::path(dbPath.toStdString()).parent_path());
    showHistory();
    if (emptyFileFirst) {
      QDir().mkpath(QFileInfo(dbPath).path());
      writeFile(QStringLiteral("store/history.db"), {});
      activate();
      EXPECT_EQ(model()->rowCount(), 0);
    }
    other().Import(GeneratedHistory(5));
    activate();
    EXPECT_EQ(model()->rowCount(), 5);
  }
}

TEST_F(HistoryFollowTest, AReadOnlyStoreIsReadAndWritesSayWhy) {
  namespace fs = std::filesystem;
  showHistory();
  importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}}));
  window = std::make_unique<MainWindow>(dialogs);
  const fs::path folder = fs::path(dbPath.toStdString()).parent_path();
  // No write bit for anyone: read-only even for root.
  fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  struct Restore {
    fs::path folder;
    ~Restore() { fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add); }
  } restore{folder};
  showHistory();
  EXPECT_EQ(model()->rowCount(), 2);
  EXPECT_TRUE(page()->noticeLabel()->text().contains(QStringLiteral("只读")))
      << page()->noticeLabel()->text().toStdString();
  dialogs.reset();
  typeDraw("2024003", "33333");
  page()->addDraw();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("文件夹")))
      << dialogs.lastText().toStdString();
  EXPECT_EQ(stored().size(), 2u);
}

}  // namespace
}  // namespace torvane::ui
