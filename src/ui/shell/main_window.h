#pragma once
// The one window: tab bar, the pages, the special-exclusion frame, the result frame with the
// run panel, and the scheme menu. It owns BaseSet and the results, and hosts the pages: each
// page wires itself to the window through a PageHost.

#include <QMainWindow>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/filter_run.h"
#include "ui/shell/recent_schemes.h"
#include "ui/shell/run_panel.h"

class QAction;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTimer;

namespace torvane::widgets {
class Dialogs;
}
namespace torvane::results {
class ResultPanel;
}

namespace torvane::ui {

using results::ResultPanel;
using widgets::Dialogs;

class BacktestPage;
class BasePage;
class ConditionHelp;
class ConditionPages;
class DrawStore;
class FlashFrame;
class HistoryPage;
class RelativePage;
class RelativePanel;
class SetOpsPage;
class TabBar;
class WindowHost;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  TabBar* tabBar() const { return tabs_; }
  BasePage* basePage() const { return basePage_; }
  RunPanel* runPanel() const { return runPanel_; }
  ResultPanel* resultPanel() const { return resultPanel_; }
  ConditionPages* conditionPages() const { return conditionPages_; }
  HistoryPage* historyPage() const { return historyPage_; }
  BacktestPage* backtestPage() const { return backtestPage_; }
  DrawStore* drawStore() const { return drawStore_; }
  RelativePanel* relativePanel() const;
  QWidget* currentPage() const;
  QTimer* flashTimer() const { return flashTimer_; }
  FlashFrame* flashFrame() const { return flash_; }
  int flashCount() const { return flashCount_; }
  int currentComposeBox() const { return composeIndex_; }

  const DigitTable& baseSet() const { return baseSet_; }
  const DigitTable& results() const;  // held by the result panel

  // Every condition the window shows, fault tolerance included.
  Conditions gatherConditions() const;
  void applyConditions(const Conditions& c);
  // What 开始缩水 and the back-test run with: every condition, the tolerance checked.
  // Throws RunError as the run does.
  Conditions runConditions() const;

  // The scheme menu's work once a file is chosen; false after a message. A scheme loaded or
  // saved goes to the front of the recent schemes.
  bool loadScheme(const QString& path);
  bool saveScheme(const QString& path);
  // A recent scheme chosen from the menu; a file that is gone is dropped with a note.
  bool openRecentScheme(const QString& path);
  const RecentSchemes& recentSchemes() const { return recent_; }

 public slots:
  void selectTab(int index);
  void flashTick();
  void performRunAction(torvane::ui::RunAction action);
  void startupStep();  // the one-shot step shortly after the window is shown

 signals:
  // The player confirmed the exit question; the application should end.
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  friend class WindowHost;

  void buildLayout();
  void buildPages();
  void buildSchemeMenu();
  void watchConditions();
  void showRunFailure();  // inside a catch block: the message of a failed run action
  void chooseAndLoadScheme();
  void chooseAndSaveScheme();
  void showRecentSchemes();
  void placeWindow();
  void fitPageArea();

  void runFilters();
  // The tolerance boxes as a run read them.
  void showToleranceRead(ToleranceRange tolerance);
  void convertToGroup();
  void clearAllConditions();
  void handOverResults(bool exportThem);
  bool checkResultCount();
  void showResults(DigitTable results);

  Dialogs& dialogs_;
  WindowHost* host_ = nullptr;
  RecentSchemes recent_;
  QMenu* schemeMenu_ = nullptr;
  QAction* recentEnd_ = nullptr;  // the separator after the recent schemes
  QList<QAction*> recentActions_;
  DigitTable baseSet_;

  TabBar* tabs_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QScrollArea* pageArea_ = nullptr;
  // The pages in the stack, by fraTab index: 0..4, then the history, back-test, trend,
  // statistics, relative-condition and merge pages.
  static constexpr int kStackedPages = 11;
  QWidget* stackedPages_[kStackedPages] = {};
  BasePage* basePage_ = nullptr;
  ConditionPages* conditionPages_ = nullptr;
  SetOpsPage* setOps_ = nullptr;
  DrawStore* drawStore_ = nullptr;
  HistoryPage* historyPage_ = nullptr;
  BacktestPage* backtestPage_ = nullptr;
  RelativePage* relativePage_ = nullptr;
  ResultPanel* resultPanel_ = nullptr;
  RunPanel* runPanel_ = nullptr;
  ConditionHelp* help_ = nullptr;
  FlashFrame* flash_ = nullptr;
  QTimer* flashTimer_ = nullptr;
  int flashCount_ = 0;
  int composeIndex_ = 0;
};

}  // namespace torvane::ui
