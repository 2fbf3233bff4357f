// torvane-cli history: import, add, delete and export draws of the store.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "cli/cli.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "history/draw_file.h"
#include "store/history_store.h"

namespace torvane::cli {
namespace {

using store::HistoryStore;
using store::OpenMode;

int Import(const HistoryCommand& hc, std::ostream& out, std::ostream& err) {
  // The whole file first: a refused file leaves no new store behind.
  const history::DrawFileResult file = history::ReadDrawFile(hc.file);
  if (!file.ok) throw FileProblem{file.error};
  HistoryStore db(StorePath(hc.db), OpenMode::ReadWrite);
  const store::ImportCounts counts = db.Import(file.draws);
  std::string line = "导入完成：新增 " + std::to_string(counts.added) + " 期，已有 " +
                     std::to_string(counts.alreadyThere) + " 期，共 " +
                     std::to_string(counts.total) + " 期";
  if (file.skippedHeaders > 0) line += "；跳过表头 " + std::to_string(file.skippedHeaders) + " 行";
  if (file.duplicates > 0) line += "；文件中重复的记录 " + std::to_string(file.duplicates) + " 行";
  return ReportCommitted(line, out, err);
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
  Emit(line + "\n", std::nullopt, out);
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
  }
  return kExitRunFailed;
}

}  // namespace torvane::cli
