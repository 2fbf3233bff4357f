#pragma once
// A statistics table's selected rows as a spreadsheet takes them from the clipboard.

#include <QString>

class QAbstractItemModel;
class QItemSelectionModel;

namespace torvane::ui {

// A header line, then every selected row top to bottom, cells as shown, tab between cells
// and a line feed after each row. The first header cell is `firstHeader` (the attribute's
// name, so pasted rows say what they are). Empty when nothing is selected.
QString SelectedRowsTsv(const QAbstractItemModel& model, const QItemSelectionModel& selection,
                        const QString& firstHeader);

}  // namespace torvane::ui
