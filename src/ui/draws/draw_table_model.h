#pragma once
// The draws of the history page, newest first until a column header sorts them otherwise,
// with the figures players read every day.

#include <QAbstractTableModel>
#include <vector>

#include "history/draw.h"

namespace torvane::ui {

class DrawTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Period,
    Date,
    Number,
    Sum,
    Span,
    BigSmall,
    OddEven,
    PrimeComposite,
    Route,
    Sales,  // what the lottery published, empty when unknown
    Winners,
    Prize,
    Count
  };

  explicit DrawTableModel(QObject* parent = nullptr);

  // history oldest first, as the store gives it.
  void setHistory(std::vector<history::Draw> history);
  // The draw shown in row `row`.
  const history::Draw& draw(int row) const;
  // The row that shows `period`, or -1.
  int rowOf(const std::string& period) const;
  // Whether any draw carries the figure of a Sales, Winners or Prize column.
  bool anyFigure(int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  // Draws with equal figures stay newest first.
  void sort(int column, Qt::SortOrder order) override;

 private:
  void applyOrder();

  std::vector<history::Draw> history_;  // oldest first
  std::vector<int> rows_;               // the history index each row shows
  int sortColumn_ = Period;
  Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};

}  // namespace torvane::ui
