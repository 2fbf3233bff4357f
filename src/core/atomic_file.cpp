#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace torvane {
namespace {

namespace fs = std::filesystem;

FileWriteResult Failed(const std::string& why, int err) {
  return {false, why + "（" + std::strerror(err) + "）"};
}

// The words for a failed write or flush; the two that players meet get their own.
FileWriteResult WriteFailed(int err) {
  if (err == ENOSPC || err == EDQUOT) return Failed("磁盘空间不足，文件没有改动", err);
  if (err == EFBIG) return Failed("文件超过允许的大小，文件没有改动", err);
  return Failed("写入失败，文件没有改动", err);
}

// Follows symbolic links to the file they finally name, which need not exist yet (a link to
// a file still to be made is written through too).
bool ResolveLinks(fs::path& path, FileWriteResult& failure) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;
      failure = Failed("无法访问该文件", errno);
      return false;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    std::error_code ec;
    fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      failure = Failed("无法读取符号链接", ec.value());
      return false;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  failure = Failed("符号链接层数太多", ELOOP);
  return false;
}

// Like mkstemp, but opened with 0666 so the kernel applies the umask (and a folder's default
// ACL) to a new file, as it would to any file the program creates.
int CreateTemporary(const fs::path& target, std::string& tempPath) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::mt19937_64 random{std::random_device{}()};
  // Short enough that the suffix never pushes the name past the file system's limit.
  const std::string name = target.filename().string().substr(0, 200);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(6, 'X');
    for (char& ch : suffix) ch = kLetters[random() % (sizeof kLetters - 1)];
    tempPath = (folder / ("." + name + "." + suffix)).string();
    int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const size_t chunk = std::min<size_t>(bytes.size() - done, size_t{1} << 30);
    const ssize_t n = write(fd, bytes.data() + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Fills the open temporary file and hands it to the disk; closes fd in every case.
FileWriteResult FillTemporary(int fd, std::string_view bytes, const struct stat* existing) {
  auto fail = [fd](FileWriteResult r) {
    close(fd);
    return r;
  };
  if (existing) {
    // Owner first: changing it may clear set-id bits that the mode then puts back. Only root
    // may give a file away, so a failed chown is no reason to refuse the save.
    if (existing->st_uid != geteuid() || existing->st_gid != getegid())
      (void)!fchown(fd, existing->st_uid, existing->st_gid);
    if (fchmod(fd, existing->st_mode & 07777) != 0) return fail(Failed("无法设置文件权限", errno));
  }
  if (!WriteAll(fd, bytes)) return fail(WriteFailed(errno));
  if (fsync(fd) != 0) return fail(WriteFailed(errno));
  if (close(fd) != 0) return WriteFailed(errno);
  return {true, {}};
}

}  // namespace

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // Past a file-size limit the kernel would kill the process with SIGXFSZ; ignored, write
  // fails with EFBIG instead and the old file survives.
  static const bool sigxfszIgnored = [] { return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR; }();
  (void)sigxfszIgnored;

  if (path.empty()) return Failed("没有给出文件名", ENOENT);
  fs::path target(path);
  FileWriteResult failure;
  if (!ResolveLinks(target, failure)) return failure;

  struct stat st;
  const bool exists = stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Failed("无法访问该文件", errno);
  if (exists && S_ISDIR(st.st_mode)) return Failed("这是一个文件夹，不是文件", EISDIR);
  if (exists && !S_ISREG(st.st_mode)) return Failed("这不是普通文件，不能替换", EINVAL);
  // The mode bits, not access(): root may write anything, yet a file marked read-only is the
  // player's wish to keep it.
  if (exists && (st.st_mode & 0222) == 0) return Failed("文件是只读的，没有替换", EACCES);

  std::string temp;
  const int fd = CreateTemporary(target, temp);
  if (fd < 0) return Failed("无法在该文件夹里创建文件", errno);
  FileWriteResult r = FillTemporary(fd, bytes, exists ? &st : nullptr);
  if (r.ok && rename(temp.c_str(), target.c_str()) != 0) r = Failed("无法替换原文件", errno);
  if (!r.ok) {
    unlink(temp.c_str());
    return r;
  }
  // The rename itself reaches the disk once the folder is flushed; the file is complete
  // either way, so a folder that cannot be flushed is no failure.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
  return r;
}

}  // namespace torvane
