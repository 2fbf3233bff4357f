#pragma once
// The history, backtest, compare and stats commands of torvane-cli; RunCli dispatches to them.

#include <ostream>

#include "cli/cli_args.h"

namespace torvane::cli {

// Each returns the exit status and throws FileProblem or store::StoreError for status 3,
// UsageProblem for status 2.
int RunHistory(const CliCommand& command, std::ostream& out, std::ostream& err);
int RunBacktest(const CliCommand& command, std::ostream& out, std::ostream& err);
int RunCompare(const CliCommand& command, std::ostream& out, std::ostream& err);
int RunStats(const CliCommand& command, std::ostream& out);

}  // namespace torvane::cli
