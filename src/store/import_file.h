#pragma once
// A draw file, a downloaded text or pasted text into the store: the whole text is read first,
// then one import transaction, so a text refused anywhere leaves the store untouched.

#include <string>
#include <string_view>
#include <vector>

#include "history/draw_file.h"
#include "store/history_store.h"

namespace torvane::store {

struct FileImport {
  bool ok = false;
  std::string error;  // the text's problem, in Chinese, when !ok
  ImportCounts counts;
  int skippedHeaders = 0;
  int duplicates = 0;
  // The periods missing from the store's history after the import (history::MissingPeriods).
  std::vector<std::string> missing;
};

// A bad text comes back as !ok and the store is not touched; a store problem (a conflicting
// period, a disk error) throws StoreError as HistoryStore::Import does.
FileImport ImportDraws(HistoryStore& store, const history::DrawFileResult& read,
                       ImportOptions options = {});
FileImport ImportDrawText(HistoryStore& store, std::string_view text, ImportOptions options = {});
FileImport ImportDrawFile(HistoryStore& store, const std::string& path, ImportOptions options = {});

// The answer to an import, e.g.
//   导入完成：新增 120 期，已有 3 期，共 5000 期；2 期补上了销售额、中奖注数或奖金；跳过表头 1 行
//   缺 3 期：2010100、2019007、2026250
// the second line only when periods are missing. Figures that differ are said to be
// replaced ("已按导入的改正") or kept ("保留了历史库中的"), as the import did.
std::string ImportSummary(const FileImport& import);

}  // namespace torvane::store
