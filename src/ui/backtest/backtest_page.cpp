#include "ui/backtest/backtest_page.h"

#include <QChartView>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <span>

#include "run/backtest.h"
#include "run/filter_run.h"
#include "ui/backtest/backtest_charts.h"
#include "ui/backtest/backtest_summary.h"
#include "ui/backtest/money_box.h"
#include "ui/backtest/money_chart.h"
#include "ui/backtest/scheme_compare.h"
#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

// A back-test on another thread: what it reads is its own copy; what it gives back is read
// on the window's thread after the thread has finished.
struct BacktestJob {
  Conditions conditions;
  DigitTable baseSet;
  std::vector<history::Draw> draws;
  std::optional<history::Draw> previous;
  BacktestOptions options;
  std::atomic<bool> cancelled{false};
  std::atomic<int> done{0}, total{0};
  BacktestPtr report;
  std::exception_ptr error;
};

namespace {

// The same conditions, base set and tolerance as read (a run writes "01" back as "1").
bool SameSettings(const Conditions& made, const DigitTable& madeOn, const Conditions& shown,
                  const DigitTable& baseSet) {
  auto read = [](const ToleranceState& t) -> std::optional<ToleranceRange> {
    try {
      return ReadTolerance(t);
    } catch (...) {
      return std::nullopt;
    }
  };
  Conditions a = shown;
  a.tolerance = made.tolerance;
  const auto before = read(made.tolerance), now = read(shown.tolerance);
  const bool sameTolerance = now && before && now->min == before->min && now->max == before->max;
  return sameTolerance && a == made && baseSet == madeOn;
}

// The ranges offered, in draws; 0 is the whole history.
constexpr int kRanges[] = {30, 50, 100, 300, 0};
constexpr int kDefaultRange = 2;

QTableView* Table(QAbstractItemModel* model, const char* name, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  // Fixed rows: a view of thousands of draws never measures rows it does not show.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  return view;
}

void SetWidths(QTableView* view, std::initializer_list<int> chars) {
  const int unit = view->fontMetrics().horizontalAdvance(QStringLiteral("0"));
  int c = 0;
  for (int w : chars) view->horizontalHeader()->resizeSection(c++, w * unit + 12);
}

// Whole headers and cells (bold, as the worst condition shows) without asking the delegate for
// every cell's size: a table wider than its side scrolls instead of eliding.
void FitColumns(QTableView* view) {
  QFont bold = view->font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  QAbstractItemModel* m = view->model();
  QHeaderView* header = view->horizontalHeader();
  for (int c = 0; c < m->columnCount(); ++c) {
    int width = header->sectionSizeHint(c);
    for (int r = 0; r < m->rowCount(); ++r)
      width = std::max(width, fm.horizontalAdvance(m->index(r, c).data().toString()) + 16);
    header->resizeSection(c, width);
  }
}

}  // namespace

BacktestPage::BacktestPage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host), dialogs_(host.dialogs()), store_(host.drawStore()) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(buildControls());
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblBacktestSummary"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = summary_->font();
  bold.setBold(true);
  summary_->setFont(bold);
  staleNote_ = new QLabel(this);
  staleNote_->setObjectName(QStringLiteral("lblBacktestStale"));
  staleNote_->setWordWrap(true);
  staleNote_->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
  staleNote_->hide();
  explanation_ = new QLabel(this);
  explanation_->setObjectName(QStringLiteral("lblBacktestExplanation"));
  explanation_->setWordWrap(true);
  explanation_->setStyleSheet(QStringLiteral("color: rgb(96,96,96);"));
  heldOut_ = new QLabel(this);
  heldOut_->setObjectName(QStringLiteral("lblBacktestHeldOut"));
  heldOut_->setTextFormat(Qt::RichText);
  heldOut_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  heldOut_->hide();
  column->addWidget(summary_);
  column->addWidget(heldOut_);
  column->addWidget(staleNote_);
  column->addWidget(explanation_);

  parts_ = new QTabWidget(this);
  parts_->setObjectName(QStringLiteral("tabBacktestParts"));
  // The rest of the page's height, whatever the tables would like: the page never scrolls.
  parts_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  parts_->addTab(buildResultTab(), QStringLiteral("条件与各期"));
  moneyChart_ = new MoneyChart(this);
  parts_->addTab(moneyChart_, QStringLiteral("累计盈亏"));
  parts_->addTab(buildToleranceTab(), QStringLiteral("容错表"));
  compare_ = new SchemeCompare(dialogs_, this);
  parts_->addTab(compare_, QStringLiteral("方案对比"));
  connect(compare_, &SchemeCompare::compareRequested, this, &BacktestPage::compareShownConditions);
  parts_->setMinimumHeight(parts_->minimumSizeHint().height());
  column->addWidget(parts_, 1);

  connect(&store_, &DrawStore::changed, this, [this] {
    if (report_) historyChanged_ = true;
    if (comparedWith_) compare_->setStale(true);
    showStoreState();
  });
  connect(&host_, &PageHost::conditionsTouched, this,
          [this] { compareConditions(host_.gatherConditions(), host_.baseSet()); });
  showStoreState();
}

