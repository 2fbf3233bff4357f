#include "store/history_store.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "history/draw_line.h"
#include "store/store_schema.h"

namespace torvane::store {
namespace {

using history::Draw;

constexpr int kBusyTimeoutMs = 5000;

// Wraps SQLite's own failures (disk full, locked, I/O) so callers see one error type.
template <typename F>
auto Guard(const std::string& path, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const SQLite::Exception& e) {
    throw StoreError(StoreErrorKind::Io, path,
                     "历史库 " + path + " 读写失败，没有做任何改动：" + e.what());
  }
}

void Validate(const Draw& d, const std::string& path) {
  auto bad = [&](const std::string& what) {
    return StoreError(StoreErrorKind::InvalidDraw, path, what);
  };
  if (!history::IsValidPeriod(d.period)) throw bad("期号“" + d.period + "”无效");
  for (auto v : d.digits)
    if (v > 9) throw bad("期号 " + d.period + " 的号码不是五个 0-9 的数字");
  if (!d.date.empty() && history::NormalizeDate(d.date) != d.date)
    throw bad("期号 " + d.period + " 的日期“" + d.date + "”无效（应为 YYYY-MM-DD）");
}

void BindDraw(SQLite::Statement& s, const Draw& d) {
  s.bind(1, d.period);
  if (d.date.empty())
    s.bind(2);
  else
    s.bind(2, d.date);
  s.bind(3, d.NumberText());
}

Draw RowToDraw(SQLite::Statement& s) {
  Draw d;
  d.period = s.getColumn(0).getString();
  if (!s.getColumn(1).isNull()) d.date = s.getColumn(1).getString();
  // The table's CHECK keeps numbers to five digits.
  if (auto digits = history::DigitsFromText(s.getColumn(2).getString())) d.digits = *digits;
  return d;
}

std::string ConflictMessage(const std::string& period, const std::string& stored,
                            const std::string& incoming) {
  return "期号 " + period + " 在历史库中的号码是 " + stored + "，与新的号码 " + incoming + " 不同";
}

}  // namespace

HistoryStore::HistoryStore(std::string path, OpenMode mode)
    : path_(std::move(path)), readOnly_(mode == OpenMode::ReadOnly) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path p(path_);
  bool exists = fs::exists(p, ec);
  if (ec)
    throw StoreError(StoreErrorKind::Unreadable, path_,
                     "无法访问历史库 " + path_ + "：" + ec.message());
  if (exists && fs::is_directory(p, ec))
    throw StoreError(StoreErrorKind::Unreadable, path_,
                     "历史库 " + path_ + " 是一个文件夹，不是文件");

  StoreFileState state = exists ? InspectStoreFile(path_) : StoreFileState::Fresh;
  if (readOnly_) {
    if (state == StoreFileState::Ours) {
      db_ = Guard(path_, [&] {
        return std::make_unique<SQLite::Database>(path_, SQLite::OPEN_READONLY, kBusyTimeoutMs);
      });
    }
    return;  // nothing stored yet: reads as empty
  }

  if (!exists && p.has_parent_path()) {
    fs::create_directories(p.parent_path(), ec);
    if (ec)
      throw StoreError(
          StoreErrorKind::Unreadable, path_,
          "无法创建历史库所在的文件夹 " + p.parent_path().string() + "：" + ec.message());
  }
  Guard(path_, [&] {
    db_ = std::make_unique<SQLite::Database>(path_, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE,
                                             kBusyTimeoutMs);
    // Check again on this connection: another program may have changed the file since.
    if (exists) state = CheckStoreSchema(*db_, path_);
    if (state == StoreFileState::Fresh) CreateSchema(*db_);
    // WAL keeps readers (the window) and a writer (the CLI) out of each other's way; the
    // setting stays with the file.
    db_->exec("PRAGMA journal_mode = WAL");
  });
}

HistoryStore::~HistoryStore() = default;
HistoryStore::HistoryStore(HistoryStore&&) noexcept = default;
HistoryStore& HistoryStore::operator=(HistoryStore&&) noexcept = default;

SQLite::Database& HistoryStore::Writable() {
  if (readOnly_ || !db_)
    throw StoreError(StoreErrorKind::ReadOnly, path_,
                     "历史库 " + path_ + " 以只读方式打开，不能写入");
  return *db_;
}

