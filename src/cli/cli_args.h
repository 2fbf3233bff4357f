#pragma once
// The command line of torvane-cli, parsed but not yet acted on.

#include <optional>
#include <string>
#include <vector>

#include "history/draw.h"
#include "run/money.h"
#include "setops/set_operation.h"

namespace torvane::cli {

struct RunCommand {
  std::string scheme;
  std::optional<std::string> base;
  bool group = false;
  bool stats = false;
  // Where the newest draw comes from, for a scheme with 按上期 rows.
  std::optional<std::string> historyFile;
  std::optional<std::string> db;
};

struct SetOpCommand {
  SetOp op = SetOp::Intersection;
  std::string fileA;
  std::string fileB;
};

struct MergeCommand {
  std::vector<std::string> files;
  int minSets = 1;  // checked: 1 <= minSets <= maxSets <= files.size()
  int maxSets = 1;
};

struct HistoryCommand {
  enum Action { Import, Add, Delete, Export, Check } action = Import;
  std::optional<std::string> db;     // the default store when not given
  std::string file;                  // Import: a draw file, or an http(s) address
  history::Draw draw;                // Add: checked period, number and date
  std::vector<std::string> periods;  // Delete: as given
  // Delete: the given periods a draw could not have; refused (status 2) unless stored, so a
  // row another tool wrote against the rules can be removed.
  std::vector<std::string> malformed;
  std::optional<int> last;  // Export: the newest N draws
};

struct BacktestCommand {
  std::string scheme;
  std::optional<std::string> historyFile;  // a draw file instead of the store
  std::optional<std::string> db;
  std::optional<std::string> base;
  std::optional<int> last;
  std::optional<int> holdout;  // the newest draws held out for the check
  MoneyRules money;
  bool csv = false;
  bool toleranceTable = false;  // the table of every tolerance instead of the report
};

// Several schemes judged on the same draws, one row each.
struct CompareCommand {
  std::vector<std::string> schemes;
  std::optional<std::string> historyFile;
  std::optional<std::string> db;
  std::optional<std::string> base;
  std::optional<int> last;
  MoneyRules money;
  bool csv = false;
};

struct StatsCommand {
  std::optional<std::string> historyFile;  // a draw file instead of the store
  std::optional<std::string> db;
  std::optional<int> last;  // the window that counts hits; omission is over every draw
  bool csv = false;
};

struct CliCommand {
  enum Kind { Help, Run, SetOperation, Merge, History, Backtest, Compare, Stats } kind = Help;
  RunCommand run;
  SetOpCommand setop;
  MergeCommand merge;
  HistoryCommand history;
  BacktestCommand backtest;
  CompareCommand compare;
  StatsCommand stats;
  std::optional<std::string> out;
};

// Why a text is not a period, for status 2.
std::string PeriodProblem(const std::string& period);

// Fills command, or returns why the command line is wrong.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, CliCommand& command);

}  // namespace torvane::cli