BacktestPage::~BacktestPage() {
  // The thread reads nothing of the page, but its end is delivered here: stop and wait.
  if (job_) job_->cancelled = true;
  if (thread_) {
    thread_->wait();
    delete thread_;
  }
}

void BacktestPage::runShownConditions() {
  try {
    const Conditions c = host_.runConditions();
    run(c, host_.baseSet());
    host_.showToleranceRead(ReadTolerance(c.tolerance));
  } catch (...) {
    host_.showRunFailure();
  }
}

void BacktestPage::compareShownConditions() {
  try {
    compareSchemes(host_.runConditions(), host_.baseSet());
  } catch (...) {
    host_.showRunFailure();
  }
}

QWidget* BacktestPage::buildToleranceTab() {
  auto* tab = new QWidget(this);
  auto* column = new QVBoxLayout(tab);
  column->setContentsMargins(4, 4, 4, 4);
  toleranceNote_ = new QLabel(tab);
  toleranceNote_->setObjectName(QStringLiteral("lblToleranceNote"));
  toleranceModel_ = new ToleranceTableModel(this);
  toleranceView_ = Table(toleranceModel_, "grdBacktestTolerance", tab);
  toleranceView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // The row in use shows yellow; a selection would paint it over in the system's blue. The
  // current row (keys, Enter) still moves.
  toleranceView_->setSelectionMode(QAbstractItemView::NoSelection);
  column->addWidget(toleranceNote_);
  column->addWidget(toleranceView_, 1);
  // A click or Enter; queued, as the back-test it starts resets this very table.
  connect(toleranceView_, &QTableView::clicked, this, &BacktestPage::chooseTolerance,
          Qt::QueuedConnection);
  connect(toleranceView_, &QTableView::activated, this, &BacktestPage::chooseTolerance,
          Qt::QueuedConnection);
  return tab;
}

void BacktestPage::chooseTolerance(const QModelIndex& index) {
  if (!report_ || !index.isValid() || index.row() >= toleranceModel_->rowCount()) return;
  const ToleranceRow& t = toleranceModel_->range(index.row());
  chosenTolerance_ = ToleranceRange{static_cast<uint8_t>(t.min), static_cast<uint8_t>(t.max)};
  host_.setTolerance(t.min, t.max);
  runShownConditions();
}

// Conditions on the left (table over the kill rates), draws on the right (table over the
// per-draw chart).
QWidget* BacktestPage::buildResultTab() {
  buildTables();
  charts_ = new BacktestCharts(this);
  auto* drawSide = new QWidget(this);
  auto* drawColumn = new QVBoxLayout(drawSide);
  drawColumn->setContentsMargins(0, 0, 0, 0);
  auto* filterRow = new QHBoxLayout;
  drawShow_ = new QComboBox(drawSide);
  drawShow_->setObjectName(QStringLiteral("cboBacktestShow"));
  drawShow_->addItems({QStringLiteral("全部各期"), QStringLiteral("只看保留的期"),
                       QStringLiteral("只看未保留的期")});
  auto* showLabel = new QLabel(QStringLiteral("显示(&S)"), drawSide);
  showLabel->setBuddy(drawShow_);
  filterRow->addWidget(showLabel);
  filterRow->addWidget(drawShow_);
  filterRow->addStretch(1);
  drawColumn->addLayout(filterRow);
  drawColumn->addWidget(drawView_, 1);
  connect(drawShow_, &QComboBox::currentIndexChanged, this,
          [this](int i) { drawProxy_->setShow(static_cast<DrawFilterModel::Show>(i)); });

  auto* sides = new QSplitter(Qt::Horizontal, this);
  sides->setChildrenCollapsible(false);
  for (auto [table, chart] : {std::pair<QWidget*, QWidget*>(conditionView_, charts_->rateArea()),
                              std::pair<QWidget*, QWidget*>(drawSide, charts_->failedView())}) {
    auto* side = new QSplitter(Qt::Vertical, sides);
    side->setChildrenCollapsible(false);
    side->addWidget(table);
    side->addWidget(chart);
    side->setSizes({1000, 1000});  // half each to begin with
    sides->addWidget(side);
  }
  sides->setStretchFactor(0, 5);
  sides->setStretchFactor(1, 6);
  return sides;
}

