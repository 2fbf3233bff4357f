#include "store/store_path.h"

#include <cstdlib>
#include <filesystem>

#include "store/store_error.h"

namespace torvane::store {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

}  // namespace

std::string DefaultStorePath() {
  if (std::string db = Env("TORVANE_DB"); !db.empty()) return db;
  // The XDG rules say a relative XDG_DATA_HOME is to be ignored.
  if (std::string xdg = Env("XDG_DATA_HOME"); !xdg.empty() && xdg.front() == '/')
    return (std::filesystem::path(xdg) / "torvane" / "history.db").string();
  if (std::string home = Env("HOME"); !home.empty())
    return (std::filesystem::path(home) / ".local" / "share" / "torvane" / "history.db").string();
  throw StoreError(StoreErrorKind::Unreadable, "",
                   "找不到历史库的位置：HOME 与 XDG_DATA_HOME 都没有设置，请用 --db 或 "
                   "TORVANE_DB 指定历史库文件");
}

}  // namespace torvane::store
