#include "cli/cli.h"

#include <new>

#include "cli/cli_args.h"
#include "core/atomic_file.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "core/number_file.h"
#include "core/number_text.h"
#include "scheme/scheme_file.h"

namespace torvane::cli {

const char* const kUsage =
    "usage: torvane-cli run SCHEME [--base FILE] [--group] [--stats] [--out FILE]\n"
    "       torvane-cli setop and|or|a-b|b-a FILE_A FILE_B [--out FILE]\n";

namespace {

// Thrown for exit status 3.
struct FileProblem {
  std::string message;
};

DigitTable ReadNumbers(const std::string& path) {
  FileReadResult file = ReadNumberFile(path);
  if (!file.ok) throw FileProblem{"number file " + path + ": " + file.reason};
  ParsedNumbers parsed = ParseNumberText(file.text, ParseMode::List);
  // An empty base would silently mean all 100000 numbers; say so instead.
  if (parsed.table.empty())
    throw FileProblem{"number file " + path +
                      ": no five-digit number in it (号码文件里没有有效号码)"};
  return parsed.table;
}

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

void Emit(const DigitTable& table, const std::optional<std::string>& outPath, std::ostream& out) {
  const std::string text = NumberLines(table);
  if (!outPath) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) throw FileProblem{"cannot write the results to standard output"};
    return;
  }
  // A failed write (a full disk, a file-size limit) leaves an existing file as it was.
  const FileWriteResult written = WriteFileAtomically(*outPath, text);
  if (!written.ok)
    throw FileProblem{"cannot write output file " + *outPath + ": " + written.reason};
}

int Run(const CliCommand& command, std::ostream& out, std::ostream& err) {
  const RunCommand& rc = command.run;
  Conditions conditions;
  try {
    conditions = ReadSchemeFile(rc.scheme);
  } catch (const SchemeError& e) {
    throw FileProblem{e.what()};
  }
  const DigitTable base = rc.base ? ReadNumbers(*rc.base) : DigitTable();

  RunResult result;
  try {
    result = RunFilters(base, conditions);
  } catch (const RunError& e) {
    err << "torvane-cli: the run failed: " << e.what() << "\n";
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
  Emit(result.results, command.out, out);
  return kExitDone;
}

int SetOperation(const CliCommand& command, std::ostream& out) {
  const SetOpCommand& sc = command.setop;
  const DigitTable a = ReadNumbers(sc.fileA);
  const DigitTable b = ReadNumbers(sc.fileB);
  Emit(ApplySetOperation(a, b, sc.op), command.out, out);
  return kExitDone;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliCommand command;
  if (std::optional<std::string> problem = ParseArgs(args, command)) {
    err << "torvane-cli: " << *problem << "\n" << kUsage;
    return kExitUsage;
  }
  try {
    switch (command.kind) {
      case CliCommand::Help:
        out << kUsage;
        return kExitDone;
      case CliCommand::Run:
        return Run(command, out, err);
      case CliCommand::SetOperation:
        return SetOperation(command, out);
    }
  } catch (const FileProblem& p) {
    err << "torvane-cli: " << p.message << "\n";
    return kExitBadFile;
  } catch (const std::bad_alloc&) {
    err << "torvane-cli: the run failed: out of memory\n";
    return kExitRunFailed;
  } catch (const std::exception& e) {
    err << "torvane-cli: failed: " << e.what() << "\n";
    return kExitRunFailed;
  }
  return kExitRunFailed;
}

}  // namespace torvane::cli