ImportCounts HistoryStore::Import(std::span<const Draw> draws) {
  SQLite::Database& db = Writable();
  for (const Draw& d : draws) Validate(d, path_);
  return Guard(path_, [&] {
    ImportCounts counts;
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    SQLite::Statement find(db, "SELECT number FROM draws WHERE period = ?");
    SQLite::Statement insert(db, "INSERT INTO draws (period, date, number) VALUES (?, ?, ?)");
    for (const Draw& d : draws) {
      find.reset();
      find.bind(1, d.period);
      if (find.executeStep()) {
        std::string stored = find.getColumn(0).getString();
        if (stored != d.NumberText())
          throw StoreError(StoreErrorKind::Conflict, path_,
                           ConflictMessage(d.period, stored, d.NumberText()) +
                               "；整个导入已取消，历史库没有改动");
        ++counts.alreadyThere;
        continue;
      }
      insert.reset();
      BindDraw(insert, d);
      insert.exec();
      ++counts.added;
    }
    counts.total = db.execAndGet("SELECT count(*) FROM draws").getInt();
    tx.commit();
    return counts;
  });
}

AddOutcome HistoryStore::Add(const Draw& draw, bool replace) {
  SQLite::Database& db = Writable();
  Validate(draw, path_);
  return Guard(path_, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    SQLite::Statement find(db, "SELECT date, number FROM draws WHERE period = ?");
    find.bind(1, draw.period);
    if (!find.executeStep()) {
      SQLite::Statement insert(db, "INSERT INTO draws (period, date, number) VALUES (?, ?, ?)");
      BindDraw(insert, draw);
      insert.exec();
      tx.commit();
      return AddOutcome::Added;
    }
    std::string storedDate = find.getColumn(0).isNull() ? "" : find.getColumn(0).getString();
    std::string storedNumber = find.getColumn(1).getString();
    bool sameNumber = storedNumber == draw.NumberText();
    if (!replace) {
      if (!sameNumber)
        throw StoreError(StoreErrorKind::Conflict, path_,
                         ConflictMessage(draw.period, storedNumber, draw.NumberText()));
      return AddOutcome::AlreadyThere;
    }
    if (sameNumber && storedDate == draw.date) return AddOutcome::AlreadyThere;
    SQLite::Statement update(db, "UPDATE draws SET date = ?2, number = ?3 WHERE period = ?1");
    BindDraw(update, draw);
    update.exec();
    tx.commit();
    return AddOutcome::Replaced;
  });
}

int HistoryStore::Delete(std::span<const std::string> periods) {
  SQLite::Database& db = Writable();
  return Guard(path_, [&] {
    int removed = 0;
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    SQLite::Statement del(db, "DELETE FROM draws WHERE period = ?");
    for (const std::string& period : periods) {
      del.reset();
      del.bind(1, period);
      removed += del.exec();
    }
    tx.commit();
    return removed;
  });
}

std::optional<Draw> HistoryStore::Find(std::string_view period) const {
  if (!db_) return std::nullopt;
  return Guard(path_, [&]() -> std::optional<Draw> {
    SQLite::Statement s(*db_, "SELECT period, date, number FROM draws WHERE period = ?");
    s.bind(1, std::string(period));
    if (!s.executeStep()) return std::nullopt;
    return RowToDraw(s);
  });
}

std::vector<Draw> HistoryStore::All() const {
  if (!db_) return {};
  return Guard(path_, [&] {
    std::vector<Draw> draws;
    SQLite::Statement s(*db_, "SELECT period, date, number FROM draws");
    while (s.executeStep()) draws.push_back(RowToDraw(s));
    // Periods compare as numbers or as text, which SQL's ORDER BY cannot express.
    history::SortHistory(draws);
    return draws;
  });
}

std::vector<Draw> HistoryStore::Last(int n) const {
  if (n <= 0) return {};
  std::vector<Draw> draws = All();
  if (draws.size() > static_cast<size_t>(n)) draws.erase(draws.begin(), draws.end() - n);
  return draws;
}

int HistoryStore::Count() const {
  if (!db_) return 0;
  return Guard(path_, [&] { return db_->execAndGet("SELECT count(*) FROM draws").getInt(); });
}

std::optional<std::string> HistoryStore::NewestPeriod() const {
  if (!db_) return std::nullopt;
  return Guard(path_, [&]() -> std::optional<std::string> {
    std::optional<std::string> newest;
    SQLite::Statement s(*db_, "SELECT period FROM draws");
    while (s.executeStep()) {
      std::string p = s.getColumn(0).getString();
      if (!newest || history::PeriodLess(*newest, p)) newest = std::move(p);
    }
    return newest;
  });
}

}  // namespace torvane::store
