#include "ui/draws/draw_table_model.h"

#include <QFont>
#include <QLocale>
#include <algorithm>
#include <numeric>

#include "history/draw_figures.h"

namespace torvane::ui {

namespace {

const char* const kHeaders[DrawTableModel::Count] = {
    "期号",   "日期",   "开奖号码", "和值",   "跨度",     "大小比",
    "奇偶比", "质合比", "012路",    "销售额", "中奖注数", "单注奖金",
};

const std::optional<std::int64_t>& Amount(const history::Draw& d, int column) {
  return column == DrawTableModel::Sales     ? d.sales
         : column == DrawTableModel::Winners ? d.winners
                                             : d.prize;
}

bool IsAmount(int column) {
  return column == DrawTableModel::Sales || column == DrawTableModel::Winners ||
         column == DrawTableModel::Prize;
}

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
    case DrawTableModel::Sales:
    case DrawTableModel::Winners:
    case DrawTableModel::Prize:
      // Grouped by thousands, as the lottery's own pages print them.
      if (const auto& v = Amount(d, column)) return QLocale(QLocale::English).toString(*v);
      return {};
  }
  return {};
}

// Orders two draws by a column: negative, zero or positive. History order stands in for the
// period, as the history is sorted by it.
int Compare(const history::Draw& a, const history::Draw& b, int column) {
  auto cmp = [](const auto& x, const auto& y) { return x < y ? -1 : (y < x ? 1 : 0); };
  switch (column) {
    case DrawTableModel::Date:
      return cmp(a.date, b.date);
    case DrawTableModel::Number:
      return cmp(a.digits, b.digits);
    case DrawTableModel::Sum:
      return cmp(history::DigitSum(a.digits), history::DigitSum(b.digits));
    case DrawTableModel::Span:
      return cmp(history::DigitSpan(a.digits), history::DigitSpan(b.digits));
    case DrawTableModel::Period:
      return 0;
    case DrawTableModel::Sales:
    case DrawTableModel::Winners:
    case DrawTableModel::Prize:
      // Unknown sorts below every amount.
      return cmp(Amount(a, column), Amount(b, column));
    default:
      // The ratios and the routes read in digit order as text.
      return cmp(Figure(a, column), Figure(b, column));
  }
}

}  // namespace

DrawTableModel::DrawTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DrawTableModel::setHistory(std::vector<history::Draw> history) {
  beginResetModel();
  history_ = std::move(history);
  applyOrder();
  endResetModel();
}

void DrawTableModel::applyOrder() {
  rows_.resize(history_.size());
  std::iota(rows_.begin(), rows_.end(), 0);
  const bool down = sortOrder_ == Qt::DescendingOrder;
  std::stable_sort(rows_.begin(), rows_.end(), [&](int i, int j) {
    const int c = Compare(history_[i], history_[j], sortColumn_);
    if (c != 0) return down ? c > 0 : c < 0;
    return down ? i > j : i < j;
  });
}

void DrawTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= Count) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> shown;
  for (const QModelIndex& i : before) shown.push_back(rows_[i.row()]);
  sortColumn_ = column;
  sortOrder_ = order;
  applyOrder();
  std::vector<int> rowOfIndex(rows_.size());
  for (size_t r = 0; r < rows_.size(); ++r) rowOfIndex[rows_[r]] = static_cast<int>(r);
  QModelIndexList after;
  for (qsizetype k = 0; k < before.size(); ++k)
    after << index(rowOfIndex[shown[k]], before[k].column());
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const history::Draw& DrawTableModel::draw(int row) const {
  return history_[rows_[static_cast<size_t>(row)]];
}

int DrawTableModel::rowOf(const std::string& period) const {
  for (size_t r = 0; r < rows_.size(); ++r)
    if (history_[rows_[r]].period == period) return static_cast<int>(r);
  return -1;
}

bool DrawTableModel::anyFigure(int column) const {
  if (!IsAmount(column)) return false;
  return std::any_of(history_.begin(), history_.end(),
                     [&](const history::Draw& d) { return Amount(d, column).has_value(); });
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
  if (role == Qt::TextAlignmentRole)
    return IsAmount(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignCenter);
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

#include "moc_draw_table_model.cpp"
