#pragma once
// Opening SQLite connections on the store, and SQLite's failures in the player's words.
// Internal to the store.

#include <memory>
#include <string>

namespace SQLite {
class Database;
class Exception;
}  // namespace SQLite

namespace torvane::store {

class StoreError;

// Every connection waits this long for another program's lock before giving up, so short
// reads and writes of the window and of torvane-cli at the same time wait for each other.
constexpr int kBusyTimeoutMs = 5000;

// A connection for reading a store that is ours.
// - Where the store can be written: read-write, so that closing it as the last connection
//   folds the -wal file back in and removes the -wal and -shm files: reading leaves nothing
//   beside the store. The caller refuses writes itself.
// - Where it cannot (a read-only file, folder or mount) and no -wal file is there: immutable,
//   the one way SQLite reads a WAL store without creating files beside it; nobody can change
//   the file there anyway.
// - Otherwise read-only, using the -wal and -shm files already there.
std::unique_ptr<SQLite::Database> OpenForReading(const std::string& path, bool writable);

// A file: URI for path with what a URI cannot carry percent-encoded.
std::string UriPath(const std::string& path);

// A failure inside SQLite as the store's error: a lock held past the timeout, a read-only
// place, a full disk or a file-size limit get their own words. db, when given, tells the
// system's error number.
StoreError SqliteFailure(const std::string& path, const SQLite::Exception& e, SQLite::Database* db);

}  // namespace torvane::store
