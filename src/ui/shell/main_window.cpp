#include "ui/shell/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "results/result_panel.h"
#include "ui/analysis/stats_page.h"
#include "ui/analysis/trend_page.h"
#include "ui/backtest/backtest_page.h"
#include "ui/basesets/base_page.h"
#include "ui/basesets/merge_page.h"
#include "ui/basesets/set_ops_page.h"
#include "ui/draws/history_page.h"
#include "ui/host/draw_store.h"
#include "ui/panels/condition_pages.h"
#include "ui/panels/relative_page.h"
#include "ui/shell/condition_help.h"
#include "ui/shell/flash_frame.h"
#include "ui/shell/tab_bar.h"
#include "ui/shell/window_geometry.h"
#include "ui/shell/window_host.h"
#include "widgets/dialogs.h"
#include "widgets/text_editor_window.h"

namespace torvane::ui {

using results::ResultPanel;
using widgets::Dialogs;

namespace {

constexpr int kFlashIntervalMs = 300;
constexpr int kFlashTicks = 6;
constexpr int kComposeBoxes = 8;
constexpr int kFirstComposeTab = 4;

// What a tab past the compose tabs brings: its page in the stack, and whether the result
// frame and the special-exclusion frame stay beside it.
struct PageTab {
  int tab;
  int page;  // stackedPages_ index, also the N of fraTab(N)
  bool resultFrame;
  bool specialFrame;
};
constexpr PageTab kPageTabs[] = {
    {kHistoryTab, 5, true, false}, {kBacktestTab, 6, true, false}, {kTrendTab, 7, true, false},
    {kStatsTab, 8, true, false},   {kRelativeTab, 9, true, true},  {kMergeTab, 10, false, false},
};

const PageTab* FindPageTab(int tab) {
  for (const PageTab& p : kPageTabs)
    if (p.tab == tab) return &p;
  return nullptr;
}

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("Torvane"));
  setObjectName(QStringLiteral("frmMain"));
  help_ = new ConditionHelp(dialogs_, this);
  host_ = new WindowHost(*this);
  // The store is only opened when a page is shown, so a bad store never stops the window.
  drawStore_ = new DrawStore(this);
  drawStore_->followWindow(this);
  buildLayout();
  buildSchemeMenu();
  watchConditions();

  flashTimer_ = new QTimer(this);
  flashTimer_->setObjectName(QStringLiteral("tmrFlash"));
  flashTimer_->setInterval(kFlashIntervalMs);
  connect(flashTimer_, &QTimer::timeout, this, &MainWindow::flashTick);

  connect(tabs_, &TabBar::tabClicked, this, &MainWindow::selectTab);
  connect(runPanel_, &RunPanel::actionRequested, this, &MainWindow::performRunAction);
  auto showHelp = [this](int index) { help_->showConditionHelp(index); };
  connect(conditionPages_, &ConditionPages::helpRequested, this, showHelp);
  connect(resultPanel_, &ResultPanel::helpRequested, this, showHelp);
  connect(setOps_, &SetOpsPage::helpRequested, this, showHelp);
  connect(basePage_, &BasePage::helpRequested, this, showHelp);
  connect(runPanel_, &RunPanel::helpRequested, this, showHelp);

  // Start-up: empty base box, empty result panel, main page in front.
  basePage_->clear();
  resultPanel_->rebuildPages();
  selectTab(kMainTab);
  placeWindow();
  QTimer::singleShot(0, this, &MainWindow::startupStep);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(4);

  tabs_ = new TabBar(central);
  column->addWidget(tabs_);

  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  column->addLayout(row, 1);

  pageArea_ = new QScrollArea(central);
  pageArea_->setObjectName(QStringLiteral("pageArea"));
  pageArea_->setWidgetResizable(true);
  pageArea_->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget;
  auto* contentColumn = new QVBoxLayout(content);
  contentColumn->setContentsMargins(0, 0, 0, 0);
  stack_ = new QStackedWidget(content);
  contentColumn->addWidget(stack_, 1);
  buildPages();
  QWidget* special = conditionPages_->specialFrame();
  special->setParent(content);
  if (special->objectName().isEmpty()) special->setObjectName(QStringLiteral("fraFilterSpecial"));
  contentColumn->addWidget(special);
  pageArea_->setWidget(content);
  row->addWidget(pageArea_, 1);

  resultPanel_ = new ResultPanel(dialogs_, central);
  resultPanel_->setObjectName(QStringLiteral("fraResult"));
  runPanel_ = new RunPanel(resultPanel_);
  resultPanel_->setRunPanel(runPanel_);
  row->addWidget(resultPanel_);

  QWidget* composePage = conditionPages_->composePage();
  flash_ = new FlashFrame(composePage);
  composePage->installEventFilter(this);
  for (int i = 0; i < kComposeBoxes; ++i)
    if (QWidget* box = conditionPages_->composeBox(i)) box->installEventFilter(this);

  setCentralWidget(central);
}

