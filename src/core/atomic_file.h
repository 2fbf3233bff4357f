#pragma once
// Every file the program writes goes through here: the target is replaced whole or not at all.

#include <string>
#include <string_view>

namespace torvane {

struct FileWriteResult {
  bool ok = false;
  std::string reason;  // why not, in Chinese with the system's own words, when !ok
};

// Writes bytes to a new, uniquely named file beside the target, flushes it to the disk and
// renames it over the target. On any failure (a full disk, a file-size limit) the target is
// left as it was and the temporary file is removed.
// - An existing target keeps its permission bits; a new file gets 0666 less the umask.
// - A target with no write bit for anyone, a folder or anything but a regular file is refused.
// - A symbolic link is written through: the file it points to is replaced, the link stays.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace torvane
