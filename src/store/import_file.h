#pragma once
// A draw file into the store: read the whole file first, then one import transaction, so a
// file refused anywhere leaves the store untouched.

#include <string>

#include "store/history_store.h"

namespace torvane::store {

struct FileImport {
  bool ok = false;
  std::string error;  // the draw file's problem, in Chinese, when !ok
  ImportCounts counts;
  int skippedHeaders = 0;
  int duplicates = 0;
};

// A bad file comes back as !ok; a store problem (a conflicting period, a disk error) throws
// StoreError as HistoryStore::Import does.
FileImport ImportDrawFile(HistoryStore& store, const std::string& path);

}  // namespace torvane::store
