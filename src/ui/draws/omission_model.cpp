#include "ui/draws/omission_model.h"

#include <algorithm>

namespace torvane::ui {

namespace {

const char* const kPositions[5] = {"万位", "千位", "百位", "十位", "个位"};
const char* const kFigures[OmissionModel::FigureCount] = {"当前遗漏", "最大遗漏", "出现次数"};

int FigureValue(const history::OmissionCell& c, int figure) {
  switch (figure) {
    case OmissionModel::Current:
      return c.current;
    case OmissionModel::Largest:
      return c.largest;
    default:
      return c.hits;
  }
}

}  // namespace

float OmissionHeat(const history::OmissionTable& table, int position, int figure, int digit) {
  const auto& row = table.cells[position];
  int lo = FigureValue(row[0], figure), hi = lo;
  for (const auto& c : row) {
    lo = std::min(lo, FigureValue(c, figure));
    hi = std::max(hi, FigureValue(c, figure));
  }
  if (hi == lo) return 0.5f;
  const float t = static_cast<float>(FigureValue(row[digit], figure) - lo) / (hi - lo);
  return figure == OmissionModel::Hits ? t : 1.0f - t;
}

OmissionModel::OmissionModel(QObject* parent) : QAbstractTableModel(parent) {}

void OmissionModel::compute(std::span<const history::Draw> history, int lastN) {
  beginResetModel();
  lastN_ = lastN;
  table_ = history::ComputeOmission(history, lastN);
  endResetModel();
}

int OmissionModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 5 * FigureCount;
}

int OmissionModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 10;
}

QVariant OmissionModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int position = index.row() / FigureCount, figure = index.row() % FigureCount;
  const int digit = index.column();
  const history::OmissionCell& cell = table_.cells[position][digit];
  switch (role) {
    case Qt::DisplayRole:
      return table_.draws > 0 ? QVariant(FigureValue(cell, figure)) : QVariant();
    case Qt::BackgroundRole:
      if (table_.draws == 0) return {};
      return HeatColor(OmissionHeat(table_, position, figure, digit));
    case Qt::ForegroundRole:
      return table_.draws > 0 ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::ToolTipRole:
      return table_.draws > 0 ? toolTip(position, digit) : QVariant();
    case Qt::TextAlignmentRole:
      return Qt::AlignCenter;
    default:
      return {};
  }
}

QString OmissionModel::toolTip(int position, int digit) const {
  const history::OmissionCell& c = table_.cells[position][digit];
  const QString where =
      QStringLiteral("%1 %2").arg(QString::fromUtf8(kPositions[position])).arg(digit);
  const QString all = QStringLiteral("全部 %1 期").arg(table_.historyDraws);
  if (c.current == table_.historyDraws)
    return QStringLiteral("%1：%2中一次也没有开出。").arg(where, all);
  const QString since = c.current == 0 ? QStringLiteral("最新一期刚开出")
                                       : QStringLiteral("已连续 %1 期没有开出").arg(c.current);
  const QString longest =
      QStringLiteral("%1：%2；%3中最长连续 %4 期没有开出").arg(where, since, all).arg(c.largest);
  if (table_.draws == table_.historyDraws)
    return QStringLiteral("%1，开出 %2 次。").arg(longest).arg(c.hits);
  return QStringLiteral("%1；最近 %2 期中开出 %3 次。").arg(longest).arg(table_.draws).arg(c.hits);
}

QVariant OmissionModel::headerData(int section, Qt::Orientation o, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, o, role);
  if (o == Qt::Horizontal) return QString::number(section);
  if (section < 0 || section >= rowCount()) return {};
  return QStringLiteral("%1 %2").arg(QString::fromUtf8(kPositions[section / FigureCount]),
                                     QString::fromUtf8(kFigures[section % FigureCount]));
}

}  // namespace torvane::ui

#include "moc_omission_model.cpp"
