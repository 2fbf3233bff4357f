// torvane-cli history: import (a file or an address), add, delete, export and check the draws
// of the store.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "cli/cli.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "history/draw_file.h"
#include "history/history_check.h"
#include "net/draw_download.h"
#include "store/history_store.h"
#include "store/import_file.h"

namespace torvane::cli {
namespace {

using store::HistoryStore;
using store::OpenMode;

void Say(const std::string& line, std::ostream& out) {
  Emit(line + "\n", std::nullopt, out);
}

// The draws of a file or an address, read whole before the store is opened: a refused file
// or a failed download leaves no new store behind.
history::DrawFileResult ReadDraws(const std::string& source) {
  if (!net::IsWebAddress(source)) {
    history::DrawFileResult file = history::ReadDrawFile(source);
    if (!file.ok) throw FileProblem{file.error};
    return file;
  }
  net::DrawDownload download = net::DownloadDrawFile(source);
  if (!download.downloaded()) throw DownloadProblem{download.error};
  if (!download.ok()) throw FileProblem{download.error};
  return std::move(download.read);
}

int Import(const HistoryCommand& hc, std::ostream& out, std::ostream& err) {
  const history::DrawFileResult file = ReadDraws(hc.file);
  HistoryStore db(StorePath(hc.db), OpenMode::ReadWrite);
  // A file given on the command line is what the player wants: its figures win, and the
  // answer says how many draws changed.
  const store::FileImport imported = store::ImportDraws(db, file, {.replaceFigures = true});
  return ReportCommitted(store::ImportSummary(imported), out, err);
}

int Add(const HistoryCommand& hc, std::ostream& out, std::ostream& err) {
  const history::Draw& draw = hc.draw;
  HistoryStore db(StorePath(hc.db), OpenMode::ReadWrite);
  // Another number for a stored period throws a Conflict naming both numbers.
  if (db.Add(draw) == store::AddOutcome::Added)
    return ReportCommitted("已添加第 " + draw.period + " 期：" + draw.NumberText(), out, err);
  std::string line =
      "第 " + draw.period + " 期已在历史库中，号码 " + draw.NumberText() + " 相同，没有改动";
  const std::optional<history::Draw> stored = db.Find(draw.period);
  if (stored && !draw.date.empty() && stored->date != draw.date)
    line +=
        "（历史库中的日期" + (stored->date.empty() ? "为空" : " " + stored->date) + "，保持不变）";
  Say(line, out);
  return kExitDone;
}

int Delete(const HistoryCommand& hc, std::ostream& out, std::ostream& err) {
  std::vector<std::string> periods = hc.periods;
  std::sort(periods.begin(), periods.end());
  periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
  const std::string path = StorePath(hc.db);
  // Nothing to delete from a store that is not there; do not create one for it. A path that
  // cannot even be looked at goes to the store, which names the problem.
  std::error_code ec;
  const bool missing = !std::filesystem::exists(path, ec) && !ec;
  std::optional<HistoryStore> db;
  if (!missing) db.emplace(path, OpenMode::ReadWrite);
  for (const std::string& period : hc.malformed)
    if (!db || !db->Contains(period)) throw UsageProblem{PeriodProblem(period)};
  const int deleted = db ? db->Delete(periods) : 0;
  std::string line = "已删除 " + std::to_string(deleted) + " 期";
  const int notStored = static_cast<int>(periods.size()) - deleted;
  if (notStored > 0) line += "；" + std::to_string(notStored) + " 个期号不在历史库中";
  return ReportCommitted(line, out, err);
}

int Export(const CliCommand& command, std::ostream& out) {
  const HistoryCommand& hc = command.history;
  const std::vector<history::Draw> draws = StoreDraws(hc.db, hc.last);
  Emit(history::DrawsCsv(draws), command.out, out);
  return kExitDone;
}

std::string Periods(const std::vector<std::string>& periods) {
  std::string s;
  for (const std::string& p : periods) s += (s.empty() ? "" : " ") + p;
  return s;
}

// Lists every hole and every date out of order; status 1 when it lists anything.
int Check(const HistoryCommand& hc, std::ostream& out) {
  {
    // Rows another tool wrote against the rules would stop every read below: list them.
    const HistoryStore db(StorePath(hc.db), OpenMode::ReadOnly);
    const std::vector<store::BadRow> bad = db.BadRows();
    if (!bad.empty()) {
      std::string text = "历史库中有 " + std::to_string(bad.size()) + " 行不合规则：\n";
      for (const store::BadRow& row : bad) text += row.period + " " + row.problem + "\n";
      text += "用 torvane-cli history delete 期号 删除它们后，再检查缺期\n";
      Emit(text, std::nullopt, out);
      return kExitFound;
    }
  }
  const std::vector<history::Draw> draws = StoreDraws(hc.db, std::nullopt);
  const history::HistoryCheck check = history::CheckHistory(draws);
  std::string text = "检查了 " + std::to_string(draws.size()) + " 期（" + draws.front().period +
                     " 至 " + draws.back().period + "）";
  if (check.clean()) {
    Emit(text + "：没有缺期，日期没有倒退，没有同一天的两期\n", std::nullopt, out);
    return kExitDone;
  }
  text += "\n";
  if (!check.missing.empty()) {
    text += "缺 " + std::to_string(check.missing.size()) + " 期：\n";
    for (const std::string& p : check.missing) text += p + "\n";
  }
  if (!check.backwards.empty()) {
    text += "日期倒退 " + std::to_string(check.backwards.size()) + " 处：\n";
    for (const history::BackwardDate& b : check.backwards)
      text +=
          b.period + " " + b.date + " 早于上一期 " + b.previousPeriod + " " + b.previousDate + "\n";
  }
  if (!check.sharedDates.empty()) {
    text += "同一天有两期以上 " + std::to_string(check.sharedDates.size()) + " 处：\n";
    for (const history::SharedDate& d : check.sharedDates)
      text += d.date + " " + Periods(d.periods) + "\n";
  }
  Emit(text, std::nullopt, out);
  return kExitFound;
}

}  // namespace

int RunHistory(const CliCommand& command, std::ostream& out, std::ostream& err) {
  switch (command.history.action) {
    case HistoryCommand::Import:
      return Import(command.history, out, err);
    case HistoryCommand::Add:
      return Add(command.history, out, err);
    case HistoryCommand::Delete:
      return Delete(command.history, out, err);
    case HistoryCommand::Export:
      return Export(command, out);
    case HistoryCommand::Check:
      return Check(command.history, out);
  }
  return kExitRunFailed;
}

}  // namespace torvane::cli
