#include "store/store_connection.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <cctype>
#include <cerrno>
#include <filesystem>

#include "store/store_access.h"
#include "store/store_error.h"

namespace torvane::store {

std::string UriPath(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  return out;
}

std::unique_ptr<SQLite::Database> OpenForReading(const std::string& path, bool writable) {
  if (writable)
    return std::make_unique<SQLite::Database>(path, SQLite::OPEN_READWRITE, kBusyTimeoutMs);
  std::error_code ec;
  if (!std::filesystem::exists(path + "-wal", ec))
    return std::make_unique<SQLite::Database>("file:" + UriPath(path) + "?immutable=1",
                                              SQLite::OPEN_READONLY | SQLite::OPEN_URI,
                                              kBusyTimeoutMs);
  return std::make_unique<SQLite::Database>(path, SQLite::OPEN_READONLY, kBusyTimeoutMs);
}

StoreError SqliteFailure(const std::string& path, const SQLite::Exception& e,
                         SQLite::Database* db) {
  const int code = e.getErrorCode() & 0xFF;
  const int system = db ? sqlite3_system_errno(db->getHandle()) : 0;
  const std::string unchanged = "，没有做任何改动";
  if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
    return StoreError(StoreErrorKind::Busy, path,
                      "历史库 " + path +
                          " 正被另一个程序占用（可能是 Torvane 窗口或另一个 torvane-cli "
                          "正在写入），等了 " +
                          std::to_string(kBusyTimeoutMs / 1000) + " 秒仍未轮到" + unchanged +
                          "；请稍后再试");
  if (e.getExtendedErrorCode() == SQLITE_READONLY_DBMOVED)
    return StoreError(StoreErrorKind::Moved, path,
                      "历史库 " + path + " 在打开之后被移走或删除了" + unchanged);
  if (code == SQLITE_READONLY) {
    WriteBlock why = StoreWriteBlock(path);
    return StoreError(StoreErrorKind::ReadOnly, path, ReadOnlyMessage(path, why));
  }
  const std::string limit = "文件超过了允许的大小（ulimit -f）";
  if (system == EFBIG)
    return StoreError(StoreErrorKind::Io, path,
                      "历史库 " + path + " 写入失败：" + limit + unchanged);
  if (code == SQLITE_FULL || system == ENOSPC || system == EDQUOT) {
    // SQLite reports a write cut short by the size limit as a full disk.
    rlimit fsize{};
    const bool limited = getrlimit(RLIMIT_FSIZE, &fsize) == 0 && fsize.rlim_cur != RLIM_INFINITY;
    return StoreError(StoreErrorKind::Io, path,
                      "历史库 " + path + " 写入失败：磁盘空间不足" +
                          (limited ? "，或" + limit : std::string()) + unchanged);
  }
  return StoreError(StoreErrorKind::Io, path,
                    "历史库 " + path + " 读写失败" + unchanged + "：" + e.what());
}

}  // namespace torvane::store
