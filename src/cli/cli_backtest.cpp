// torvane-cli backtest: a scheme tried on the draws of a file or of the store.

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "core/errors.h"
#include "run/backtest.h"
#include "run/backtest_report.h"

namespace torvane::cli {

int RunBacktest(const CliCommand& command, std::ostream& out, std::ostream& err) {
  const BacktestCommand& bc = command.backtest;
  const Conditions conditions = ReadScheme(bc.scheme);
  const DigitTable base = bc.base ? ReadNumbers(*bc.base) : DigitTable();
  const DrawsToTest draws = ReadDrawsToTest(bc.historyFile, bc.db, bc.last);

  BacktestOptions options;
  options.money = bc.money;
  options.holdout = bc.holdout.value_or(0);
  BacktestReport report;
  try {
    report = Backtest(conditions, base, draws.tested, draws.previous, options);
  } catch (const HoldoutError& e) {
    err << "torvane-cli: " << e.what() << "\n";
    return kExitUsage;
  } catch (const RunError& e) {
    err << "torvane-cli: " << RunFailureText(e) << "\n";
    return kExitRunFailed;
  }
  if (bc.toleranceTable)
    Emit(bc.csv ? ToleranceTableCsv(report) : ToleranceTableText(report), command.out, out);
  else
    Emit(bc.csv ? BacktestCsv(report) : BacktestText(report), command.out, out);
  return kExitDone;
}

}  // namespace torvane::cli