QWidget* BacktestPage::buildControls() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  range_ = new QComboBox(row);
  range_->setObjectName(QStringLiteral("cboBacktestRange"));
  for (int n : kRanges)
    range_->addItem(n ? QStringLiteral("最近 %1 期").arg(n) : QStringLiteral("全部"), n);
  range_->setCurrentIndex(kDefaultRange);
  runButton_ = new QPushButton(QStringLiteral("回测当前条件"), row);
  runButton_->setObjectName(QStringLiteral("cmdBacktest"));
  runButton_->setToolTip(
      QStringLiteral("用各页上现在设置的条件、大底和容错，检验它们在过去各期会不会杀掉开奖号码"));
  copyButton_ = new QPushButton(QStringLiteral("复制报告"), row);
  copyButton_->setObjectName(QStringLiteral("cmdBacktestCopy"));
  copyButton_->setToolTip(QStringLiteral("把摘要和两张表以制表符分隔复制，可直接粘贴到电子表格"));
  historyCount_ = new QLabel(row);
  historyCount_->setObjectName(QStringLiteral("lblBacktestHistory"));
  moneyBox_ = new MoneyBox(row);
  progress_ = new QProgressBar(row);
  progress_->setObjectName(QStringLiteral("prgBacktest"));
  progress_->setMaximumWidth(160);
  progress_->hide();
  cancelButton_ = new QPushButton(QStringLiteral("取消"), row);
  cancelButton_->setObjectName(QStringLiteral("cmdBacktestCancel"));
  cancelButton_->hide();
  h->addWidget(new QLabel(QStringLiteral("回测范围"), row));
  h->addWidget(range_);
  h->addWidget(moneyBox_);
  h->addWidget(runButton_);
  h->addWidget(progress_);
  h->addWidget(cancelButton_);
  h->addSpacing(8);
  h->addWidget(historyCount_, 1);
  h->addWidget(copyButton_);
  connect(runButton_, &QPushButton::clicked, this, &BacktestPage::runShownConditions);
  connect(cancelButton_, &QPushButton::clicked, this, &BacktestPage::cancel);
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(100);
  connect(progressTimer_, &QTimer::timeout, this, [this] {
    if (!job_) return;
    progress_->setRange(0, std::max(1, job_->total.load()));
    progress_->setValue(job_->done);
  });
  connect(copyButton_, &QPushButton::clicked, this, &BacktestPage::copyReport);
  return row;
}

void BacktestPage::buildTables() {
  conditionModel_ = new ConditionStatsModel(this);
  conditionProxy_ = new QSortFilterProxyModel(this);
  conditionProxy_->setSourceModel(conditionModel_);
  conditionProxy_->setSortRole(ConditionStatsModel::SortRole);
  conditionView_ = Table(conditionProxy_, "grdBacktestConditions", this);
  conditionView_->setSortingEnabled(true);
  conditionView_->sortByColumn(ConditionStatsModel::Name, Qt::AscendingOrder);
  conditionView_->setToolTip(QStringLiteral("点表头可按该列排序；红色粗体是杀中奖号最多的条件"));

  drawModel_ = new DrawVerdictModel(this);
  drawProxy_ = new DrawFilterModel(drawModel_, this);
  drawView_ = Table(drawProxy_, "grdBacktestDraws", this);
  // Newest first as the model gives them: no sort of thousands of rows until a header click.
  drawView_->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
  drawView_->setSortingEnabled(true);
  drawView_->setToolTip(QStringLiteral("点表头可按该列排序；上面的“显示”可只看保留或未保留的期"));
  SetWidths(drawView_, {9, 10, 6, 10, 16, 8});
  drawView_->horizontalHeader()->setSectionResizeMode(DrawVerdictModel::KilledBy,
                                                      QHeaderView::Stretch);

  // Enter or a double click on a draw: the chart shows every draw around it.
  connect(drawView_, &QTableView::activated, this, [this](const QModelIndex& index) {
    const int at = drawProxy_->drawIndex(index.row()) + 1;
    charts_->showDraws(at - kDetailDraws / 3, at + kDetailDraws / 3);
  });
  connect(drawView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { drawSelected(current); });
  connect(conditionView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { conditionSelected(current); });
}

void BacktestPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  store_.ensureOpen();  // emits changed() the first time
}

void BacktestPage::showStoreState() {
  showStaleNote();
  const bool failed = !store_.error().isEmpty();
  runButton_->setEnabled(!failed && !job_);
  const int n = static_cast<int>(store_.draws().size());
  historyCount_->setText(
      store_.path().isEmpty() || failed ? QString() : QStringLiteral("历史库共 %1 期").arg(n));
  if (failed) {
    summary_->setText(QStringLiteral("开奖历史库打不开：%1").arg(store_.error()));
    explanation_->setText(QStringLiteral("回测暂时不能使用；软件的其他功能照常。"));
  } else if (report_) {
    const SummaryText text = BacktestSummary(*report_);
    summary_->setText(text.figures.join(QLatin1Char('\n')));
    explanation_->setText(text.notes.join(QLatin1Char('\n')));
  } else if (n == 0 && !store_.path().isEmpty()) {
    summary_->setText(QStringLiteral("历史库里还没有开奖号码，无法回测。"));
    explanation_->setText(QStringLiteral(
        "请先到“开奖历史”页点“导入开奖文件…”导入开奖号码，再回来点“回测当前条件”。"));
  } else {
    summary_->setText(QStringLiteral("设置好各页的条件、大底和容错后，点“回测当前条件”。"));
    explanation_->setText(
        QStringLiteral("回测用过去各期的开奖号码检验这些条件：哪些期会被保留，"
                       "哪个条件最容易杀掉开奖号码。"));
  }
}

void BacktestPage::showStaleNote() {
  QStringList what;
  if (conditionsChanged_) what << QStringLiteral("条件、大底或容错");
  if (historyChanged_) what << QStringLiteral("开奖历史");
  staleNote_->setVisible(report_ && !what.isEmpty());
  staleNote_->setText(QStringLiteral("回测之后%1有了变动，上面的结果已经过时；"
                                     "点“回测当前条件”可按现在的设置重新计算。")
                          .arg(what.join(QStringLiteral("和"))));
}

void BacktestPage::compareConditions(const Conditions& shown, const DigitTable& baseSet) {
  if (comparedWith_ && !SameSettings(comparedWith_->first, comparedWith_->second, shown, baseSet))
    compare_->setStale(true);
  if (!report_) return;
  conditionsChanged_ = !SameSettings(madeWith_, madeOn_, shown, baseSet);
  showStaleNote();
}

bool BacktestPage::run(const Conditions& conditions, const DigitTable& baseSet) {
  if (job_ || !store_.ensureOpen()) return false;
  const std::vector<history::Draw>& all = store_.draws();
  if (all.empty()) {
    // Nothing to judge: the page keeps saying where draws come from.
    showStoreState();
    return false;
  }
  const ChoicesRead read = moneyBox_->read();
  if (!read.choices) {
    dialogs_.warning(this, QStringLiteral("Torvane"), read.problem);
    return false;
  }
  moneyBox_->remember();
  BacktestOptions options;
  options.money = read.choices->money;
  options.holdout = read.choices->holdout;
  const std::span<const history::Draw> draws = chosenDraws();
  const history::Draw* previous = drawBefore(draws);
  const int tested = TestedDrawCount(conditions, draws.size(), previous != nullptr);
  if (const std::string problem = HoldoutProblem(options.holdout, tested); !problem.empty()) {
    dialogs_.warning(this, QStringLiteral("Torvane"),
                     QString::fromStdString(problem) + QStringLiteral("。"));
    return false;
  }
  if (RelativeApplied(conditions.relative) && tested > kForegroundDraws) {
    ReadTolerance(conditions.tolerance);  // a refused tolerance says so now, not later
    startJob(conditions, baseSet, draws, previous, options);
    return true;
  }
  showReport(std::make_shared<const BacktestReport>(
      Backtest(conditions, baseSet, draws, previous, options)));
  madeWith_ = conditions;
  madeOn_ = baseSet;
  return true;
}

