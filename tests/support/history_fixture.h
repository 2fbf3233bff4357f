#pragma once
// The main window over a fresh, temporary draw-history store (TORVANE_DB), with helpers to
// write draw files and to look at the history page.

#include <QByteArray>
#include <QFileInfo>
#include <QTableView>
#include <string>
#include <vector>

#include "history/draw.h"
#include "store/history_store.h"
#include "support/main_window_fixture.h"
#include "ui/draws/draw_table_model.h"
#include "ui/draws/history_page.h"
#include "ui/host/draw_store.h"
#include "ui/shell/tab_bar.h"

namespace torvane::ui {

class HistoryFixture : public MainWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    oldDb_ = qgetenv("TORVANE_DB");
    dbPath = dir.filePath(QStringLiteral("store/history.db"));
    qputenv("TORVANE_DB", dbPath.toUtf8());
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    qputenv("TORVANE_DB", oldDb_);
  }

  HistoryPage* page() const { return window->historyPage(); }
  DrawTableModel* model() const { return page()->drawModel(); }
  void showHistory() {
    window->show();
    clickTab(kHistoryTab);
  }
  bool storeExists() const { return QFileInfo::exists(dbPath); }

  // "period date number" a line, as players keep them.
  QString writeDrawFile(const QString& name, const std::vector<history::Draw>& draws) const {
    QByteArray text = "期号 日期 开奖号码\n";
    for (const history::Draw& d : draws)
      text += QByteArray::fromStdString(d.period + " " + d.date + " " + d.NumberText() + "\n");
    return writeFile(name, text);
  }
  // Imports through the page, as the player does.
  void importDraws(const std::vector<history::Draw>& draws) {
    dialogs.files.push_back(writeDrawFile(QStringLiteral("draws.txt"), draws));
    page()->importFile();
  }
  // The store as another program sees it.
  std::vector<history::Draw> stored() const {
    return store::HistoryStore(dbPath.toStdString(), store::OpenMode::ReadOnly).All();
  }
  // Draws from a list of "period number" pairs, dated from 2024-01-01 on.
  static std::vector<history::Draw> Draws(
      std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<history::Draw> out;
    int day = 1;
    for (const auto& [period, number] : list) {
      history::Draw d;
      d.period = period;
      d.date = QStringLiteral("2024-01-%1").arg(day++, 2, 10, QLatin1Char('0')).toStdString();
      d.digits = *history::DigitsFromText(number);
      out.push_back(d);
    }
    return out;
  }

  QString dbPath;

 private:
  QByteArray oldDb_;
};

}  // namespace torvane::ui