void MainWindow::buildPages() {
  basePage_ = new BasePage(dialogs_, baseSet_, stack_);
  conditionPages_ = new ConditionPages(dialogs_, stack_);
  setOps_ = new SetOpsPage(dialogs_, stack_);
  historyPage_ = new HistoryPage(*host_, stack_);
  backtestPage_ = new BacktestPage(*host_, stack_);
  auto* trend = new TrendPage(*host_, stack_);
  auto* stats = new StatsPage(*host_, stack_);
  relativePage_ = new RelativePage(*host_, stack_);
  QWidget* pages[kStackedPages] = {basePage_,
                                   conditionPages_->mainPage(),
                                   conditionPages_->routePage(),
                                   setOps_,
                                   conditionPages_->composePage(),
                                   historyPage_,
                                   backtestPage_,
                                   trend,
                                   stats,
                                   relativePage_,
                                   new MergePage(*host_, stack_)};
  for (int j = 0; j < kStackedPages; ++j) {
    stackedPages_[j] = pages[j];
    pages[j]->setObjectName(QStringLiteral("fraTab(%1)").arg(j));
    stack_->addWidget(pages[j]);
  }
}

// Whatever may change the conditions, base set or tolerance: another page shown, a run-panel
// button (清空所有条件), a tolerance box, the scheme menu. Queued, so the change is done
// before a page looks.
void MainWindow::watchConditions() {
  auto touched = [this] { emit host_->conditionsTouched(); };
  connect(stack_, &QStackedWidget::currentChanged, this, touched, Qt::QueuedConnection);
  connect(runPanel_, &RunPanel::actionRequested, this, touched, Qt::QueuedConnection);
  for (int i = 0; i < 2; ++i)
    connect(runPanel_->toleranceBox(i), &QLineEdit::textChanged, this, touched,
            Qt::QueuedConnection);
  connect(menuBar(), &QMenuBar::triggered, this, touched, Qt::QueuedConnection);
}

// The page area is as large as the page in front needs, not the largest page: the
// set-operations page also takes the result frame's place. Pages whose panels are placed
// by coordinates report no size of their own, so their children are measured.
void MainWindow::fitPageArea() {
  QWidget* front = stack_->currentWidget();
  for (QWidget* page : stackedPages_)
    page->setSizePolicy(page == front ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                        page == front ? QSizePolicy::Preferred : QSizePolicy::Ignored);
  QSize need = front->minimumSizeHint().expandedTo(QSize(0, 0));
  if (!front->layout()) {
    const QRect children = front->childrenRect();
    need = need.expandedTo(QSize(children.right() + 1, children.bottom() + 1));
  }
  stack_->setMinimumSize(need);
}

void MainWindow::placeWindow() {
  if (RestoreWindowGeometry(*this)) return;
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QSize wanted = sizeHint().expandedTo(
      QSize(stack_->minimumWidth() + resultPanel_->sizeHint().width() + 40,
            stack_->minimumHeight() + conditionPages_->specialFrame()->sizeHint().height() +
                tabs_->sizeHint().height() + 60));
  if (!screen) {
    resize(wanted);
    return;
  }
  const QRect avail = screen->availableGeometry();
  // Room for the title bar and borders the window system adds.
  const QSize room = avail.size() - QSize(16, 48);
  resize(wanted.boundedTo(room));
  move(avail.x() + (avail.width() - width()) / 2, avail.y() + (avail.height() - height() - 32) / 2);
}

QWidget* MainWindow::currentPage() const {
  return stack_->currentWidget();
}

RelativePanel* MainWindow::relativePanel() const {
  return relativePage_->panel();
}

void MainWindow::startupStep() {
  help_->load();
}

void MainWindow::selectTab(int index) {
  if (index < 0 || index >= kTabCount) return;
  tabs_->select(index);
  const PageTab* pageTab = FindPageTab(index);
  if (pageTab) {
    stack_->setCurrentWidget(stackedPages_[pageTab->page]);
  } else if (index < kFirstComposeTab) {
    stack_->setCurrentWidget(stackedPages_[index]);
  } else {
    stack_->setCurrentWidget(stackedPages_[4]);
    composeIndex_ = index - kFirstComposeTab;
    conditionPages_->selectComposeBox(composeIndex_);
    flashCount_ = 0;
    flashTimer_->start(kFlashIntervalMs);
  }
  // The set-operations and merge pages are wider and take the place of the result frame.
  const bool wide = index == kSetOpsTab || (pageTab && !pageTab->resultFrame);
  resultPanel_->setVisible(!wide);
  conditionPages_->specialFrame()->setVisible(pageTab ? pageTab->specialFrame : !wide);
  fitPageArea();
}

void MainWindow::flashTick() {
  if (QWidget* box = conditionPages_->composeBox(composeIndex_)) flash_->surround(box);
  flash_->setVisible(flash_->isHidden());
  if (++flashCount_ >= kFlashTicks) {
    flash_->show();
    flashTimer_->stop();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  const bool geometry = e->type() == QEvent::Move || e->type() == QEvent::Resize;
  if (geometry && !flash_->isHidden()) {
    QWidget* box = conditionPages_->composeBox(composeIndex_);
    if (box && (watched == box || watched == conditionPages_->composePage())) flash_->surround(box);
  }
  return QMainWindow::eventFilter(watched, e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (!dialogs_.question(this, QStringLiteral("Torvane"),
                         QStringLiteral("亲，您确定要退出软件吗？？"), false)) {
    e->ignore();
    return;
  }
  // Export windows with unsaved edits ask first; cancelling one keeps the program open.
  for (auto* editor : findChildren<widgets::TextEditorWindow*>()) {
    if (editor->isVisible() && !editor->close()) {
      e->ignore();
      return;
    }
  }
  SaveWindowGeometry(*this);
  e->accept();
  emit quitRequested();
}

}  // namespace torvane::ui

#include "moc_main_window.cpp"
