#pragma once
// Recognising and creating the store's schema. Internal to the store.

#include <string>
#include <string_view>
#include <vector>

namespace SQLite {
class Database;
}

namespace torvane::store {

enum class StoreFileState {
  Fresh,  // an empty SQLite file (no schema objects, version 0): safe to set up
  Ours,   // a version this program knows, with exactly the schema of that version (an older
          // one is upgraded by UpgradeSchema before the first write)
};

// The CREATE statements of the schema objects of a version (PRAGMA user_version), as this
// program creates them; nothing for a version it does not know. Opening compares a store
// with the definition of the version the store carries, so a store of an older version is
// recognised before it is upgraded.
std::vector<std::string_view> SchemaDefinition(int version);

// A CREATE statement in one canonical spelling: comments dropped, blanks only where they
// separate words, keywords and plain identifiers in lower case, identifier quotes dropped,
// string literals kept as they are. Two statements SQLite reads alike compare equal, and
// ALTER TABLE ... ADD COLUMN on an old table gives what the new CREATE says.
std::string NormalizedSql(std::string_view sql);

// Looks at an existing file through a read-only connection, so a refused file is never
// touched. Throws StoreError (NotOurs, Newer or Unreadable).
StoreFileState InspectStoreFile(const std::string& path);

// The same check on an open connection; reads only.
StoreFileState CheckStoreSchema(SQLite::Database& db, const std::string& path);

// Creates the schema of the current version and sets the version, in one transaction; a
// store someone else set up in the meantime is checked instead.
void CreateSchema(SQLite::Database& db, const std::string& path);

// PRAGMA user_version.
int SchemaVersion(SQLite::Database& db);

// Brings a store of an older version (one CheckStoreSchema accepted) to the current one in one
// transaction: every draw is kept, its figures unknown. A store already there is left alone.
void UpgradeSchema(SQLite::Database& db, const std::string& path);

}  // namespace torvane::store
