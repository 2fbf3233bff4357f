#include "ui/backtest/backtest_models.h"

#include <QColor>
#include <QFont>
#include <algorithm>

#include "core/figure_text.h"

namespace torvane::ui {

namespace {

const QColor kMissed(200, 0, 0);
const QColor kHighlight(255, 235, 120);

}  // namespace

ConditionStatsModel::ConditionStatsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ConditionStatsModel::setReport(BacktestPtr report) {
  beginResetModel();
  report_ = std::move(report);
  highlight_ = 0;
  mostKilled_ = 0;
  if (report_)
    for (const ConditionRecord& c : report_->conditions)
      mostKilled_ = std::max(mostKilled_, c.killed);
  endResetModel();
}

void ConditionStatsModel::setHighlight(uint64_t mask) {
  if (mask == highlight_) return;
  highlight_ = mask;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
}

bool ConditionStatsModel::isWorst(int condition) const {
  return report_ && mostKilled_ > 0 && report_->conditions[condition].killed == mostKilled_;
}

int ConditionStatsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !report_ ? 0 : static_cast<int>(report_->conditions.size());
}

int ConditionStatsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant ConditionStatsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  const ConditionRecord& c = report_->conditions[row];
  switch (role) {
    case Qt::DisplayRole:
      return ConditionCell(*report_, row, index.column());
    case SortRole: {
      const std::vector<ConditionWorth>& shown = ShownWorth(*report_);
      const bool worth = shown.size() == report_->conditions.size();
      const ConditionWorth* w = worth ? &shown[row] : nullptr;
      const ConditionWorth* check =
          worth && report_->heldOut ? &report_->heldOut->check.decision.worth[row] : nullptr;
      switch (index.column()) {
        case Killed:
        case Rate:
          return report_->heldOut && w ? w->killedWinners : c.killed;
        case PValue:
          return w ? w->pValue : 1.0;
        case PHolm:
          return w ? w->pHolm : 1.0;
        case CheckKilled:
        case CheckRate:
          return check ? check->killedWinners : 0;
        case CurrentStreak:
          return c.currentStreak;
        case LongestStreak:
          return c.longestStreak;
        case KillShare:
          return w ? w->killShare : 0.0;
        case Ratio:
          return w && w->ratio ? *w->ratio : -1.0;
        case ResultsWithout:
          return w ? w->resultsWithout : 0;
        case KeptWithout:
          return w ? w->keptWithout : 0;
      }
      return row;  // run order
    }
    case Qt::FontRole:
      if (isWorst(row)) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::ForegroundRole:
      return isWorst(row) ? QVariant(kMissed) : QVariant();
    case Qt::BackgroundRole:
      return highlight_ >> row & 1 ? QVariant(kHighlight) : QVariant();
    case Qt::ToolTipRole:
      if (isWorst(row))
        return QStringLiteral("杀中奖号最多的条件：%1 期里杀掉了 %2 期的开奖号码")
            .arg(report_->tested)
            .arg(c.killed);
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignCenter);
  }
  return {};
}

QVariant ConditionStatsModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  if (role == Qt::DisplayRole) return ConditionHeader(section);
  if (role == Qt::ToolTipRole) return ConditionHeaderTip(section);
  return QAbstractTableModel::headerData(section, o, role);
}

DrawVerdictModel::DrawVerdictModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawVerdictModel::setReport(BacktestPtr report) {
  beginResetModel();
  report_ = std::move(report);
  endResetModel();
}

int DrawVerdictModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !report_ ? 0 : static_cast<int>(report_->draws.size());
}

int DrawVerdictModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant DrawVerdictModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int i = drawIndex(index.row());
  const history::Draw& d = report_->draws[i];
  const DrawVerdict& v = report_->judged.draws[i];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case Period:
          return QString::fromStdString(d.period);
        case Date:
          return QString::fromStdString(d.date);
        case Number:
          return QString::fromStdString(d.NumberText());
        case Failed:
          return v.failed;
        case KilledBy:
          return KilledText(*report_, v);
        case Outcome:
          return OutcomeText(v);
      }
      return {};
    case SortRole:
      switch (index.column()) {
        case Number:
          return QString::fromStdString(d.NumberText());
        case Failed:
        case KilledBy:
          return v.failed;
        case Outcome:
          return !v.inBase ? 0 : v.kept ? 2 : 1;
      }
      return i;  // period and date: draw order
    case Qt::ForegroundRole:
      return v.kept ? QVariant() : QVariant(kMissed);
    case Qt::ToolTipRole:
      return index.column() == KilledBy && v.killedBy ? KilledText(*report_, v) : QVariant();
    case Qt::TextAlignmentRole:
      return index.column() == KilledBy ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignCenter);
  }
  return {};
}

QVariant DrawVerdictModel::headerData(int section, Qt::Orientation o, int role) const {
  static const char* const kHeaders[Count] = {"期号",       "日期",         "号码",
                                              "错几个条件", "被哪些条件杀", "结果"};
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  return QString::fromUtf8(kHeaders[section]);
}

ToleranceTableModel::ToleranceTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ToleranceTableModel::setReport(BacktestPtr report) {
  beginResetModel();
  report_ = std::move(report);
  used_ = report_ ? rowOf(report_->judged.tolerance) : -1;
  endResetModel();
}

int ToleranceTableModel::rowOf(ToleranceRange range) const {
  for (int row = 0; row < rowCount(); ++row)
    if (this->range(row).min == range.min && this->range(row).max == range.max) return row;
  return -1;
}

int ToleranceTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !report_ ? 0 : static_cast<int>(ShownTolerance(*report_).size());
}

int ToleranceTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant ToleranceTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ToleranceRow& t = range(index.row());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case Min:
        return t.min;
      case Max:
        return t.max;
      case Results:
        return t.results;
      case Share:
        return PercentText(t.share);
      case Kept:
        return t.kept;
      case HitRate:
        return PercentText(t.hitRate);
      case Ratio:
        return t.ratio ? QString::fromStdString(FixedText(*t.ratio, 2)) : QStringLiteral("无");
      case CheckKept:
      case CheckHitRate: {
        if (!report_->heldOut) return {};
        const ToleranceRow& c = report_->heldOut->check.decision.toleranceTable[index.row()];
        return index.column() == CheckKept ? QVariant(c.kept) : QVariant(PercentText(c.hitRate));
      }
    }
  } else if (role == Qt::BackgroundRole) {
    return index.row() == used_ ? QVariant(kHighlight) : QVariant();
  } else if (role == Qt::ToolTipRole) {
    return index.row() == used_ ? QStringLiteral("这次回测用的容错范围")
                                : QStringLiteral("点击或按回车：容错级别改为 %1-%2 并重新回测")
                                      .arg(t.min)
                                      .arg(t.max);
  } else if (role == Qt::TextAlignmentRole) {
    return QVariant(Qt::AlignCenter);
  }
  return {};
}

QVariant ToleranceTableModel::headerData(int section, Qt::Orientation o, int role) const {
  static const char* const kHeaders[Count] = {"最小容错",    "最大容错",     "注数",
                                              "占比",        "中奖期数",     "命中率",
                                              "命中率÷占比", "检验中奖期数", "检验命中率"};
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  return QString::fromUtf8(kHeaders[section]);
}

DrawFilterModel::DrawFilterModel(DrawVerdictModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(source);
  setSortRole(DrawVerdictModel::SortRole);
}

void DrawFilterModel::setShow(Show show) {
  if (show == show_) return;
  show_ = show;
  invalidateRowsFilter();
}

int DrawFilterModel::drawIndex(int row) const {
  return source_->drawIndex(mapToSource(index(row, 0)).row());
}

int DrawFilterModel::rowOfDraw(int drawIndex) const {
  return mapFromSource(source_->index(source_->rowOf(drawIndex), 0)).row();
}

bool DrawFilterModel::filterAcceptsRow(int row, const QModelIndex&) const {
  return show_ == All || source_->verdict(row).kept == (show_ == Kept);
}

}  // namespace torvane::ui

#include "moc_backtest_models.cpp"
