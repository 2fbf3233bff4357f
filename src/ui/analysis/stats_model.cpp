#include "ui/analysis/stats_model.h"

#include <algorithm>

#include "core/figure_text.h"
#include "widgets/heat_color.h"

namespace torvane::ui {

using widgets::HeatColor;
namespace {

// Through the engine's rounding, so a figure reads here as torvane-cli prints it.
QString Fixed(double value, int decimals) {
  return QString::fromStdString(FixedText(value, decimals));
}

const char* const kHeaders[AttributeStatsModel::ColumnCount] = {
    "值", "理论\n概率", "出现\n次数", "期望\n次数", "当前\n遗漏", "最大\n遗漏", "平均遗漏\n(理论)"};

}  // namespace

float OmissionRatioHeat(double current, double expectedGap, bool everDrawn) {
  const double ratio = expectedGap > 0 ? current / expectedGap : 0;
  // Absent longer than a fair draw's mean: cold, bluest from three times the mean on.
  if (ratio >= 1) return static_cast<float>(0.5 - std::min(1.0, (ratio - 1) / 2) / 2);
  // Hot is what a player calls hot: drawn lately. A rare value last drawn thousands of draws
  // ago is well under its mean but not hot, and one never drawn has not come at all.
  if (!everDrawn) return 0.5f;
  const double recent = std::min(expectedGap, static_cast<double>(kRecentDraws));
  return static_cast<float>(0.5 + std::max(0.0, 1 - current / recent) / 2);
}

AttributeStatsModel::AttributeStatsModel(history::Attribute attribute, QObject* parent)
    : QAbstractTableModel(parent), attribute_(attribute) {
  stats_.attribute = attribute;
  stats_.values.resize(history::ValueCount(attribute));
}

void AttributeStatsModel::setStats(const history::AttributeStats& stats, int draws) {
  stats_ = stats;
  draws_ = draws;
  emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int AttributeStatsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(stats_.values.size());
}

int AttributeStatsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant AttributeStatsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const history::ValueStats& v = stats_.values[index.row()];
  const int column = index.column();
  // Without draws only what a fair draw gives can be shown.
  const bool fromHistory = column == Hits || column == Current || column == Longest;
  if (role == Qt::TextAlignmentRole)
    return column == Value ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
  if (draws_ == 0 && (fromHistory || column == Expected)) return {};
  switch (role) {
    case Qt::DisplayRole:
      switch (column) {
        case Value:
          return QString::fromStdString(history::ValueLabel(attribute_, index.row()));
        case Probability:
          return QString::fromStdString(PercentText(v.probability, 3));
        case Hits:
          return v.hits;
        case Expected:
          return Fixed(v.expected, 2);
        case Current:
          return v.current;
        case Longest:
          return v.longest;
        default:
          return Fixed(v.expectedGap, 2);
      }
    case Qt::BackgroundRole:
      if (column == Current)
        return HeatColor(OmissionRatioHeat(v.current, v.expectedGap, v.current < draws_));
      return {};
    case Qt::ForegroundRole:
      return column == Current ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::ToolTipRole:
      if (column != Current) return {};
      return QStringLiteral(
                 "%1 %2 期没有开出，是平均遗漏(理论) %3 期的 %4 倍。"
                 "开奖没有记忆：倍数大不表示下一期更容易开出。")
          .arg(v.current < draws_ ? QStringLiteral("已连续") : QStringLiteral("全部"))
          .arg(v.current)
          .arg(Fixed(v.expectedGap, 2), Fixed(v.current / v.expectedGap, 2));
    default:
      return {};
  }
}

QVariant AttributeStatsModel::headerData(int section, Qt::Orientation o, int role) const {
  if (role != Qt::DisplayRole || o != Qt::Horizontal || section < 0 || section >= ColumnCount)
    return QAbstractTableModel::headerData(section, o, role);
  return QString::fromUtf8(kHeaders[section]);
}

}  // namespace torvane::ui

#include "moc_stats_model.cpp"
