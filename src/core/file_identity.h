#pragma once
// Which file a path names right now: its device and inode, through symbolic links. Two paths
// name the same file exactly when both exist with the same pair (hard links included), and a
// file removed or renamed over since it was opened no longer matches its path.

#include <sys/types.h>
#include <string>

namespace torvane {

struct FileIdentity {
  bool exists = false;  // false when the path names nothing (or cannot be looked at)
  dev_t device = 0;
  ino_t inode = 0;

  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const std::string& path);

// Both paths exist and name the same file.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace torvane
