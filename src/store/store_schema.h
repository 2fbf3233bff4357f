#pragma once
// Recognising and creating the store's schema. Internal to the store.

#include <string>

namespace SQLite {
class Database;
}

namespace torvane::store {

enum class StoreFileState {
  Fresh,  // an empty SQLite file (no schema objects, version 0): safe to set up
  Ours,   // our table and a version this program knows (maybe older: see UpgradeSchema)
};

// Looks at an existing file through a read-only connection, so a refused file is never
// touched. Throws StoreError (NotOurs, Newer or Unreadable).
StoreFileState InspectStoreFile(const std::string& path);

// The same check on an open connection; reads only.
StoreFileState CheckStoreSchema(SQLite::Database& db, const std::string& path);

// Creates the table and sets the schema version, in one transaction.
void CreateSchema(SQLite::Database& db);

// The CREATE TABLE statement of the draws table as the given schema version creates it;
// nullptr for a version this program does not know.
const char* DrawsTableSql(int version);

// PRAGMA user_version.
int SchemaVersion(SQLite::Database& db);

// Brings a store of an older version (one CheckStoreSchema accepted) to the newest, in one
// transaction: every draw is kept, figures unknown. Does nothing to a store already there.
void UpgradeSchema(SQLite::Database& db);

}  // namespace torvane::store
