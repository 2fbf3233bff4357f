#include "widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace torvane::widgets {
namespace {
int g_failures = 0;
}

QString ReadClipboardText() {
  QClipboard* cb = QGuiApplication::clipboard();
  return cb ? cb->text() : QString();
}

bool WriteClipboardText(const QString& text) {
  if (g_failures > 0) {
    --g_failures;
    return false;
  }
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return false;
  cb->clear();
  cb->setText(text);
  return cb->text() == text;
}

void SetClipboardFailuresForTests(int count) {
  g_failures = count;
}

}  // namespace torvane::widgets
