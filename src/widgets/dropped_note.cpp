#include "widgets/dropped_note.h"

#include <QLabel>

namespace torvane::widgets {

QLabel* MakeDroppedNote(QWidget* parent, const QString& name) {
  auto* note = new QLabel(parent);
  note->setObjectName(name);
  // Never wider than the room its row has left: a note appearing must not reflow the page.
  note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  QPalette p = note->palette();
  p.setColor(QPalette::WindowText, QColor(128, 0, 0));
  note->setPalette(p);
  return note;
}

void ShowDropped(QLabel* note, int dropped) {
  note->setText(dropped > 0 ? QStringLiteral("已忽略 %1 项非五位数字").arg(dropped) : QString());
}

}  // namespace torvane::widgets
