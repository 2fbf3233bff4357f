#include "store/store_schema.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "store/history_store.h"
#include "store/store_connection.h"
#include "store/store_error.h"

namespace torvane::store {
namespace {

// Version 1: the draws alone.
constexpr std::string_view kDrawsV1 = R"sql(
CREATE TABLE draws (
  period TEXT NOT NULL PRIMARY KEY CHECK(length(period) > 0),
  date   TEXT CHECK(date IS NULL OR
                    date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  number TEXT NOT NULL CHECK(length(number) = 5 AND number NOT GLOB '*[^0-9]*')
) WITHOUT ROWID
)sql";

// Version 2: what the lottery published, when known: the sales and the prize per bet in yuan,
// the number of winning bets.
constexpr std::string_view kDrawsV2 = R"sql(
CREATE TABLE draws (
  period TEXT NOT NULL PRIMARY KEY CHECK(length(period) > 0),
  date   TEXT CHECK(date IS NULL OR
                    date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  number TEXT NOT NULL CHECK(length(number) = 5 AND number NOT GLOB '*[^0-9]*'),
  sales   INTEGER CHECK(sales IS NULL OR (typeof(sales) = 'integer' AND sales >= 0)),
  winners INTEGER CHECK(winners IS NULL OR (typeof(winners) = 'integer' AND winners >= 0)),
  prize   INTEGER CHECK(prize IS NULL OR (typeof(prize) = 'integer' AND prize >= 0))
) WITHOUT ROWID
)sql";

StoreError NotOurs(const std::string& path, const std::string& why) {
  return StoreError(StoreErrorKind::NotOurs, path,
                    "文件 " + path + " 不是 Torvane 的开奖历史库（" + why +
                        "），为免损坏，没有对它做任何改动；请用 --db 或 TORVANE_DB 另选一个文件");
}

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// The text up to the closing quote at sql[i], a doubled quote standing for itself; i moves
// past the closing quote.
std::string Quoted(std::string_view sql, size_t& i, char close) {
  std::string body;
  for (++i; i < sql.size(); ++i) {
    if (sql[i] != close) {
      body.push_back(sql[i]);
    } else if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
      body.push_back(sql[++i]);
    } else {
      ++i;
      break;
    }
  }
  return body;
}

// The schema objects of the store as normalized statements, SQLite's own left out.
std::vector<std::string> StoredSchema(SQLite::Database& db) {
  std::vector<std::string> objects;
  SQLite::Statement s(db,
                      "SELECT sql FROM sqlite_master "
                      "WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
  while (s.executeStep()) objects.push_back(NormalizedSql(s.getColumn(0).getString()));
  std::sort(objects.begin(), objects.end());
  return objects;
}

std::vector<std::string> DefinedSchema(int version) {
  std::vector<std::string> objects;
  for (std::string_view sql : SchemaDefinition(version)) objects.push_back(NormalizedSql(sql));
  std::sort(objects.begin(), objects.end());
  return objects;
}

StoreFileState LookOnce(const std::string& path, bool settled) {
  SQLite::Database db(settled ? "file:" + UriPath(path) + "?immutable=1" : path,
                      SQLite::OPEN_READONLY | SQLite::OPEN_URI, kBusyTimeoutMs);
  return CheckStoreSchema(db, path);
}

}  // namespace

std::vector<std::string_view> SchemaDefinition(int version) {
  switch (version) {
    case 1:
      return {kDrawsV1};
    case 2:
      return {kDrawsV2};
    default:
      return {};
  }
}

std::string NormalizedSql(std::string_view sql) {
  std::string out;
  bool blank = false;
  auto put = [&](const std::string& token) {
    if (blank && !out.empty() && IsWordChar(out.back()) && IsWordChar(token.front()))
      out.push_back(' ');
    out += token;
    blank = false;
  };
  for (size_t i = 0; i < sql.size();) {
    const char c = sql[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = true;
      ++i;
    } else if (sql.substr(i, 2) == "--") {
      i = std::min(sql.find('\n', i), sql.size());
      blank = true;
    } else if (sql.substr(i, 2) == "/*") {
      const size_t end = sql.find("*/", i + 2);
      i = end == std::string_view::npos ? sql.size() : end + 2;
      blank = true;
    } else if (c == '\'') {
      // A literal keeps its case and its blanks. A blank after a lone x stays: x 'ab' is a
      // name and a text, x'ab' a blob.
      const bool lone_x = !out.empty() && out.back() == 'x' &&
                          (out.size() == 1 || !IsWordChar(out[out.size() - 2]));
      if (blank && lone_x) out.push_back(' ');
      blank = false;
      std::string literal = Quoted(sql, i, '\'');
      std::string doubled;
      for (char ch : literal) doubled += ch == '\'' ? "''" : std::string(1, ch);
      out += "'" + doubled + "'";
    } else if (c == '"' || c == '`' || c == '[') {
      std::string name = Quoted(sql, i, c == '[' ? ']' : c);
      const bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0])) &&
                         std::all_of(name.begin(), name.end(), IsWordChar);
      if (plain) {
        for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        put(name);
      } else {
        put("\"" + name + "\"");
      }
    } else if (c == ';') {
      ++i;  // a statement's end
    } else {
      size_t end = i + 1;
      if (IsWordChar(c))
        while (end < sql.size() && IsWordChar(sql[end])) ++end;
      std::string token(sql.substr(i, end - i));
      for (char& ch : token) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      put(token);
      i = end;
    }
  }
  return out;
}

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
    // The whole definition, not just the column names: a table that merely looks like ours
    // would hold what our checks keep out.
    if (StoredSchema(db) != DefinedSchema(version))
      throw NotOurs(path, "开奖记录表的定义与 Torvane 的不同");
    return StoreFileState::Ours;
  } catch (const SQLite::Exception& e) {
    int code = e.getErrorCode() & 0xFF;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
      throw NotOurs(path, "不是 SQLite 数据库，或已损坏");
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) throw SqliteFailure(path, e, &db);
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
    try {
      return LookOnce(path, settled);
    } catch (const StoreError& e) {
      // An immutable look takes no lock: a program that wrote the file at that very moment
      // can make a sound store look damaged. A refusal must be seen twice.
      if (!settled || (e.kind() != StoreErrorKind::NotOurs && e.kind() != StoreErrorKind::Newer))
        throw;
      settled = !fs::exists(path + "-wal", ec) && !fs::exists(path + "-journal", ec);
      return LookOnce(path, settled);
    }
  } catch (const SQLite::Exception& e) {
    if ((e.getErrorCode() & 0xFF) == SQLITE_BUSY) throw SqliteFailure(path, e, nullptr);
    throw StoreError(StoreErrorKind::Unreadable, path, "无法打开历史库 " + path + "：" + e.what());
  }
}

