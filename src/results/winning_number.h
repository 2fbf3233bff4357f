#pragma once
// The winning-number check: a five-digit number looked up by position in the results.

#include <QString>

#include "core/digit_table.h"

namespace torvane::results {

struct WinningInput {
  bool accepted = false;
  QString text;  // the box text after the leave clean-up
};

// Leaving the box: spaces at both ends and every "." go; empty or five decimal digits are
// accepted.
WinningInput CleanWinningNumber(const QString& text);

// True when a row of the table has the five digits of number, position by position.
bool ContainsNumber(const DigitTable& table, const QString& number);

}  // namespace torvane::results
