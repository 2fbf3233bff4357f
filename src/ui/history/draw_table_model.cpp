#include "ui/history/draw_table_model.h"

#include <QFont>

#include "history/draw_figures.h"

namespace torvane::ui {

namespace {

const char* const kHeaders[DrawTableModel::Count] = {
    "期号", "日期", "开奖号码", "和值", "跨度", "大小比", "奇偶比", "质合比", "012路",
};

QString Figure(const history::Draw& d, int column) {
  switch (column) {
    case DrawTableModel::Period:
      return QString::fromStdString(d.period);
    case DrawTableModel::Date:
      return QString::fromStdString(d.date);
    case DrawTableModel::Number:
      return QString::fromStdString(d.NumberText());
    case DrawTableModel::Sum:
      return QString::number(history::DigitSum(d.digits));
    case DrawTableModel::Span:
      return QString::number(history::DigitSpan(d.digits));
    case DrawTableModel::BigSmall:
      return QString::fromStdString(history::BigSmallRatio(d.digits));
    case DrawTableModel::OddEven:
      return QString::fromStdString(history::OddEvenRatio(d.digits));
    case DrawTableModel::PrimeComposite:
      return QString::fromStdString(history::PrimeCompositeRatio(d.digits));
    case DrawTableModel::Route:
      return QString::fromStdString(history::RouteText(d.digits));
  }
  return {};
}

}  // namespace

DrawTableModel::DrawTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawTableModel::setHistory(std::vector<history::Draw> history) {
  beginResetModel();
  history_ = std::move(history);
  endResetModel();
}

const history::Draw& DrawTableModel::draw(int row) const {
  return history_[history_.size() - 1 - static_cast<size_t>(row)];
}

int DrawTableModel::rowOf(const std::string& period) const {
  for (size_t i = 0; i < history_.size(); ++i)
    if (history_[i].period == period) return static_cast<int>(history_.size() - 1 - i);
  return -1;
}

int DrawTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(history_.size());
}

int DrawTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return Figure(draw(index.row()), index.column());
  if (role == Qt::TextAlignmentRole) return Qt::AlignCenter;
  if (role == Qt::FontRole && index.column() == Number) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  return {};
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation o, int role) const {
  if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Count)
    return QAbstractTableModel::headerData(section, o, role);
  return QString::fromUtf8(kHeaders[section]);
}

}  // namespace torvane::ui
