#include "store/import_file.h"

#include "history/draw_file.h"

namespace torvane::store {

FileImport ImportDrawFile(HistoryStore& store, const std::string& path) {
  FileImport r;
  history::DrawFileResult file = history::ReadDrawFile(path);
  r.skippedHeaders = file.skippedHeaders;
  r.duplicates = file.duplicates;
  if (!file.ok) {
    r.error = file.error;
    return r;
  }
  r.counts = store.Import(file.draws);
  r.ok = true;
  return r;
}

}  // namespace torvane::store
