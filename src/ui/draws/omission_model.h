#pragma once
// The omission table (遗漏): three rows per position (current omission, largest omission,
// appearances in the window) and one column per digit, shaded from cold to hot so the
// picture reads before the numbers.

#include <QAbstractTableModel>
#include <QColor>
#include <span>

#include "history/omission.h"
#include "widgets/heat_color.h"

namespace torvane::ui {

using widgets::HeatColor;

// Heat of each figure row: 0 coldest, 1 hottest, relative to the other digits of its row.
// Few draws since the last showing, a short largest gap and many showings are hot.
float OmissionHeat(const history::OmissionTable& table, int position, int figure, int digit);

class OmissionModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Figure { Current, Largest, Hits, FigureCount };

  explicit OmissionModel(QObject* parent = nullptr);

  // history oldest first; lastN 0 means every draw.
  void compute(std::span<const history::Draw> history, int lastN);
  const history::OmissionTable& table() const { return table_; }
  int lastN() const { return lastN_; }

  static int rowFor(int position, Figure figure) { return position * FigureCount + figure; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  QString toolTip(int position, int digit) const;

  history::OmissionTable table_;
  int lastN_ = 0;
};

}  // namespace torvane::ui
