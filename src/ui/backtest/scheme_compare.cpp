#include "ui/backtest/scheme_compare.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "run/backtest.h"
#include "scheme/scheme_file.h"
#include "ui/backtest/backtest_charts.h"
#include "ui/backtest/backtest_summary.h"
#include "ui/backtest/money_chart.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

namespace {

constexpr int kMaxLinePoints = 1000;
const QColor kColours[] = {QColor(40, 90, 200),  QColor(220, 60, 40), QColor(30, 150, 60),
                           QColor(150, 60, 180), QColor(230, 140, 0), QColor(0, 150, 160),
                           QColor(120, 80, 40),  QColor(200, 60, 140)};

QChart* NewChart(const QString& title) {
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  chart->setTitle(title);
  chart->legend()->setAlignment(Qt::AlignRight);
  return chart;
}

void ClearChart(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
}

}  // namespace

QColor SchemeCompareModel::colour(int row) {
  return kColours[row % std::size(kColours)];
}

SchemeCompareModel::SchemeCompareModel(QObject* parent) : QAbstractTableModel(parent) {}

void SchemeCompareModel::setSchemes(std::vector<SchemeBacktest> schemes) {
  beginResetModel();
  schemes_ = std::move(schemes);
  pHolm_ = SchemePHolm(schemes_);
  endResetModel();
}

int SchemeCompareModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(schemes_.size());
}

int SchemeCompareModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant SchemeCompareModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const BacktestReport& r = schemes_[index.row()].report;
  if (role == Qt::ForegroundRole && index.column() == Scheme)
    return colour(index.row());  // the colour of its lines
  if (role == Qt::TextAlignmentRole)
    return index.column() == Scheme ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case Scheme:
      return QString::fromStdString(schemes_[index.row()].name);
    case Results:
      return r.resultCount;
    case Share:
      return PercentText(r.share);
    case Kept:
      return r.kept;
    case Tested:
      return r.tested;
    case HitRate:
      return PercentText(r.hitRate);
    case Ratio:
      return r.hitRateOverShare ? QString::fromStdString(FixedText(*r.hitRateOverShare, 2))
                                : QStringLiteral("无");
    case PValue:
      // No draw or no result: nothing to hold against random play.
      return ComparableWithRandom(r)
                 ? QString::fromStdString(PValueText(r.decision.confidence.pValue))
                 : QStringLiteral("无");
    case PHolm:
      return ComparableWithRandom(r) ? QString::fromStdString(PValueText(pHolm_[index.row()]))
                                     : QStringLiteral("无");
    case Cost:
      return QStringLiteral("%1 元").arg(r.moneySummary.cost);
    case Won:
      return QStringLiteral("%1 次 %2 元").arg(r.moneySummary.wins).arg(r.moneySummary.won);
    case Return:
      return r.moneySummary.returnRate ? PercentText(*r.moneySummary.returnRate)
                                       : QStringLiteral("无");
  }
  return {};
}

