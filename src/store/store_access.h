#pragma once
// Whether the store may be written where it lies. SQLite writes the file and creates its -wal
// and -shm files beside it, so both the file and its folder must take writes.

#include <string>

namespace torvane::store {

enum class WriteBlock {
  None,    // writable
  File,    // the store file is read-only
  Folder,  // its folder is read-only (or, for a store still to be made, the nearest folder)
  Mount,   // the file system is mounted read-only
};

// Like the --out writer, a file or folder with no write bit for anyone counts as read-only
// even for root: marking it so is the player's wish to keep it. Beyond the bits, the kernel
// decides (access(2)): a read-only mount, an immutable file, another owner.
WriteBlock StoreWriteBlock(const std::string& path);

// The player's words for a write refused by `why` (not None).
std::string ReadOnlyMessage(const std::string& path, WriteBlock why);

}  // namespace torvane::store
