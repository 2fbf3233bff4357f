// The window over a store another program writes meanwhile (a second connection stands for
// torvane-cli): the pages and the run follow it, a question never overwrites a change it did
// not show, a removed store is never written into the void, a read-only one is read.

#include <QDateEdit>
#include <QLabel>
#include <filesystem>

#include "support/every_panel_set.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/analysis/trend_page.h"
#include "ui/panels/relative_panel.h"

namespace torvane::ui {
namespace {

namespace fs = std::filesystem;
using history::Draw;
using store::HistoryStore;

class HistoryFollowTest : public HistoryFixture {
 protected:
  // A fresh window over a fresh store holding draws.
  void restart(const std::vector<Draw>& draws) {
    window = std::make_unique<MainWindow>(dialogs);
    fs::remove_all(fs::path(dbPath.toStdString()).parent_path());
    showHistory();
    if (!draws.empty()) importDraws(draws);
    dialogs.reset();
  }
  // The other program: its own connection, closed after each change, as a command's is.
  HistoryStore other() const {
    return HistoryStore(dbPath.toStdString(), store::OpenMode::ReadWrite);
  }
  void activate() {
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &e);
  }
  QString reference() const { return window->relativePanel()->referenceLabel()->text(); }
  void add(const char* period, const char* number) {
    page()->periodBox()->setText(QString::fromLatin1(period));
    page()->dateBox()->setDate(QDate(2026, 9, 12));
    page()->numberBox()->setText(QString::fromLatin1(number));
    page()->addDraw();
  }
  static Draw At(const char* period, const char* number, const char* date = "2026-09-12") {
    return Draw{period, date, *history::DigitsFromText(number)};
  }
};

TEST_F(HistoryFollowTest, PagesAndTheRunFollowWhatAnotherProgramWrote) {
  const std::vector<Draw> h = testing::GeneratedHistory(60, 3),
                          more = testing::GeneratedHistory(64, 3);
  const struct {
    const char* change;
    std::function<void(HistoryStore&&)> act;
    std::vector<Draw> after;
  } changes[] = {
      {"adds", [&](HistoryStore&& s) { s.Add(more[60]); }, {more.begin(), more.begin() + 61}},
      {"deletes the newest",
       [&](HistoryStore&& s) { s.Delete(std::vector<std::string>{h.back().period}); },
       {h.begin(), h.end() - 1}},
  };
  // How the window comes to look; the run alone must still read the new reference.
  const std::pair<const char*, std::function<void()>> triggers[] = {
      {"window activated", [this] { activate(); }},
      {"page shown", [this] { clickTab(kRelativeTab); }},
      {"nothing before the run", nullptr}};
  Conditions c;
  c.tolerance = {"0", "1"};
  c.relative = support::EveryRelativeRow();
  for (const auto& change : changes) {
    for (const auto& [how, trigger] : triggers) {
      SCOPED_TRACE(std::string(change.change) + ", " + how);
      restart(h);
      window->applyConditions(c);
      clickTab(kTrendTab);
      change.act(other());
      const Draw& last = change.after.back();
      const QString shown =
          QStringLiteral("参照第 %1 期：%2")
              .arg(QString::fromStdString(last.period), QString::fromStdString(last.NumberText()));
      if (trigger) {
        trigger();
        EXPECT_EQ(reference(), shown);
        EXPECT_EQ(window->findChild<TrendPage*>()->view()->chart().rows.back().period,
                  QString::fromStdString(last.period));
      }
      pressRun(0);
      DigitTable table;
      table.appendRow(last.digits.data());
      EXPECT_EQ(resultCount(), RunFilters({}, c, table).results.count());
      EXPECT_EQ(reference(), shown);
      EXPECT_EQ(model()->rowCount(), static_cast<int>(change.after.size()));
    }
  }
  // A store made under the window, even one it first saw as an empty file, is shown.
  restart({});
  QDir().mkpath(QFileInfo(dbPath).path());
  writeFile(QStringLiteral("store/history.db"), {});
  activate();
  other().Import(h);
  activate();
  EXPECT_EQ(model()->rowCount(), 60);
}

TEST_F(HistoryFollowTest, TheQuestionShowsThePresentValueAndAsksAgainWhenItChanged) {
  const struct {
    const char* before;     // stored when 添加 is pressed, unseen by the window
    const char* meanwhile;  // written by the other program during the first question
    std::deque<bool> answers;
    QString asked;  // the stored number each question names
    const char* after;
  } cases[] = {
      {"76425", "11111", {true, true}, "76425 11111", "22222"},
      {"76425", "11111", {true, false}, "76425 11111", "11111"},
      {"11111", "", {true}, "11111", "22222"},
      {"76425", "22222", {true}, "76425", "22222"},  // changed to what was typed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked.toStdString() + " " + c.after);
    restart({At("2026254", "12345", "2026-09-11"), At("2026255", "76425")});
    other().Add(At("2026255", c.before), true);
    bool written = !*c.meanwhile;
    dialogs.whileAsking = [&] {
      if (!std::exchange(written, true)) other().Add(At("2026255", c.meanwhile), true);
    };
    dialogs.answers = c.answers;
    add("2026255", "22222");
    dialogs.whileAsking = nullptr;
    QStringList asked;
    for (const auto& call : dialogs.calls)  // "历史库中已有第 2026255 期：76425（…"
      if (call.kind == QStringLiteral("question"))
        asked << call.text.section(QChar(0xFF1A), 1).left(5);
    EXPECT_EQ(asked.join(' '), c.asked);
    EXPECT_EQ(other().Find("2026255")->NumberText(), c.after);
    EXPECT_EQ(model()->draw(0).NumberText(), c.after);
  }
}

TEST_F(HistoryFollowTest, DeletingWhatAnotherProgramDeletedIsSaidPlainly) {
  restart(Draws({{"2024001", "11111"}, {"2024002", "22222"}, {"2024003", "33333"}}));
  page()->drawView()->selectAll();
  other().Delete(std::vector<std::string>{"2024002"});
  page()->deleteSelected();
  EXPECT_TRUE(dialogs.lastText().startsWith(QStringLiteral("第 2024002 期已不在历史库中")));
  EXPECT_TRUE(stored().empty());
}

TEST_F(HistoryFollowTest, ARemovedStoreIsSaidAndRemadeOnlyAfterThePlayerWasTold) {
  for (bool noticed : {true, false}) {
    SCOPED_TRACE(noticed ? "noticed on activation" : "removed right before the add");
    restart(Draws({{"2024001", "11111"}, {"2024002", "22222"}}));
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(dbPath.toStdString() + suffix);
    if (noticed) {
      activate();
      EXPECT_EQ(model()->rowCount(), 0);
      EXPECT_TRUE(page()->noticeLabel()->text().contains(QStringLiteral("已被删除或移走")));
    }
    add("2024003", "33333");
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("没有写入")))
        << dialogs.lastText().toStdString();
    EXPECT_FALSE(storeExists());
    // Told once, the next add makes a new store where the player can find it.
    page()->addDraw();
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(stored(), std::vector<Draw>{At("2024003", "33333")});
  }
}

TEST_F(HistoryFollowTest, AReadOnlyStoreIsReadAndWritesSayWhy) {
  restart(Draws({{"2024001", "11111"}, {"2024002", "22222"}}));
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
  EXPECT_TRUE(page()->noticeLabel()->text().contains(QStringLiteral("只读")));
  add("2024003", "33333");
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("文件夹")))
      << dialogs.lastText().toStdString();
  EXPECT_EQ(stored().size(), 2u);
}

}  // namespace
}  // namespace torvane::ui
