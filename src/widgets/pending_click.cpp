#include "widgets/pending_click.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace torvane::widgets {
namespace {

// Eats the press that is on its way to the button, and its release, until the event loop
// turns once more.
class ClickSwallower : public QObject {
 public:
  explicit ClickSwallower(QAbstractButton* button) : QObject(button) {
    button->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { delete this; });
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void SettlePendingClick(QWidget* target, bool leaveAccepted) {
  auto* button = qobject_cast<QAbstractButton*>(target);
  if (!button) return;
  if (!leaveAccepted) {
    new ClickSwallower(button);
    return;
  }
  // The press reaches the button after this returns. Once it has, a button still down with
  // the mouse button already up lost its release to the question box.
  QPointer<QAbstractButton> b(button);
  QTimer::singleShot(0, button, [b] {
    if (!b || !b->isDown() || (QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    b->setDown(false);
    b->click();
  });
}

}  // namespace torvane::widgets
