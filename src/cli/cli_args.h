#pragma once
// The command line of torvane-cli, parsed but not yet acted on.

#include <optional>
#include <string>
#include <vector>

#include "setops/set_operation.h"

namespace torvane::cli {

struct RunCommand {
  std::string scheme;
  std::optional<std::string> base;
  bool group = false;
  bool stats = false;
};

struct SetOpCommand {
  SetOp op = SetOp::Intersection;
  std::string fileA;
  std::string fileB;
};

struct CliCommand {
  enum Kind { Help, Run, SetOperation } kind = Help;
  RunCommand run;
  SetOpCommand setop;
  std::optional<std::string> out;
};

// Fills command, or returns why the command line is wrong.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args, CliCommand& command);

}  // namespace torvane::cli
