#pragma once
// One attribute's statistics as a table: a row per value, its probability, hits against
// the expected hits, omission against the mean omission of a fair draw. The 当前遗漏 cell is
// shaded by current ÷ mean omission.

#include <QAbstractTableModel>

#include "history/attribute_stats.h"

namespace torvane::ui {

// Shade of a current omission against the fair mean, read as a player reads hot and cold:
// absent longer than the mean is cold (bluest from three times the mean); drawn within the
// last kRecentDraws draws, and sooner than the mean, is warm (reddest when just drawn);
// anything else under the mean is pale, so a rare value missing for thousands of draws, or
// never drawn, is neither hot nor overdue.
inline constexpr int kRecentDraws = 10;
float OmissionRatioHeat(double current, double expectedGap, bool everDrawn);

class AttributeStatsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Value, Probability, Hits, Expected, Current, Longest, ExpectedGap, ColumnCount };

  AttributeStatsModel(history::Attribute attribute, QObject* parent = nullptr);

  history::Attribute attribute() const { return attribute_; }
  // The rows stay the same values, so a new history keeps the player's selection.
  void setStats(const history::AttributeStats& stats, int draws);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  history::Attribute attribute_;
  history::AttributeStats stats_;
  int draws_ = 0;
};

}  // namespace torvane::ui
