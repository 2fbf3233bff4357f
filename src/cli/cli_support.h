#pragma once
// What every torvane-cli command shares: failures with exit status 3, number files and output.

#include <optional>
#include <ostream>
#include <string>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "core/number_text.h"

namespace torvane::cli {

// Thrown for exit status 3: a file or database problem; the message names it.
struct FileProblem {
  std::string message;
};

// A scheme file; a bad one is a FileProblem naming file, key and value.
Conditions ReadScheme(const std::string& path);

// A number file as a base set; a file holding no number is a FileProblem too.
DigitTable ReadNumbers(const std::string& path);
// The same file as one flag per number, for a vote over many files.
NumberPresence ReadNumberPresence(const std::string& path);

// A run that failed, in the player's words: "缩水失败：容错级别的最小值是空的".
std::string RunFailureText(const std::exception& e);

// Writes the whole text to out, or atomically to outPath. Throws FileProblem when it cannot.
void Emit(const std::string& text, const std::optional<std::string>& outPath, std::ostream& out);

}  // namespace torvane::cli
