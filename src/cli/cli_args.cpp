#include "cli/cli_args.h"

#include <climits>
#include <initializer_list>

#include "history/draw_line.h"
#include "net/http_download.h"
#include "setops/vote_merge.h"

namespace torvane::cli {
namespace {

using Problem = std::optional<std::string>;

std::optional<SetOp> SetOpByName(const std::string& name) {
  if (name == "and") return SetOp::Intersection;
  if (name == "or") return SetOp::Union;
  if (name == "a-b") return SetOp::AMinusB;
  if (name == "b-a") return SetOp::BMinusA;
  return std::nullopt;
}

// An option a command takes: either a value (value set) or a flag (flag set).
struct Option {
  const char* name;
  std::optional<std::string>* value = nullptr;
  bool* flag = nullptr;
  const char* needs = "a file name";
};

// Sorts args[from..] into the given options and the positional arguments.
Problem Scan(const std::vector<std::string>& args, size_t from, const std::string& verb,
             std::initializer_list<Option> options, std::vector<std::string>& positional) {
  for (size_t i = from; i < args.size(); ++i) {
    const std::string& a = args[i];
    const Option* match = nullptr;
    for (const Option& o : options)
      if (a == o.name) match = &o;
    if (!match) {
      if (a.size() > 1 && a[0] == '-') return "unknown option '" + a + "' for " + verb;
      positional.push_back(a);
      continue;
    }
    if (match->flag) {
      if (*match->flag) return a + " given twice";
      *match->flag = true;
      continue;
    }
    if (*match->value) return a + " given twice";
    if (i + 1 >= args.size()) return a + " needs " + match->needs;
    *match->value = args[++i];
  }
  return std::nullopt;
}

// A whole number of at least 1, digits only.
Problem PositiveCount(const std::optional<std::string>& text, std::optional<int>& count) {
  if (!text) return std::nullopt;
  long long v = 0;
  bool ok = !text->empty() && text->size() <= 10;
  for (char c : *text) {
    if (c < '0' || c > '9') ok = false;
    if (ok) v = v * 10 + (c - '0');
  }
  if (!ok || v < 1 || v > INT_MAX)
    return "--last needs a positive whole number, not '" + *text + "'";
  count = static_cast<int>(v);
  return std::nullopt;
}

// --price, --prize, --multiple and --holdout: a whole number from 1 to top, digits only.
Problem WholeNumber(const char* option, const std::optional<std::string>& text, long long top,
                    long long& value) {
  if (!text) return std::nullopt;
  long long v = 0;
  bool ok = !text->empty() && text->size() <= 12;
  for (char c : *text) {
    if (c < '0' || c > '9') ok = false;
    if (ok) v = v * 10 + (c - '0');
  }
  if (!ok || v < 1 || v > top)
    return std::string(option) + " 需要 1 至 " + std::to_string(top) + " 的整数，'" + *text +
           "' 不是";
  value = v;
  return std::nullopt;
}

// The three figures of money shared by backtest and compare.
struct MoneyTexts {
  std::optional<std::string> price, prize, multiple;
};

Problem ReadMoney(const MoneyTexts& t, MoneyRules& money) {
  long long v = 0;
  if (Problem p = WholeNumber("--price", t.price, 10000, v)) return p;
  if (t.price) money.price = v;
  if (Problem p = WholeNumber("--prize", t.prize, 1000000000, v)) return p;
  if (t.prize) money.prize = v;
  if (Problem p = WholeNumber("--multiple", t.multiple, 10000, v)) return p;
  if (t.multiple) money.multiple = v;
  return std::nullopt;
}

Problem CheckPeriod(const std::string& period) {
  if (history::IsValidPeriod(period)) return std::nullopt;
  return PeriodProblem(period);
}

Problem ParseRun(const std::vector<std::string>& args, CliCommand& command) {
  RunCommand& rc = command.run;
  std::vector<std::string> positional;
  if (Problem p = Scan(args, 1, "run",
                       {{"--out", &command.out},
                        {"--base", &rc.base},
                        {"--group", nullptr, &rc.group},
                        {"--stats", nullptr, &rc.stats},
                        {"--history", &rc.historyFile},
                        {"--db", &rc.db}},
                       positional))
    return p;
  if (positional.size() != 1) return "run takes exactly one scheme file";
  rc.scheme = positional[0];
  if (rc.historyFile && rc.db)
    return "--history and --db cannot be used together: the draws come from one of them";
  return std::nullopt;
}

Problem ParseSetop(const std::vector<std::string>& args, CliCommand& command) {
  std::vector<std::string> positional;
  if (Problem p = Scan(args, 1, "setop", {{"--out", &command.out}}, positional)) return p;
  if (positional.size() != 3) return "setop takes an operation and two number files";
  std::optional<SetOp> op = SetOpByName(positional[0]);
  if (!op) return "unknown set operation '" + positional[0] + "' (and, or, a-b, b-a)";
  command.setop = {*op, positional[1], positional[2]};
  return std::nullopt;
}

// A whole number of files from 1 to files, digits only.
Problem SetCount(const char* option, const std::string& text, int files, int& count) {
  long long v = 0;
  bool ok = !text.empty() && text.size() <= 10;
  for (char c : text) {
    if (c < '0' || c > '9') ok = false;
    if (ok) v = v * 10 + (c - '0');
  }
  if (!ok || v < 1 || v > files)
    return std::string(option) + " needs a whole number from 1 to " + std::to_string(files) +
           " (the number of files), not '" + text + "'";
  count = static_cast<int>(v);
  return std::nullopt;
}

Problem ParseMerge(const std::vector<std::string>& args, CliCommand& command) {
  MergeCommand& mc = command.merge;
  std::optional<std::string> min, max;
  if (Problem p = Scan(args, 1, "merge",
                       {{"--out", &command.out},
                        {"--min", &min, nullptr, "a number"},
                        {"--max", &max, nullptr, "a number"}},
                       mc.files))
    return p;
  if (mc.files.empty()) return "merge takes one or more number files";
  if (mc.files.size() > static_cast<size_t>(kMaxVoteSets))
    return "merge takes at most " + std::to_string(kMaxVoteSets) + " files";
  if (!min) return "merge needs --min K: how many of the files a number must be in";
  const int files = static_cast<int>(mc.files.size());
  if (Problem p = SetCount("--min", *min, files, mc.minSets)) return p;
  mc.maxSets = files;
  if (max) {
    if (Problem p = SetCount("--max", *max, files, mc.maxSets)) return p;
    if (mc.maxSets < mc.minSets)
      return "--max " + *max + " is smaller than --min " + *min + ": no number could be kept";
  }
  return std::nullopt;
}

Problem ParseHistory(const std::vector<std::string>& args, CliCommand& command) {
  HistoryCommand& hc = command.history;
  const std::string action = args.size() > 1 ? args[1] : "";
  const std::string verb = "history " + action;
  std::vector<std::string> positional;
  Option db{"--db", &hc.db};

  if (action == "import") {
    hc.action = HistoryCommand::Import;
    if (Problem p = Scan(args, 2, verb, {db}, positional)) return p;
    if (positional.size() != 1) return "history import takes exactly one draw file or address";
    hc.file = positional[0];
    if (hc.file.find("://") != std::string::npos && !net::IsWebAddress(hc.file))
      return "'" + hc.file + "': only http:// and https:// addresses can be imported";
    return std::nullopt;
  }
  if (action == "add") {
    hc.action = HistoryCommand::Add;
    std::optional<std::string> date;
    if (Problem p = Scan(args, 2, verb, {db, {"--date", &date, nullptr, "a date"}}, positional))
      return p;
    if (positional.size() != 2) return "history add takes a period and a number";
    if (Problem p = CheckPeriod(positional[0])) return p;
    hc.draw.period = positional[0];
    std::optional<history::Digits> digits = history::DigitsFromText(positional[1]);
    if (!digits) return "'" + positional[1] + "' is not a five-digit number";
    hc.draw.digits = *digits;
    if (date) {
      if (history::NormalizeDate(*date) != *date)
        return "'" + *date + "' is not a date written YYYY-MM-DD";
      hc.draw.date = *date;
    }
    return std::nullopt;
  }
  if (action == "delete") {
    hc.action = HistoryCommand::Delete;
    if (Problem p = Scan(args, 2, verb, {db}, positional)) return p;
    if (positional.empty()) return "history delete takes one or more periods";
    // A malformed period may still be stored by another tool; the store decides.
    for (const std::string& period : positional)
      if (!history::IsValidPeriod(period)) hc.malformed.push_back(period);
    hc.periods = positional;
    return std::nullopt;
  }
  if (action == "export") {
    hc.action = HistoryCommand::Export;
    std::optional<std::string> last;
    if (Problem p =
            Scan(args, 2, verb,
                 {db, {"--out", &command.out}, {"--last", &last, nullptr, "a number"}}, positional))
      return p;
    if (!positional.empty()) return "history export takes no file; use --out FILE";
    return PositiveCount(last, hc.last);
  }
  if (action == "check") {
    hc.action = HistoryCommand::Check;
    if (Problem p = Scan(args, 2, verb, {db}, positional)) return p;
    if (!positional.empty()) return "history check takes no argument but --db DB";
    return std::nullopt;
  }
  if (action.empty()) return "history needs import, add, delete, export or check";
  return "unknown history command '" + action + "' (import, add, delete, export, check)";
}

Problem ParseBacktest(const std::vector<std::string>& args, CliCommand& command) {
  BacktestCommand& bc = command.backtest;
  std::optional<std::string> last, holdout;
  MoneyTexts money;
  std::vector<std::string> positional;
  if (Problem p = Scan(args, 1, "backtest",
                       {{"--out", &command.out},
                        {"--history", &bc.historyFile},
                        {"--db", &bc.db},
                        {"--base", &bc.base},
                        {"--last", &last, nullptr, "a number"},
                        {"--holdout", &holdout, nullptr, "a number"},
                        {"--price", &money.price, nullptr, "a number"},
                        {"--prize", &money.prize, nullptr, "a number"},
                        {"--multiple", &money.multiple, nullptr, "a number"},
                        {"--csv", nullptr, &bc.csv},
                        {"--tolerance-table", nullptr, &bc.toleranceTable}},
                       positional))
    return p;
  if (positional.size() != 1) return "backtest takes exactly one scheme file";
  bc.scheme = positional[0];
  if (bc.historyFile && bc.db)
    return "--history and --db cannot be used together: the draws come from one of them";
  if (Problem p = ReadMoney(money, bc.money)) return p;
  long long h = 0;
  if (Problem p = WholeNumber("--holdout", holdout, INT_MAX, h)) return p;
  if (holdout) bc.holdout = static_cast<int>(h);
  return PositiveCount(last, bc.last);
}

Problem ParseCompare(const std::vector<std::string>& args, CliCommand& command) {
  CompareCommand& cc = command.compare;
  std::optional<std::string> last;
  MoneyTexts money;
  if (Problem p = Scan(args, 1, "compare",
                       {{"--out", &command.out},
                        {"--history", &cc.historyFile},
                        {"--db", &cc.db},
                        {"--base", &cc.base},
                        {"--last", &last, nullptr, "a number"},
                        {"--price", &money.price, nullptr, "a number"},
                        {"--prize", &money.prize, nullptr, "a number"},
                        {"--multiple", &money.multiple, nullptr, "a number"},
                        {"--csv", nullptr, &cc.csv}},
                       cc.schemes))
    return p;
  if (cc.schemes.empty()) return "compare takes one or more scheme files";
  if (cc.historyFile && cc.db)
    return "--history and --db cannot be used together: the draws come from one of them";
  if (Problem p = ReadMoney(money, cc.money)) return p;
  return PositiveCount(last, cc.last);
}

Problem ParseStats(const std::vector<std::string>& args, CliCommand& command) {
  StatsCommand& sc = command.stats;
  std::optional<std::string> last;
  std::vector<std::string> positional;
  if (Problem p = Scan(args, 1, "stats",
                       {{"--out", &command.out},
                        {"--history", &sc.historyFile},
                        {"--db", &sc.db},
                        {"--last", &last, nullptr, "a number"},
                        {"--csv", nullptr, &sc.csv}},
                       positional))
    return p;
  if (!positional.empty()) return "stats takes no file; use --history FILE or --out FILE";
  if (sc.historyFile && sc.db)
    return "--history and --db cannot be used together: the draws come from one of them";
  return PositiveCount(last, sc.last);
}

}  // namespace

std::string PeriodProblem(const std::string& period) {
  return "'" + period + "' is not a period (1-32 letters, digits, '-' or '_', at least one digit)";
}

std::optional<std::string> ParseArgs(const std::vector<std::string>& args, CliCommand& command) {
  command = {};
  if (args.empty()) return "no command given";
  const std::string& verb = args[0];
  if (verb == "-h" || verb == "--help" || verb == "help") {
    if (args.size() > 1) return "help takes no arguments";
    return std::nullopt;
  }
  if (verb == "run") {
    command.kind = CliCommand::Run;
    return ParseRun(args, command);
  }
  if (verb == "setop") {
    command.kind = CliCommand::SetOperation;
    return ParseSetop(args, command);
  }
  if (verb == "merge") {
    command.kind = CliCommand::Merge;
    return ParseMerge(args, command);
  }
  if (verb == "history") {
    command.kind = CliCommand::History;
    return ParseHistory(args, command);
  }
  if (verb == "backtest") {
    command.kind = CliCommand::Backtest;
    return ParseBacktest(args, command);
  }
  if (verb == "compare") {
    command.kind = CliCommand::Compare;
    return ParseCompare(args, command);
  }
  if (verb == "stats") {
    command.kind = CliCommand::Stats;
    return ParseStats(args, command);
  }
  return "unknown command '" + verb + "'";
}

}  // namespace torvane::cli
