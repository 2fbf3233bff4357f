#pragma once
// The copy-text path every clipboard copy of results takes: build the text of a row range,
// pass it through getvbsdata, place it on the clipboard with retries.

#include <QString>

#include "core/digit_table.h"

class QWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::results {

using widgets::Dialogs;


enum CopyMode { kCopyPage = 5, kCopyAll = 10 };  // numbers per line

// Five-character text of row index ("12345"); empty outside the table.
QString GetData(const DigitTable& table, int index);

// Rows first..last (0-based, inclusive): numbers separated by single spaces, mode numbers
// to a line, lines joined by CR LF. Empty when the range or mode is not usable.
QString BuildCopyResult(const DigitTable& table, int first, int last, int mode);

// Final transform of every copy text on its way to the clipboard.
QString getvbsdata(const QString& text);

// Up to kClipboardAttempts tries, pending events handled before each. data_cp shows the
// "复制成功" notice on success; both show the error box when every attempt failed.
constexpr int kClipboardAttempts = 100;
bool data_cp(Dialogs& dialogs, QWidget* parent, const QString& text);
bool data_cp_notishi(Dialogs& dialogs, QWidget* parent, const QString& text);

// Shown when no copy text could be built.
void ShowEmptyCopyText(Dialogs& dialogs, QWidget* parent);

}  // namespace torvane::results
