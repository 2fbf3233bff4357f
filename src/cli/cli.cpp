#include "cli/cli.h"

#include <new>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "setops/vote_merge.h"
#include "store/store_error.h"

namespace torvane::cli {

const char* const kUsage =
    "usage: torvane-cli run SCHEME [--base FILE] [--group] [--stats] [--out FILE]\n"
    "                       [--history FILE | --db DB]\n"
    "       torvane-cli setop and|or|a-b|b-a FILE_A FILE_B [--out FILE]\n"
    "       torvane-cli merge FILE... --min K [--max L] [--out FILE]\n"
    "       torvane-cli history import FILE|URL [--db DB]\n"
    "       torvane-cli history add PERIOD NUMBER [--date YYYY-MM-DD] [--db DB]\n"
    "       torvane-cli history delete PERIOD... [--db DB]\n"
    "       torvane-cli history export [--last N] [--db DB] [--out FILE]\n"
    "       torvane-cli history check [--db DB]\n"
    "       torvane-cli backtest SCHEME [--history FILE | --db DB] [--base FILE] [--last N]\n"
    "                            [--holdout H] [--price P] [--prize W] [--multiple M]\n"
    "                            [--csv] [--tolerance-table] [--out FILE]\n"
    "       torvane-cli compare SCHEME... [--history FILE | --db DB] [--base FILE] [--last N]\n"
    "                           [--price P] [--prize W] [--multiple M] [--csv] [--out FILE]\n"
    "       torvane-cli stats [--history FILE | --db DB] [--last N] [--csv] [--out FILE]\n";

namespace {

// One number per line, built in one buffer.
std::string NumberLines(const DigitTable& table) {
  std::string s(static_cast<size_t>(table.count()) * 6, '\n');
  for (int i = 0; i < table.count(); ++i) {
    const uint8_t* r = table.row(i);
    char* p = s.data() + static_cast<size_t>(i) * 6;
    for (int k = 0; k < kDigits; ++k) p[k] = static_cast<char>('0' + r[k]);
  }
  return s;
}

// Most store messages name the file already; a conflict or a bad draw does not.
std::string StoreMessage(const store::StoreError& e) {
  const std::string message = e.what();
  if (e.path().empty() || message.find(e.path()) != std::string::npos) return message;
  return "history database " + e.path() + ": " + message;
}

int Run(const CliCommand& command, std::ostream& out, std::ostream& err) {
  const RunCommand& rc = command.run;
  const Conditions conditions = ReadScheme(rc.scheme);
  const DigitTable base = rc.base ? ReadNumbers(*rc.base) : DigitTable();
  // The 按上期 rows read the newest draw; without a history they are refused, never dropped.
  DigitTable reference;
  if (RelativeApplied(conditions.relative)) {
    if (!rc.historyFile && !rc.db)
      throw FileProblem{"scheme " + rc.scheme +
                        ": key relative applies 按上期条件, which read the newest draw; give "
                        "--history FILE or --db DB"};
    const std::vector<history::Draw> newest =
        rc.historyFile ? FileDraws(*rc.historyFile, 1) : StoreDraws(rc.db, 1);
    reference.appendRow(newest.back().digits.data());
  }

  RunResult result;
  try {
    result = RunFilters(base, conditions, reference);
  } catch (const RunError& e) {
    err << "torvane-cli: " << RunFailureText(e) << "\n";
    return kExitRunFailed;
  }
  if (rc.stats) {
    for (const KillRowStat& s : result.stats) err << s.name << "\t" << s.killed << "\n";
    err << "结果注数\t" << result.results.count() << "\n";
  }
  if (rc.group) {
    result.results = ConvertToGroup(result.results);
    if (rc.stats) err << "组选注数\t" << result.results.count() << "\n";
  }
  Emit(NumberLines(result.results), command.out, out);
  return kExitDone;
}

int SetOperation(const CliCommand& command, std::ostream& out) {
  const SetOpCommand& sc = command.setop;
  const DigitTable a = ReadNumbers(sc.fileA);
  const DigitTable b = ReadNumbers(sc.fileB);
  Emit(NumberLines(ApplySetOperation(a, b, sc.op)), command.out, out);
  return kExitDone;
}

// Every file is read (and refused) before anything is written.
int Merge(const CliCommand& command, std::ostream& out) {
  const MergeCommand& mc = command.merge;
  VoteTally tally;
  for (const std::string& file : mc.files) tally.addPresence(ReadNumberPresence(file).present);
  Emit(NumberLines(tally.keep(mc.minSets, mc.maxSets)), command.out, out);
  return kExitDone;
}

// The files a command reads that --out must not replace. A number file (--base, setop and
// merge inputs) may be replaced by its own result: that is an update in place, and the inputs
// are read whole first. A scheme, a draw file or the store may not.
std::vector<CommandInput> InputsOf(const CliCommand& command) {
  std::vector<CommandInput> inputs;
  auto draws = [&](const std::optional<std::string>& historyFile,
                   const std::optional<std::string>& db, bool storeRead) {
    if (historyFile) inputs.push_back({"开奖文件", *historyFile});
    if (db || storeRead) inputs.push_back({"历史库", StorePath(db), true});
  };
  auto scheme = [&](const std::string& path) { inputs.push_back({"方案文件", path}); };
  switch (command.kind) {
    case CliCommand::Run:
      scheme(command.run.scheme);
      draws(command.run.historyFile, command.run.db, false);
      break;
    case CliCommand::History:
      draws(std::nullopt, command.history.db, true);
      break;
    case CliCommand::Backtest:
      scheme(command.backtest.scheme);
      draws(command.backtest.historyFile, command.backtest.db, !command.backtest.historyFile);
      break;
    case CliCommand::Compare:
      for (const std::string& s : command.compare.schemes) scheme(s);
      draws(command.compare.historyFile, command.compare.db, !command.compare.historyFile);
      break;
    case CliCommand::Stats:
      draws(command.stats.historyFile, command.stats.db, !command.stats.historyFile);
      break;
    default:
      break;
  }
  return inputs;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliCommand command;
  if (std::optional<std::string> problem = ParseArgs(args, command)) {
    err << "torvane-cli: " << *problem << "\n" << kUsage;
    return kExitUsage;
  }
  try {
    if (command.out) RefuseOutOverInputs(command.out, InputsOf(command));
    switch (command.kind) {
      case CliCommand::Help:
        out << kUsage;
        return kExitDone;
      case CliCommand::Run:
        return Run(command, out, err);
      case CliCommand::SetOperation:
        return SetOperation(command, out);
      case CliCommand::Merge:
        return Merge(command, out);
      case CliCommand::History:
        return RunHistory(command, out, err);
      case CliCommand::Backtest:
        return RunBacktest(command, out, err);
      case CliCommand::Compare:
        return RunCompare(command, out, err);
      case CliCommand::Stats:
        return RunStats(command, out);
    }
  } catch (const UsageProblem& p) {
    err << "torvane-cli: " << p.message << "\n";
    return kExitUsage;
  } catch (const FileProblem& p) {
    err << "torvane-cli: " << p.message << "\n";
    return kExitBadFile;
  } catch (const DownloadProblem& p) {
    err << "torvane-cli: " << p.message << "\n";
    return kExitDownloadFailed;
  } catch (const store::StoreError& e) {
    err << "torvane-cli: " << StoreMessage(e) << "\n";
    return kExitBadFile;
  } catch (const std::bad_alloc&) {
    err << "torvane-cli: 缩水失败：内存不足\n";
    return kExitRunFailed;
  } catch (const std::exception& e) {
    err << "torvane-cli: 操作失败：" << e.what() << "\n";
    return kExitRunFailed;
  }
  return kExitRunFailed;
}

}  // namespace torvane::cli