void CreateSchema(SQLite::Database& db, const std::string& path) {
  SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
  // Another process may have set it up since we looked.
  if (CheckStoreSchema(db, path) == StoreFileState::Ours) return;
  for (std::string_view sql : SchemaDefinition(HistoryStore::kSchemaVersion))
    db.exec(std::string(sql));
  db.exec("PRAGMA user_version = " + std::to_string(HistoryStore::kSchemaVersion));
  tx.commit();
}

int SchemaVersion(SQLite::Database& db) {
  return db.execAndGet("PRAGMA user_version").getInt();
}

void UpgradeSchema(SQLite::Database& db, const std::string& path) {
  SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
  // Another program may have upgraded or changed it since we looked.
  CheckStoreSchema(db, path);
  const int version = SchemaVersion(db);
  if (version >= HistoryStore::kSchemaVersion) return;
  if (version == 1) {
    // Rebuilt rather than altered, so the table reads exactly as a new store's.
    db.exec("ALTER TABLE draws RENAME TO draws_version1");
    db.exec(std::string(kDrawsV2));
    // Every row moves, a row another tool wrote against the rules too: it stays reported (and
    // deletable) as before rather than stopping the upgrade.
    db.exec("PRAGMA ignore_check_constraints = ON");
    try {
      db.exec(
          "INSERT INTO draws (period, date, number) SELECT period, date, number FROM "
          "draws_version1");
    } catch (...) {
      db.exec("PRAGMA ignore_check_constraints = OFF");
      throw;
    }
    db.exec("PRAGMA ignore_check_constraints = OFF");
    db.exec("DROP TABLE draws_version1");
  }
  db.exec("PRAGMA user_version = " + std::to_string(HistoryStore::kSchemaVersion));
  tx.commit();
}

}  // namespace torvane::store