void BacktestPage::startJob(const Conditions& conditions, const DigitTable& baseSet,
                            std::span<const history::Draw> draws, const history::Draw* previous,
                            const BacktestOptions& options) {
  auto job = std::make_shared<BacktestJob>();
  job->conditions = conditions;
  job->baseSet = baseSet;
  job->draws.assign(draws.begin(), draws.end());
  if (previous) job->previous = *previous;
  job->options = options;
  job->total = static_cast<int>(draws.size());
  BacktestJob* j = job.get();
  j->options.progress = [j](int done, int total) {
    j->done = done;
    j->total = total;
    return !j->cancelled;
  };
  job_ = job;
  thread_ = QThread::create([job] {
    try {
      job->report = std::make_shared<const BacktestReport>(
          Backtest(job->conditions, job->baseSet, job->draws,
                   job->previous ? &*job->previous : nullptr, job->options));
    } catch (const BacktestCancelled&) {
    } catch (...) {
      job->error = std::current_exception();
    }
  });
  connect(thread_, &QThread::finished, this, &BacktestPage::finishJob);
  progress_->setRange(0, std::max(1, job->total.load()));
  progress_->setValue(0);
  progress_->show();
  cancelButton_->show();
  cancelButton_->setEnabled(true);
  runButton_->setEnabled(false);
  historyCount_->setText(QStringLiteral("正在回测（按上期条件要逐期计算注数）…"));
  progressTimer_->start();
  thread_->start();
}

void BacktestPage::cancel() {
  if (!job_) return;
  job_->cancelled = true;
  cancelButton_->setEnabled(false);
}

void BacktestPage::finishJob() {
  thread_->deleteLater();
  thread_ = nullptr;
  progressTimer_->stop();
  progress_->hide();
  cancelButton_->hide();
  const std::shared_ptr<BacktestJob> job = std::move(job_);
  job_.reset();
  showStoreState();
  // Once 取消 is pressed nothing of this back-test shows, even if it had just finished.
  if (job->cancelled) {
    historyCount_->setText(QStringLiteral("回测已取消，下面仍是上一次的结果。"));
    return;
  }
  if (job->error) {
    try {
      std::rethrow_exception(job->error);
    } catch (...) {
      host_.showRunFailure();
    }
    return;
  }
  showReport(job->report);
  madeWith_ = job->conditions;
  madeOn_ = job->baseSet;
}

std::span<const history::Draw> BacktestPage::chosenDraws() {
  const std::vector<history::Draw>& all = store_.draws();
  const int lastN = range_->currentData().toInt();
  const size_t take = lastN > 0 ? std::min(all.size(), static_cast<size_t>(lastN)) : all.size();
  return {all.data() + (all.size() - take), take};
}

// The 按上期 rows read the draw before the oldest one tested, when the history has it.
const history::Draw* BacktestPage::drawBefore(std::span<const history::Draw> draws) const {
  return draws.data() > store_.draws().data() ? draws.data() - 1 : nullptr;
}

bool BacktestPage::compareSchemes(const Conditions& current, const DigitTable& baseSet) {
  if (!store_.ensureOpen() || store_.draws().empty()) {
    dialogs_.information(
        this, QStringLiteral("Torvane"),
        QStringLiteral("历史库里还没有开奖号码，无法对比。请先到“开奖历史”页导入。"));
    return false;
  }
  const ChoicesRead read = moneyBox_->read();
  if (!read.choices) {
    dialogs_.warning(this, QStringLiteral("Torvane"), read.problem);
    return false;
  }
  const std::span<const history::Draw> draws = chosenDraws();
  compare_->compare(current, baseSet, draws, drawBefore(draws), read.choices->money);
  comparedWith_.emplace(current, baseSet);
  return true;
}

