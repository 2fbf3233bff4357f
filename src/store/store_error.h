#pragma once
// The one failure type of the draw-history store; messages are Chinese and shown as they are.

#include <stdexcept>
#include <string>
#include <utility>

namespace torvane::store {

enum class StoreErrorKind {
  NotOurs,      // not SQLite, damaged, or a SQLite database of some other program
  Newer,        // written by a newer Torvane (a larger schema version)
  Unreadable,   // cannot be opened: permissions, a folder, no home folder
  Io,           // a read or write failed inside SQLite (disk full, size limit, I/O error)
  Conflict,     // a period already stored with another number
  InvalidDraw,  // a draw the store cannot hold (bad period, digit or date)
  ReadOnly,     // a write on a store opened read-only, or one in a read-only file, folder or mount
  BadRow,       // a stored row that breaks the store's rules (another tool wrote it)
  Busy,         // another program held the store for longer than the busy timeout
  Moved,        // the file at the path is no longer the one opened: removed or replaced
};

class StoreError : public std::runtime_error {
 public:
  StoreError(StoreErrorKind kind, std::string path, const std::string& message)
      : std::runtime_error(message), kind_(kind), path_(std::move(path)) {}

  StoreErrorKind kind() const { return kind_; }
  const std::string& path() const { return path_; }  // the store file, when known

 private:
  StoreErrorKind kind_;
  std::string path_;
};

}  // namespace torvane::store
