#pragma once
// What every torvane-cli command shares: failures with exit status 3, number files and output.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "core/number_text.h"

namespace torvane::cli {

// Thrown for exit status 3: a file or database problem; the message names it.
struct FileProblem {
  std::string message;
};

// Thrown for exit status 5: a download that did not bring a file; the message says why.
struct DownloadProblem {
  std::string message;
};

// Thrown for exit status 2 found once the command line is parsed: what it names on disk.
struct UsageProblem {
  std::string message;
};

// A file the command reads, with what it is in the player's words ("历史库", "开奖文件").
struct CommandInput {
  std::string what;
  std::string path;
  bool store = false;  // SQLite's files beside it count too
};

// Refuses (UsageProblem) an --out that would replace one of the inputs: the same file by
// device and inode, through symbolic and hard links; for the store also its -wal, -shm and
// -journal files. Nothing has been read or written yet when it throws.
void RefuseOutOverInputs(const std::optional<std::string>& outPath,
                         const std::vector<CommandInput>& inputs);

// A scheme file; a bad one is a FileProblem naming file, key and value.
Conditions ReadScheme(const std::string& path);

// A number file as a base set; a file holding no number is a FileProblem too.
DigitTable ReadNumbers(const std::string& path);
// The same file as one flag per number, for a vote over many files.
NumberPresence ReadNumberPresence(const std::string& path);

// A run that failed, in the player's words: "缩水失败：容错级别的最小值是空的".
std::string RunFailureText(const std::exception& e);

// Writes the whole text to out, or atomically to outPath. Throws FileProblem when it cannot:
// a full disk, a file-size limit (SIGXFSZ is ignored, so the write fails instead of the
// program dying), a closed pipe.
void Emit(const std::string& text, const std::optional<std::string>& outPath, std::ostream& out);

// The line that reports work already committed to the store. The work stands whether or not
// the line gets out: when it cannot be written, err says the change was made, and the exit
// status stays 0 so no script takes committed work for undone.
int ReportCommitted(const std::string& line, std::ostream& out, std::ostream& err);

}  // namespace torvane::cli
