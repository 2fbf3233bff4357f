#pragma once
// torvane-cli: shrinking, set operations, the draw history and back-tests, no window.

#include <ostream>
#include <string>
#include <vector>

namespace torvane::cli {

enum ExitCode {
  kExitDone = 0,
  kExitFound = 1,  // history check listed something

  kExitUsage = 2,
  kExitBadFile = 3,  // unreadable or invalid scheme, number or draw file, a database problem,
                     // an empty history, unwritable --out
  kExitRunFailed = 4,
  kExitDownloadFailed = 5,  // history import URL could not fetch the file
};

// args without the program name. Results go to out (or --out), messages to err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kUsage;

}  // namespace torvane::cli
