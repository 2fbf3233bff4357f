#pragma once
// The copy-text path every clipboard copy of results takes: build the text of a row range,
// place it on the clipboard with retries.

#include <QString>

#include "core/digit_table.h"

class QWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::results {

using widgets::Dialogs;

enum CopyMode { kCopyPage = 5, kCopyAll = 10 };  // numbers per line

// Five-character text of one row ("12345"); empty outside the table.
QString RowNumberText(const DigitTable& table, int row);

// Rows first..last (0-based, inclusive): numbers separated by single spaces, mode numbers
// to a line, lines joined by CR LF. Empty when the range or mode is not usable.
QString BuildCopyResult(const DigitTable& table, int first, int last, int mode);

// Up to kClipboardAttempts tries, pending events handled before each; the error box when
// every attempt failed. CopyToClipboard then shows the "复制成功" notice, the quiet one does
// not (its caller says more itself).
constexpr int kClipboardAttempts = 100;
bool CopyToClipboard(Dialogs& dialogs, QWidget* parent, const QString& text);
bool CopyToClipboardQuietly(Dialogs& dialogs, QWidget* parent, const QString& text);

// Shown when no copy text could be built.
void ShowEmptyCopyText(Dialogs& dialogs, QWidget* parent);

}  // namespace torvane::results
