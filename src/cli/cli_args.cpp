#include "cli/cli_args.h"

namespace torvane::cli {
namespace {

std::optional<SetOp> SetOpByName(const std::string& name) {
  if (name == "and") return SetOp::Intersection;
  if (name == "or") return SetOp::Union;
  if (name == "a-b") return SetOp::AMinusB;
  if (name == "b-a") return SetOp::BMinusA;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ParseArgs(const std::vector<std::string>& args, CliCommand& command) {
  command = {};
  if (args.empty()) return "no command given";
  const std::string& verb = args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") {
    if (args.size() > 1) return "help takes no arguments";
    return std::nullopt;
  }
  if (verb != "run" && verb != "setop") return "unknown command '" + verb + "'";
  const bool run = verb == "run";
  command.kind = run ? CliCommand::Run : CliCommand::SetOperation;

  std::vector<std::string> positional;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::optional<std::string>& slot) -> std::optional<std::string> {
      if (slot) return a + " given twice";
      if (i + 1 >= args.size()) return a + " needs a file name";
      slot = args[++i];
      return std::nullopt;
    };
    auto flag = [&](bool& slot) -> std::optional<std::string> {
      if (slot) return a + " given twice";
      slot = true;
      return std::nullopt;
    };
    std::optional<std::string> error;
    if (a == "--out") {
      error = value(command.out);
    } else if (run && a == "--base") {
      error = value(command.run.base);
    } else if (run && a == "--group") {
      error = flag(command.run.group);
    } else if (run && a == "--stats") {
      error = flag(command.run.stats);
    } else if (a.size() > 1 && a[0] == '-') {
      error = "unknown option '" + a + "' for " + verb;
    } else {
      positional.push_back(a);
    }
    if (error) return error;
  }

  if (run) {
    if (positional.size() != 1) return "run takes exactly one scheme file";
    command.run.scheme = positional[0];
    return std::nullopt;
  }
  if (positional.size() != 3) return "setop takes an operation and two number files";
  std::optional<SetOp> op = SetOpByName(positional[0]);
  if (!op) return "unknown set operation '" + positional[0] + "' (and, or, a-b, b-a)";
  command.setop = {*op, positional[1], positional[2]};
  return std::nullopt;
}

}  // namespace torvane::cli
