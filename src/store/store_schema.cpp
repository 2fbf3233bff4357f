#include "store/store_schema.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <iterator>
#include <set>

#include "store/history_store.h"
#include "store/store_error.h"

namespace torvane::store {
namespace {

// The draws table of each schema version, exactly as that version creates it; a store of an
// older version is rebuilt to the newest definition, so every store of one version holds the
// same table.
constexpr const char* kDrawsTable[] = {
    nullptr,
    // Version 1: period, date, number.
    R"sql(
CREATE TABLE draws (
  period TEXT NOT NULL PRIMARY KEY CHECK(length(period) > 0),
  date   TEXT CHECK(date IS NULL OR
                    date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  number TEXT NOT NULL CHECK(length(number) = 5 AND number NOT GLOB '*[^0-9]*')
) WITHOUT ROWID
)sql",
    // Version 2: what the lottery published, when known: sales and prize per bet in yuan, the
    // number of winning bets.
    R"sql(
CREATE TABLE draws (
  period TEXT NOT NULL PRIMARY KEY CHECK(length(period) > 0),
  date   TEXT CHECK(date IS NULL OR
                    date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  number TEXT NOT NULL CHECK(length(number) = 5 AND number NOT GLOB '*[^0-9]*'),
  sales   INTEGER CHECK(sales IS NULL OR (typeof(sales) = 'integer' AND sales >= 0)),
  winners INTEGER CHECK(winners IS NULL OR (typeof(winners) = 'integer' AND winners >= 0)),
  prize   INTEGER CHECK(prize IS NULL OR (typeof(prize) = 'integer' AND prize >= 0))
) WITHOUT ROWID
)sql",
};
static_assert(std::size(kDrawsTable) == HistoryStore::kSchemaVersion + 1);

StoreError NotOurs(const std::string& path, const std::string& why) {
  return StoreError(StoreErrorKind::NotOurs, path,
                    "文件 " + path + " 不是 Torvane 的开奖历史库（" + why +
                        "），为免损坏，没有对它做任何改动；请用 --db 或 TORVANE_DB 另选一个文件");
}

// Percent-encodes what a file: URI cannot carry as it is.
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

bool HasOurTable(SQLite::Database& db, int version) {
  SQLite::Statement columns(db, "SELECT name FROM pragma_table_info('draws')");
  std::set<std::string> names;
  while (columns.executeStep()) names.insert(columns.getColumn(0).getString());
  std::set<std::string> ours = {"period", "date", "number"};
  if (version >= 2) ours.insert({"sales", "winners", "prize"});
  return names == ours;
}

}  // namespace

StoreFileState CheckStoreSchema(SQLite::Database& db, const std::string& path) {
  try {
    // The first read of the header is where a foreign or damaged file shows.
    int objects = db.execAndGet("SELECT count(*) FROM sqlite_master").getInt();
    int version = db.execAndGet("PRAGMA user_version").getInt();
    if (version > HistoryStore::kSchemaVersion)
      throw StoreError(StoreErrorKind::Newer, path,
                       "历史库 " + path + " 由更新版本的 Torvane 写成（格式版本 " +
                           std::to_string(version) + "，本程序只认识到版本 " +
                           std::to_string(HistoryStore::kSchemaVersion) +
                           "），为免损坏，没有对它做任何改动；请升级 Torvane");
    if (version == 0 && objects == 0) return StoreFileState::Fresh;
    if (version < 1) throw NotOurs(path, "是别的程序的 SQLite 数据库");
    if (!HasOurTable(db, version)) throw NotOurs(path, "缺少开奖记录表");
    return StoreFileState::Ours;
  } catch (const SQLite::Exception& e) {
    int code = e.getErrorCode() & 0xFF;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
      throw NotOurs(path, "不是 SQLite 数据库，或已损坏");
    throw StoreError(StoreErrorKind::Unreadable, path, "无法打开历史库 " + path + "：" + e.what());
  }
}

StoreFileState InspectStoreFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Even a read-only connection creates -wal and -shm files beside a WAL database. With no
  // journal or WAL file beside it the main file is the whole truth, so read it as immutable
  // and leave no trace beside a file we may refuse.
  bool settled = !fs::exists(path + "-wal", ec) && !fs::exists(path + "-journal", ec);
  try {
    SQLite::Database db(settled ? "file:" + UriPath(path) + "?immutable=1" : path,
                        SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    return CheckStoreSchema(db, path);
  } catch (const SQLite::Exception& e) {
    throw StoreError(StoreErrorKind::Unreadable, path, "无法打开历史库 " + path + "：" + e.what());
  }
}

void CreateSchema(SQLite::Database& db) {
  SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
  // Another process may have set it up since we looked.
  if (db.execAndGet("SELECT count(*) FROM sqlite_master").getInt() > 0) return;
  db.exec(DrawsTableSql(HistoryStore::kSchemaVersion));
  db.exec("PRAGMA user_version = " + std::to_string(HistoryStore::kSchemaVersion));
  tx.commit();
}

const char* DrawsTableSql(int version) {
  if (version < 1 || version > HistoryStore::kSchemaVersion) return nullptr;
  return kDrawsTable[version];
}

int SchemaVersion(SQLite::Database& db) {
  return db.execAndGet("PRAGMA user_version").getInt();
}

void UpgradeSchema(SQLite::Database& db) {
  SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
  // Another process may have upgraded it since we looked.
  const int version = SchemaVersion(db);
  if (version >= HistoryStore::kSchemaVersion) return;
  if (version == 1) {
    // Rebuilt rather than altered, so the table reads exactly as a new store's.
    db.exec("ALTER TABLE draws RENAME TO draws_version1");
    db.exec(kDrawsTable[2]);
    db.exec(
        "INSERT INTO draws (period, date, number) SELECT period, date, number FROM "
        "draws_version1");
    db.exec("DROP TABLE draws_version1");
  }
  db.exec("PRAGMA user_version = " + std::to_string(HistoryStore::kSchemaVersion));
  tx.commit();
}

}  // namespace torvane::store
