#pragma once
// The small note beside a number box's count telling how many pasted or imported pieces
// were not five-digit numbers and so were left out.

class QLabel;
class QString;
class QWidget;

namespace torvane::widgets {

// Give it a stretch in its row: it takes the room left over and never widens the row.
QLabel* MakeDroppedNote(QWidget* parent, const QString& name);
// Empty (and so out of the way) for 0.
void ShowDropped(QLabel* note, int dropped);

}  // namespace torvane::widgets
