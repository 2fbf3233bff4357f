#pragma once
// The two tables of the back-test page over one report: the conditions (run order, sorted by
// a proxy on SortRole) and the draws (newest first).

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <cstdint>
#include <memory>

#include "run/backtest.h"
#include "ui/backtest/backtest_summary.h"

namespace torvane::ui {

using BacktestPtr = std::shared_ptr<const BacktestReport>;

class ConditionStatsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Name = kCondName,
    Killed = kCondKilled,
    Rate = kCondRate,
    CurrentStreak = kCondCurrentStreak,
    LongestStreak = kCondLongestStreak,
    KillShare = kCondKillShare,
    Ratio = kCondRatio,
    PValue = kCondPValue,
    PHolm = kCondPHolm,
    ResultsWithout = kCondResultsWithout,
    KeptWithout = kCondKeptWithout,
    CheckKilled = kCondCheckKilled,
    CheckRate = kCondCheckRate,
    Count = kConditionColumns
  };
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
  static constexpr int SortRole = Qt::UserRole;

  explicit DrawVerdictModel(QObject* parent = nullptr);

  void setReport(BacktestPtr report);
  // Row `row` (newest first) shows report draw drawIndex(row) (oldest first), and back.
  int drawIndex(int row) const { return rowCount() - 1 - row; }
  int rowOf(int drawIndex) const { return rowCount() - 1 - drawIndex; }
  const DrawVerdict& verdict(int row) const { return report_->judged.draws[drawIndex(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  BacktestPtr report_;
};

// Every tolerance range of the report's conditions, by min then max; the range the report
// used is marked. With draws held out the rows are the choosing part's, the check part's kept
// draws and hit rate beside them.
class ToleranceTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Min, Max, Results, Share, Kept, HitRate, Ratio, CheckKept, CheckHitRate, Count };

  explicit ToleranceTableModel(QObject* parent = nullptr);
  void setReport(BacktestPtr report);
  const ToleranceRow& range(int row) const { return ShownTolerance(*report_)[row]; }
  int rowOf(ToleranceRange range) const;  // -1 when the table has no such row

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  BacktestPtr report_;
  int used_ = -1;
};

// The draw table as shown: sorted by SortRole, and optionally only the kept or the other draws.
class DrawFilterModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  enum Show { All, Kept, NotKept };

  explicit DrawFilterModel(DrawVerdictModel* source, QObject* parent = nullptr);
  void setShow(Show show);
  Show show() const { return show_; }
  // The report draw (oldest first) of a shown row, and back (-1 when filtered out).
  int drawIndex(int row) const;
  int rowOfDraw(int drawIndex) const;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  DrawVerdictModel* source_;
  Show show_ = All;
};

}  // namespace torvane::ui
