#pragma once
// A mouse press on a button can take the focus from a box whose leave check asks a
// question. The question's modal box swallows the mouse release, so the button would stay
// pressed and the click be lost; or, when the release does arrive, the click would go
// through although the player chose to stay in the box.

class QWidget;

namespace torvane::widgets {

// Call from the box's focus-out handler, after its leave check, with the widget the press
// gave the focus to. leaveAccepted: the click takes effect exactly once; otherwise it is
// dropped. Does nothing for a target that is not a button.
void SettlePendingClick(QWidget* target, bool leaveAccepted);

}  // namespace torvane::widgets