QVariant SchemeCompareModel::headerData(int section, Qt::Orientation o, int role) const {
  static const char* const kHeaders[Count] = {"方案",      "注数",   "占比",        "中奖期数",
                                              "期数",      "命中率", "命中率÷占比", "p值",
                                              "Holm校正p", "投入",   "中奖",        "返还率"};
  if (o != Qt::Horizontal || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  if (role == Qt::DisplayRole) return QString::fromUtf8(kHeaders[section]);
  if (role == Qt::ToolTipRole && section == PValue)
    return QStringLiteral(
        "随机选同样多的号码，命中期数偏离到这么远的机会；小于 0.05 才算有显著差别；"
        "缩水结果为 0 注时无从比较，显示“无”");
  if (role == Qt::ToolTipRole && section == PHolm)
    return QStringLiteral(
        "按 Holm 方法校正后的 p 值：比的方案越多，越容易有一个碰巧显得好；校正后仍小于 0.05 "
        "才可信");
  if (role == Qt::ToolTipRole && (section == Cost || section == Won || section == Return))
    return QStringLiteral("每期买下这个方案的全部缩水结果，按“条件回测”上的每注价格、奖金和倍数");
  return QAbstractTableModel::headerData(section, o, role);
}

QList<QPointF> KeptSoFar(const std::vector<DrawVerdict>& verdicts) {
  const int n = static_cast<int>(verdicts.size());
  const int step = std::max(1, (n + kMaxLinePoints - 1) / kMaxLinePoints);
  QList<QPointF> points;
  points.reserve(n / step + 2);
  points.append(QPointF(0, 0));
  int kept = 0;
  for (int i = 0; i < n; ++i) {
    kept += verdicts[i].kept ? 1 : 0;
    if ((i + 1) % step == 0 || i == n - 1) points.append(QPointF(i + 1, kept));
  }
  return points;
}

SchemeCompare::SchemeCompare(widgets::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstCompareSchemes"));
  list_->addItem(QStringLiteral("当前条件"));
  list_->item(0)->setToolTip(QStringLiteral("各页上现在设置的条件和容错"));
  auto* add = new QPushButton(QStringLiteral("添加方案文件…"), this);
  add->setObjectName(QStringLiteral("cmdCompareAdd"));
  removeButton_ = new QPushButton(QStringLiteral("移除所选"), this);
  removeButton_->setObjectName(QStringLiteral("cmdCompareRemove"));
  auto* run = new QPushButton(QStringLiteral("开始对比"), this);
  run->setObjectName(QStringLiteral("cmdCompare"));
  run->setToolTip(
      QStringLiteral("列表里的每个方案都用现在的大底，在上面选的回测范围的同样各期上回测"));

  auto* left = new QWidget(this);
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, 0, 0, 0);
  leftColumn->addWidget(list_, 1);
  for (QPushButton* b : {add, removeButton_, run}) leftColumn->addWidget(b);
  left->setMaximumWidth(220);

  model_ = new SchemeCompareModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("grdCompare"));
  table_->setModel(model_);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(SchemeCompareModel::Scheme,
                                                   QHeaderView::Stretch);

  chart_ = new QChartView(NewChart(QStringLiteral("累计中奖期数（点“开始对比”后画出）")), this);
  chart_->setObjectName(QStringLiteral("chtCompare"));
  chart_->setMinimumSize(200, 160);
  balanceChart_ = new QChartView(NewChart(QStringLiteral("累计盈亏（点“开始对比”后画出）")), this);
  balanceChart_->setObjectName(QStringLiteral("chtCompareMoney"));
  balanceChart_->setMinimumSize(200, 160);
  auto* charts = new QTabWidget(this);
  charts->setObjectName(QStringLiteral("tabCompareCharts"));
  charts->addTab(balanceChart_, QStringLiteral("累计盈亏"));
  charts->addTab(chart_, QStringLiteral("累计中奖期数"));

  stale_ = new QLabel(this);
  stale_->setObjectName(QStringLiteral("lblCompareStale"));
  stale_->setWordWrap(true);
  stale_->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
  stale_->setText(
      QStringLiteral("对比之后条件、大底、容错或开奖历史有了变动，表中的结果已经过时；"
                     "点“开始对比”可按现在的设置重新计算。"));
  stale_->hide();
  luck_ = new QLabel(this);
  luck_->setObjectName(QStringLiteral("lblCompareLuck"));
  luck_->setWordWrap(true);
  luck_->hide();
  auto* top = new QWidget(this);
  auto* topColumn = new QVBoxLayout(top);
  topColumn->setContentsMargins(0, 0, 0, 0);
  topColumn->addWidget(stale_);
  topColumn->addWidget(table_, 1);
  topColumn->addWidget(luck_);

  auto* right = new QSplitter(Qt::Vertical, this);
  right->setChildrenCollapsible(false);
  right->addWidget(top);
  right->addWidget(charts);
  right->setSizes({400, 600});
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(left);
  row->addWidget(right, 1);

  connect(add, &QPushButton::clicked, this, &SchemeCompare::addSchemeFiles);
  connect(removeButton_, &QPushButton::clicked, this, &SchemeCompare::removeSelected);
  connect(run, &QPushButton::clicked, this, &SchemeCompare::compareRequested);
}

int SchemeCompare::addSchemeFiles() {
  const QStringList paths = dialogs_.chooseOpenFiles(this, QStringLiteral("方案文件 (*.json)"));
  QStringList refused;
  int added = 0;
  for (const QString& path : paths) {
    const QString name = QFileInfo(path).fileName();
    try {
      files_.push_back({path, ReadSchemeFile(QFile::encodeName(path).toStdString())});
    } catch (const std::exception& e) {
      // The engine's own words: they name the file, the key or the place in it.
      refused << QString::fromUtf8(e.what());
      continue;
    }
    list_->addItem(name);
    list_->item(list_->count() - 1)->setToolTip(path);
    list_->setCurrentRow(list_->count() - 1);
    ++added;
  }
  if (!refused.isEmpty())
    dialogs_.warning(this, QStringLiteral("Torvane"),
                     QStringLiteral("下面的方案文件不能加入对比：\n%1").arg(refused.join('\n')));
  return added;
}

void SchemeCompare::removeSelected() {
  const int row = list_->currentRow();
  if (row < 1) return;  // 当前条件 always stays
  files_.erase(files_.begin() + (row - 1));
  delete list_->takeItem(row);
}

void SchemeCompare::setStale(bool stale) {
  stale_->setVisible(stale && model_->rowCount() > 0);
}

