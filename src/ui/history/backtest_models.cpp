#include "ui/history/backtest_models.h"

#include <QColor>
#include <QFont>
#include <algorithm>

#include "ui/history/backtest_summary.h"

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
      switch (index.column()) {
        case Name:
          return QString::fromStdString(c.name);
        case Killed:
          return c.killed;
        case Rate:
          return PercentText(c.killRate);
        case CurrentStreak:
          return c.currentStreak;
        case LongestStreak:
          return c.longestStreak;
      }
      return {};
    case SortRole:
      switch (index.column()) {
        case Name:
          return row;  // run order
        case Killed:
        case Rate:
          return c.killed;
        case CurrentStreak:
          return c.currentStreak;
        case LongestStreak:
          return c.longestStreak;
      }
      return {};
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
  static const char* const kHeaders[Count] = {"条件", "杀中奖号期数", "比例", "当前连续未杀",
                                              "最长连续未杀"};
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  return QString::fromUtf8(kHeaders[section]);
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

}  // namespace torvane::ui
