#pragma once
// torvane-cli in process with a history store of its own: TORVANE_DB points into a temporary
// folder, so no test reaches the real default store.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/temp_files.h"

namespace torvane::cli {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

inline Outcome Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

class CliWithStore : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return dir_.File(name); }
  // A draw file in the temporary folder.
  std::string DrawFile(const std::string& name, const std::string& text) const {
    torvane::testing::WriteBytes(File(name), text);
    return File(name);
  }
  std::string DefaultStore() const { return File("default.db"); }

  torvane::testing::TempDir dir_;
  torvane::testing::ScopedEnv db_{"TORVANE_DB", dir_.File("default.db")};
};

}  // namespace torvane::cli