void BacktestPage::showReport(BacktestPtr report) {
  report_ = std::move(report);
  historyChanged_ = conditionsChanged_ = false;
  conditionModel_->setReport(report_);
  drawModel_->setReport(report_);
  charts_->setReport(report_);
  moneyChart_->setReport(report_);
  toleranceModel_->setReport(report_);
  for (int c : {ConditionStatsModel::CheckKilled, ConditionStatsModel::CheckRate})
    conditionView_->setColumnHidden(c, !report_->heldOut);
  for (int c : {ToleranceTableModel::CheckKept, ToleranceTableModel::CheckHitRate})
    toleranceView_->setColumnHidden(c, !report_->heldOut);
  showHeldOut();
  const ToleranceRange used = report_->judged.tolerance;
  toleranceNote_->setText(
      chosenTolerance_ && chosenTolerance_->min == used.min && chosenTolerance_->max == used.max
          ? QStringLiteral("已把容错级别设为 %1-%2，并按它重新回测（黄色一行）。")
                .arg(used.min)
                .arg(used.max)
          : QStringLiteral("每个容错范围下缩水剩几注、回测各期能中几期。点一行（或选中后按回车）"
                           "即把它填入容错级别并重新回测；黄色一行是这次回测用的容错。"));
  chosenTolerance_.reset();
  // The range in use is the current row, so the keys go on from there after a choice.
  toleranceView_->setCurrentIndex(toleranceModel_->index(toleranceModel_->rowOf(used), 0));
  FitColumns(conditionView_);
  showStoreState();
}

// Both parts side by side, one figure a row.
void BacktestPage::showHeldOut() {
  heldOut_->setVisible(report_ && report_->heldOut);
  if (!heldOut_->isVisible()) return;
  QString html =
      QStringLiteral(
          "<table cellspacing='0' cellpadding='2' border='1' "
          "style='border-color:#bbb;border-collapse:collapse'>")
          .append(QStringLiteral("<tr><td colspan='12'>留出最近 %1 期检验：条件和容错只看"
                                 "前 %2 期（选择部分），最近 %1 期只用来检验</td></tr>")
                      .arg(report_->heldOut->size)
                      .arg(report_->heldOut->fit.count));
  // Parts as rows, figures as columns: two lines of height at 1366x768.
  const QStringList rows = HeldOutRows(*report_);
  QStringList cells[3];
  for (const QString& row : rows) {
    const QStringList c = row.split(QLatin1Char('\t'));
    for (int i = 0; i < 3; ++i) cells[i] << c.value(i).toHtmlEscaped();
  }
  for (const QStringList& line : cells)
    html += QStringLiteral("<tr><td>") + line.join(QStringLiteral("</td><td>")) +
            QStringLiteral("</td></tr>");
  heldOut_->setText(html + QStringLiteral("</table>"));
}

void BacktestPage::drawSelected(const QModelIndex& current) {
  if (!report_ || !current.isValid()) {
    conditionModel_->setHighlight(0);
    charts_->setSelectedDraw(-1);
    charts_->setHighlight(0);
    return;
  }
  const int i = drawProxy_->drawIndex(current.row());
  const uint64_t mask = report_->judged.draws[i].killedBy;
  conditionModel_->setHighlight(mask);
  charts_->setSelectedDraw(i);
  charts_->setHighlight(mask);
}

void BacktestPage::conditionSelected(const QModelIndex& current) {
  if (!report_ || !current.isValid()) return;
  const int condition = conditionProxy_->mapToSource(current).row();
  charts_->setHighlight(uint64_t{1} << condition);
}

void BacktestPage::copyReport() {
  if (!report_) {
    dialogs_.information(this, QStringLiteral("Torvane"),
                         QStringLiteral("还没有回测结果，请先点“回测当前条件”。"));
    return;
  }
  if (widgets::WriteClipboardText(BacktestReportTsv(*report_)))
    dialogs_.copyNotice(this);
  else
    dialogs_.warning(this, QStringLiteral("错误提示"),
                     QStringLiteral("本次复制出现错误，请再次复制！"));
}

}  // namespace torvane::ui

#include "moc_backtest_page.cpp"