void SchemeCompare::compare(const Conditions& current, const DigitTable& baseSet,
                            std::span<const history::Draw> draws, const history::Draw* previous,
                            const MoneyRules& money) {
  BacktestOptions options;
  options.money = money;
  std::vector<SchemeBacktest> schemes;
  schemes.push_back({"当前条件", Backtest(current, baseSet, draws, previous, options)});
  for (const SchemeFile& f : files_) {
    try {
      schemes.push_back({QFileInfo(f.path).fileName().toStdString(),
                         Backtest(f.conditions, baseSet, draws, previous, options)});
    } catch (const RunError& e) {
      // A box text of the file that a run refuses: say which file, compare the others.
      dialogs_.warning(
          this, QStringLiteral("Torvane"),
          QStringLiteral("方案文件 %1 无法回测：%2")
              .arg(QFileInfo(f.path).fileName(), QString::fromStdString(DescribeRunError(e))));
    }
  }
  model_->setSchemes(std::move(schemes));
  const QString luck = QString::fromStdString(BestSchemeLuckText(model_->schemes()));
  luck_->setText(luck);
  luck_->setVisible(!luck.isEmpty());
  stale_->hide();
  fillChart();
  fillBalanceChart();
}

// The tested draws along the bottom, oldest left, and the figure up the left side.
static std::pair<QValueAxis*, QValueAxis*> DrawAxes(QChart* chart, const QString& yTitle,
                                                    const QString& yFormat) {
  auto* x = new QValueAxis(chart);
  x->setTitleText(QStringLiteral("回测的第几期（左旧右新）"));
  x->setLabelFormat(QStringLiteral("%d"));
  auto* y = new QValueAxis(chart);
  y->setTitleText(yTitle);
  y->setLabelFormat(yFormat);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  return {x, y};
}

// One balance line a scheme, the same colours as the table's names.
void SchemeCompare::fillBalanceChart() {
  QChart* chart = balanceChart_->chart();
  ClearChart(chart);
  const std::vector<SchemeBacktest>& schemes = model_->schemes();
  if (schemes.empty()) return;
  auto [x, y] = DrawAxes(chart, QStringLiteral("元"), QStringLiteral("%.0f"));
  double bottom = 0, top = 1;
  int n = 1;
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    auto* line = new QLineSeries(chart);
    line->setName(QString::fromStdString(schemes[i].name));
    QPen pen(SchemeCompareModel::colour(static_cast<int>(i)), 2);
    pen.setCosmetic(true);
    line->setPen(pen);
    const QList<QPointF> points = BalanceLine(MoneyCurve(r.money, kMoneyPoints));
    for (const QPointF& p : points) {
      bottom = std::min(bottom, p.y());
      top = std::max(top, p.y());
    }
    n = std::max(n, static_cast<int>(r.money.size()));
    line->replace(points);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  SetTicks(x, 0, n);
  const double margin = (top - bottom) * 0.05;
  y->setRange(std::floor(bottom - margin), std::ceil(top + margin));
  y->applyNiceNumbers();
  chart->setTitle(QStringLiteral("累计盈亏：每期买下各方案的全部缩水结果"));
}

void SchemeCompare::fillChart() {
  QChart* chart = chart_->chart();
  ClearChart(chart);
  const std::vector<SchemeBacktest>& schemes = model_->schemes();
  if (schemes.empty()) return;
  auto [x, y] = DrawAxes(chart, QStringLiteral("累计中奖期数"), QStringLiteral("%d"));
  const int n = schemes.front().report.tested;
  double top = 1;
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    const QColor colour = SchemeCompareModel::colour(static_cast<int>(i));
    auto* kept = new QLineSeries(chart);
    kept->setName(QString::fromStdString(schemes[i].name));
    QPen pen(colour, 2);
    pen.setCosmetic(true);
    kept->setPen(pen);
    kept->replace(KeptSoFar(r.judged.draws));
    auto* expected = new QLineSeries(chart);
    expected->setName(QStringLiteral("%1（随机）").arg(kept->name()));
    pen.setStyle(Qt::DashLine);
    pen.setWidth(1);
    expected->setPen(pen);
    expected->append(0, 0);
    expected->append(n, r.share * n);
    top = std::max({top, static_cast<double>(r.kept), r.share * n});
    for (QLineSeries* s : {kept, expected}) {
      chart->addSeries(s);
      s->attachAxis(x);
      s->attachAxis(y);
    }
    // The legend names the schemes; the title says what the dashed lines are.
    for (QLegendMarker* m : chart->legend()->markers(expected)) m->setVisible(false);
  }
  SetTicks(x, 0, std::max(1, n));
  SetTicks(y, 0, std::ceil(top * 1.05));
  chart->setTitle(QStringLiteral("累计中奖期数（实线），随机选同样多号码应中的期数（虚线）"));
}

}  // namespace torvane::ui

#include "moc_scheme_compare.cpp"
