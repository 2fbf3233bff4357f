#include "store/import_file.h"

#include "history/history_check.h"

namespace torvane::store {

FileImport ImportDraws(HistoryStore& store, const history::DrawFileResult& read,
                       ImportOptions options) {
  FileImport r;
  r.skippedHeaders = read.skippedHeaders;
  r.duplicates = read.duplicates;
  if (!read.ok) {
    r.error = read.error;
    return r;
  }
  r.counts = store.Import(read.draws, options);
  r.missing = history::MissingPeriods(store.All());
  r.ok = true;
  return r;
}

FileImport ImportDrawText(HistoryStore& store, std::string_view text, ImportOptions options) {
  return ImportDraws(store, history::ParseDrawText(text), options);
}

FileImport ImportDrawFile(HistoryStore& store, const std::string& path, ImportOptions options) {
  return ImportDraws(store, history::ReadDrawFile(path), options);
}

std::string ImportSummary(const FileImport& import) {
  const ImportCounts& c = import.counts;
  std::string s = "导入完成：新增 " + std::to_string(c.added) + " 期，已有 " +
                  std::to_string(c.alreadyThere) + " 期，共 " + std::to_string(c.total) + " 期";
  if (c.figuresGained > 0)
    s += "；" + std::to_string(c.figuresGained) + " 期补上了销售额、中奖注数或奖金";
  if (!c.figureConflicts.empty())
    s += "；" + std::to_string(c.figureConflicts.size()) +
         " 期的销售额、中奖注数或奖金与历史库不同，" +
         (c.figuresChanged > 0 ? "已按导入的改正" : "保留了历史库中的");
  if (import.skippedHeaders > 0) s += "；跳过表头 " + std::to_string(import.skippedHeaders) + " 行";
  if (import.duplicates > 0) s += "；文件中重复的记录 " + std::to_string(import.duplicates) + " 行";
  if (!import.missing.empty()) s += "\n" + history::MissingPeriodsSentence(import.missing);
  return s;
}

}  // namespace torvane::store
