#pragma once
// Plain-text clipboard access. Writes report failure instead of showing anything,
// so each caller shows its own message.

#include <QString>

namespace torvane::widgets {

QString ReadClipboardText();
// Clears the clipboard and puts text on it; false when it did not take.
bool WriteClipboardText(const QString& text);

// Tests make the next writes fail.
void SetClipboardFailuresForTests(int count);

}  // namespace torvane::widgets
