#pragma once
// The two tables of the back-test page over one report: the conditions (run order, sorted by
// a proxy on SortRole) and the draws (newest first).

#include <QAbstractTableModel>
#include <cstdint>
#include <memory>

#include "run/backtest.h"

namespace torvane::ui {

using BacktestPtr = std::shared_ptr<const BacktestReport>;

class ConditionStatsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Name, Killed, Rate, CurrentStreak, LongestStreak, Count };
  static constexpr int SortRole = Qt::UserRole;

  explicit ConditionStatsModel(QObject* parent = nullptr);

  void setReport(BacktestPtr report);
  // Conditions to mark (bit i: condition i), e.g. those that kill the selected draw.
  void setHighlight(uint64_t mask);
  uint64_t highlight() const { return highlight_; }
  // True for the condition(s) that killed the most winning numbers (at least one).
  bool isWorst(int condition) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  BacktestPtr report_;
  int mostKilled_ = 0;
  uint64_t highlight_ = 0;
};

class DrawVerdictModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Period, Date, Number, Failed, KilledBy, Outcome, Count };

  explicit DrawVerdictModel(QObject* parent = nullptr);

  void setReport(BacktestPtr report);
  // Row `row` (newest first) shows report draw drawIndex(row) (oldest first), and back.
  int drawIndex(int row) const { return rowCount() - 1 - row; }
  int rowOf(int drawIndex) const { return rowCount() - 1 - drawIndex; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  BacktestPtr report_;
};

}  // namespace torvane::ui
