#pragma once
// Recognising and creating the store's schema. Internal to the store.

#include <string>

namespace SQLite {
class Database;
}

namespace torvane::store {

enum class StoreFileState {
  Fresh,  // an empty SQLite file (no schema objects, version 0): safe to set up
  Ours,   // our table and a version this program knows
};

// Looks at an existing file through a read-only connection, so a refused file is never
// touched. Throws StoreError (NotOurs, Newer or Unreadable).
StoreFileState InspectStoreFile(const std::string& path);

// The same check on an open connection; reads only.
StoreFileState CheckStoreSchema(SQLite::Database& db, const std::string& path);

// Creates the table and sets the schema version, in one transaction.
void CreateSchema(SQLite::Database& db);

}  // namespace torvane::store
