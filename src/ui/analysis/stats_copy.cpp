#include "ui/analysis/stats_copy.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <algorithm>

namespace torvane::ui {
namespace {

// Headers break over two lines on screen; a cell of a spreadsheet keeps one.
QString OneLine(QString text) {
  return text.replace(QLatin1Char('\n'), QString()).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

}  // namespace

QString SelectedRowsTsv(const QAbstractItemModel& model, const QItemSelectionModel& selection,
                        const QString& firstHeader) {
  std::vector<int> rows;
  for (const QModelIndex& i : selection.selectedIndexes()) rows.push_back(i.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.empty()) return {};
  const int columns = model.columnCount();
  QStringList lines;
  QStringList cells{firstHeader};
  for (int c = 1; c < columns; ++c)
    cells << OneLine(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
  lines << cells.join(QLatin1Char('\t'));
  for (int r : rows) {
    cells.clear();
    for (int c = 0; c < columns; ++c) cells << OneLine(model.index(r, c).data().toString());
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace torvane::ui
