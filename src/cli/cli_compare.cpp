// torvane-cli compare: several schemes back-tested on the same draws, one row each.
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "core/errors.h"
#include "run/backtest.h"
#include "run/backtest_report.h"

namespace torvane::cli {

int RunCompare(const CliCommand& command, std::ostream& out, std::ostream& err) {
  const CompareCommand& cc = command.compare;
  // Every scheme is read before any draw, so a bad file stops the command at once.
  std::vector<Conditions> conditions;
  for (const std::string& scheme : cc.schemes) conditions.push_back(ReadScheme(scheme));
  const DigitTable base = cc.base ? ReadNumbers(*cc.base) : DigitTable();
  const DrawsToTest draws = ReadDrawsToTest(cc.historyFile, cc.db, cc.last);

  BacktestOptions options;
  options.money = cc.money;
  std::vector<SchemeBacktest> rows;
  for (size_t i = 0; i < cc.schemes.size(); ++i) {
    try {
      rows.push_back(
          {cc.schemes[i], Backtest(conditions[i], base, draws.tested, draws.previous, options)});
    } catch (const RunError& e) {
      err << "torvane-cli: 方案 " << cc.schemes[i] << " " << RunFailureText(e) << "\n";
      return kExitRunFailed;
    }
  }
  Emit(cc.csv ? CompareCsv(rows) : CompareText(rows), command.out, out);
  return kExitDone;
}

}  // namespace torvane::cli
