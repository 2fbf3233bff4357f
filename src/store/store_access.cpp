#include "store/store_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace torvane::store {
namespace {

namespace fs = std::filesystem;

// None when path (which exists) takes writes; else what refuses them.
WriteBlock Refusal(const fs::path& path, WriteBlock self) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return WriteBlock::None;  // gone: let the write say why
  if (access(path.c_str(), W_OK) != 0) return errno == EROFS ? WriteBlock::Mount : self;
  return (st.st_mode & 0222) == 0 ? self : WriteBlock::None;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

}  // namespace

WriteBlock StoreWriteBlock(const std::string& path) {
  std::error_code ec;
  fs::path file(path);
  if (fs::exists(file, ec)) {
    if (WriteBlock b = Refusal(file, WriteBlock::File); b != WriteBlock::None) return b;
    // A link's folder is not where SQLite puts the -wal file: that is beside the target.
    fs::path target = fs::canonical(file, ec);
    return Refusal(FolderOf(ec ? file : target), WriteBlock::Folder);
  }
  // A store still to be made: its folders are created too, inside the nearest existing one.
  fs::path folder = FolderOf(file);
  while (!fs::exists(folder, ec) && folder.has_parent_path() && folder != folder.parent_path())
    folder = folder.parent_path();
  return Refusal(folder, WriteBlock::Folder);
}

std::string ReadOnlyMessage(const std::string& path, WriteBlock why) {
  const std::string head = "历史库 " + path + " 不能写入：";
  const std::string tail = "，没有做任何改动；读取不受影响";
  switch (why) {
    case WriteBlock::File:
      return head + "这个文件是只读的" + tail;
    case WriteBlock::Folder: {
      std::error_code ec;
      fs::path target = fs::weakly_canonical(fs::absolute(path), ec);
      return head + "它所在的文件夹 " + FolderOf(ec ? fs::path(path) : target).string() +
             " 是只读的（写入时要在文件旁边建临时文件）" + tail;
    }
    case WriteBlock::Mount:
      return head + "它所在的磁盘分区是以只读方式挂载的" + tail;
    case WriteBlock::None:
      break;
  }
  return head + "文件或所在的文件夹是只读的" + tail;
}

}  // namespace torvane::store
