#include "ui/backtest/scheme_compare.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
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
#include "widgets/dialogs.h"

namespace torvane::ui {

namespace {

constexpr int kMaxLinePoints = 1000;
const QColor kColours[] = {QColor(40, 90, 200),  QColor(220, 60, 40), QColor(30, 150, 60),
                           QColor(150, 60, 180), QColor(230, 140, 0), QColor(0, 150, 160),
                           QColor(120, 80, 40),  QColor(200, 60, 140)};

QString PText(double p) {
  return p < 0.001 ? QStringLiteral("< 0.001") : QString::number(p, 'f', 3);
}

}  // namespace

SchemeCompareModel::SchemeCompareModel(QObject* parent) : QAbstractTableModel(parent) {}

void SchemeCompareModel::setSchemes(std::vector<SchemeBacktest> schemes) {
  beginResetModel();
  schemes_ = std::move(schemes);
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
    return kColours[index.row() % std::size(kColours)];  // the colour of its line
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
      return r.hitRateOverShare ? QString::number(*r.hitRateOverShare, 'f', 2)
                                : QStringLiteral("无");
    case PValue:
      return PText(r.decision.confidence.pValue);
  }
  return {};
}

QVariant SchemeCompareModel::headerData(int section, Qt::Orientation o, int role) const {
  static const char* const kHeaders[Count] = {"方案", "注数",   "占比",        "中奖期数",
                                              "期数", "命中率", "命中率÷占比", "p值"};
  if (o != Qt::Horizontal || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  if (role == Qt::DisplayRole) return QString::fromUtf8(kHeaders[section]);
  if (role == Qt::ToolTipRole && section == PValue)
    return QStringLiteral(
        "随机选同样多的号码，命中期数偏离到这么远的机会；小于 0.05 才算有显著差别");
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

  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  chart->setTitle(QStringLiteral("累计中奖期数（点“开始对比”后画出）"));
  chart->legend()->setAlignment(Qt::AlignRight);
  chart_ = new QChartView(chart, this);
  chart_->setObjectName(QStringLiteral("chtCompare"));
  chart_->setMinimumSize(200, 160);

  auto* right = new QSplitter(Qt::Vertical, this);
  right->setChildrenCollapsible(false);
  right->addWidget(table_);
  right->addWidget(chart_);
  right->setSizes({300, 700});
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(left);
  row->addWidget(right, 1);

  connect(add, &QPushButton::clicked, this, &SchemeCompare::addSchemeFile);
  connect(removeButton_, &QPushButton::clicked, this, &SchemeCompare::removeSelected);
  connect(run, &QPushButton::clicked, this, &SchemeCompare::compareRequested);
}

bool SchemeCompare::addSchemeFile() {
  const QString path = dialogs_.openFile(this, QStringLiteral("方案文件 (*.json)"));
  if (path.isEmpty()) return false;
  const QString name = QFileInfo(path).fileName();
  try {
    Conditions c = ReadSchemeFile(QFile::encodeName(path).toStdString());
    files_.push_back({path, std::move(c)});
  } catch (const std::exception& e) {
    dialogs_.warning(
        this, QStringLiteral("Torvane"),
        QStringLiteral("方案文件 %1 不能加入对比：\n%2").arg(name, QString::fromUtf8(e.what())));
    return false;
  }
  list_->addItem(name);
  list_->item(list_->count() - 1)->setToolTip(path);
  list_->setCurrentRow(list_->count() - 1);
  return true;
}

void SchemeCompare::removeSelected() {
  const int row = list_->currentRow();
  if (row < 1) return;  // 当前条件 always stays
  files_.erase(files_.begin() + (row - 1));
  delete list_->takeItem(row);
}

void SchemeCompare::compare(const Conditions& current, const DigitTable& baseSet,
                            std::span<const history::Draw> draws, const history::Draw* previous) {
  std::vector<SchemeBacktest> schemes;
  schemes.push_back({"当前条件", Backtest(current, baseSet, draws, previous)});
  for (const SchemeFile& f : files_) {
    try {
      schemes.push_back({QFileInfo(f.path).fileName().toStdString(),
                         Backtest(f.conditions, baseSet, draws, previous)});
    } catch (const RunError& e) {
      // A box text of the file that a run refuses: say which file, compare the others.
      dialogs_.warning(
          this, QStringLiteral("Torvane"),
          QStringLiteral("方案文件 %1 无法回测：%2")
              .arg(QFileInfo(f.path).fileName(), QString::fromStdString(DescribeRunError(e))));
    }
  }
  model_->setSchemes(std::move(schemes));
  fillChart();
}

void SchemeCompare::fillChart() {
  QChart* chart = chart_->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  const std::vector<SchemeBacktest>& schemes = model_->schemes();
  if (schemes.empty()) return;
  auto* x = new QValueAxis(chart);
  x->setTitleText(QStringLiteral("回测的第几期（左旧右新）"));
  x->setLabelFormat(QStringLiteral("%d"));
  auto* y = new QValueAxis(chart);
  y->setTitleText(QStringLiteral("累计中奖期数"));
  y->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  const int n = schemes.front().report.tested;
  double top = 1;
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    const QColor colour = kColours[i % std::size(kColours)];
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
