#include "store/history_store.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "history/draw_line.h"
#include "store/store_access.h"
#include "store/store_connection.h"
#include "store/store_schema.h"

namespace torvane::store {
namespace {

using history::Draw;

// SQLite's own failures (a lock held too long, a full disk, I/O) as the one error type.
template <typename F>
auto Guard(const std::string& path, SQLite::Database* db, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const SQLite::Exception& e) {
    throw SqliteFailure(path, e, db);
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
  for (const auto& figure : {d.sales, d.winners, d.prize})
    if (figure && *figure < 0) throw bad("期号 " + d.period + " 的销售额、注数或奖金是负数");
}

using Figure = std::optional<std::int64_t> Draw::*;
constexpr Figure kFigures[] = {&Draw::sales, &Draw::winners, &Draw::prize};
constexpr const char* kFigureNames[] = {"销售额", "中奖注数", "单注奖金"};

// Binds period, date, number, sales, winners, prize to ?1 to ?6.
void BindDraw(SQLite::Statement& s, const Draw& d) {
  s.bind(1, d.period);
  if (d.date.empty())
    s.bind(2);
  else
    s.bind(2, d.date);
  s.bind(3, d.NumberText());
  for (int i = 0; i < 3; ++i) {
    if (const auto& v = d.*kFigures[i])
      s.bind(4 + i, static_cast<std::int64_t>(*v));
    else
      s.bind(4 + i);
  }
}

constexpr const char* kInsert =
    "INSERT INTO draws (period, date, number, sales, winners, prize) VALUES (?, ?, ?, ?, ?, ?)";
constexpr const char* kUpdate =
    "UPDATE draws SET date = ?2, number = ?3, sales = ?4, winners = ?5, prize = ?6 "
    "WHERE period = ?1";

// The draw with the figures it does not carry taken from what is stored.
Draw WithStoredFigures(Draw draw, const std::optional<Draw>& stored) {
  if (stored)
    for (Figure f : kFigures)
      if (!(draw.*f)) draw.*f = (*stored).*f;
  return draw;
}

// The rows of a "SELECT period, date, number, sales, winners, prize" statement, each checked
// against the rules.
struct Rows {
  std::vector<Draw> draws;
  std::vector<BadRow> bad;
};

Rows ReadRows(SQLite::Statement& s) {
  Rows rows;
  while (s.executeStep()) {
    const std::string period = s.getColumn(0).getString();
    std::optional<std::string> date;
    if (!s.getColumn(1).isNull()) date = s.getColumn(1).getString();
    const std::string number = s.getColumn(2).getString();
    std::optional<BadRow> bad = CheckRow(period, date, number);
    Draw d;
    for (int i = 0; i < 3 && !bad; ++i) {
      const SQLite::Column c = s.getColumn(3 + i);
      if (c.isNull()) continue;
      if (c.isInteger() && c.getInt64() >= 0)
        d.*kFigures[i] = c.getInt64();
      else
        bad = BadFigure(period, kFigureNames[i], c.getString());
    }
    if (bad) {
      rows.bad.push_back(std::move(*bad));
      continue;
    }
    d.period = period;
    d.date = date.value_or("");
    d.digits = *history::DigitsFromText(number);
    rows.draws.push_back(std::move(d));
  }
  return rows;
}

std::vector<Draw> SoundDraws(Rows rows, const std::string& path) {
  if (!rows.bad.empty())
    throw StoreError(StoreErrorKind::BadRow, path,
                     BadRowMessage(path, rows.bad.front(), static_cast<int>(rows.bad.size())));
  return std::move(rows.draws);
}

// One period through a prepared "... WHERE period = ?" statement.
std::optional<Draw> FindRow(SQLite::Statement& s, std::string_view period,
                            const std::string& path) {
  s.reset();
  s.bind(1, std::string(period));
  std::vector<Draw> found = SoundDraws(ReadRows(s), path);
  if (found.empty()) return std::nullopt;
  return found.front();
}

std::string ConflictMessage(const std::string& period, const std::string& stored,
                            const std::string& incoming) {
  return "期号 " + period + " 在历史库中的号码是 " + stored + "，与新的号码 " + incoming + " 不同";
}

bool HasMoved(SQLite::Database& db) {
  int moved = 0;
  return sqlite3_file_control(db.getHandle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) ==
             SQLITE_OK &&
         moved != 0;
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
  const WriteBlock block = StoreWriteBlock(path_);
  if (!readOnly_ && block != WriteBlock::None)
    throw StoreError(StoreErrorKind::ReadOnly, path_, ReadOnlyMessage(path_, block));

  StoreFileState state = exists ? InspectStoreFile(path_) : StoreFileState::Fresh;
  if (readOnly_) {
    if (state == StoreFileState::Ours) {
      Guard(path_, nullptr, [&] {
        db_ = OpenForReading(path_, block == WriteBlock::None);
        // Again on this connection: another program may have changed the file since.
        if (CheckStoreSchema(*db_, path_) != StoreFileState::Ours) db_.reset();
        // An older store is read as it is; the first writer upgrades it.
        if (db_) version_ = SchemaVersion(*db_);
      });
    }
  } else {
    if (!exists && p.has_parent_path()) {
      fs::create_directories(p.parent_path(), ec);
      if (ec)
        throw StoreError(
            StoreErrorKind::Unreadable, path_,
            "无法创建历史库所在的文件夹 " + p.parent_path().string() + "：" + ec.message());
    }
    Guard(path_, nullptr, [&] {
      db_ = std::make_unique<SQLite::Database>(path_, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE,
                                               kBusyTimeoutMs);
      if (CheckStoreSchema(*db_, path_) == StoreFileState::Fresh)
        CreateSchema(*db_, path_);
      else if (SchemaVersion(*db_) < kSchemaVersion)
        UpgradeSchema(*db_, path_);
      EnsureWal(*db_);
    });
  }
  identity_ = IdentityOf(path_);
  if (db_ && HasMoved(*db_))
    throw StoreError(StoreErrorKind::Moved, path_,
                     "历史库 " + path_ + " 在打开的同时被另一个程序替换或删除了；请再试一次");
  if (db_)
    seenVersion_ =
        Guard(path_, db_.get(), [&] { return db_->execAndGet("PRAGMA data_version").getInt64(); });
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

FileState HistoryStore::CheckFile() const {
  const FileIdentity now = IdentityOf(path_);
  if (!identity_.exists) return now.exists ? FileState::Replaced : FileState::Same;
  if (!now.exists) return FileState::Removed;
  if (now != identity_ || (db_ && HasMoved(*db_))) return FileState::Replaced;
  return FileState::Same;
}

void HistoryStore::RequireSameFile() const {
  const FileState state = CheckFile();
  if (state == FileState::Same) return;
  throw StoreError(
      StoreErrorKind::Moved, path_,
      "历史库 " + path_ +
          (state == FileState::Removed ? " 在打开之后被删除了" : " 在打开之后被另一个文件替换了") +
          "，没有写入，以免写进一个谁也看不到的文件；请重新打开历史库");
}

bool HistoryStore::HasChanged() const {
  if (wroteSinceRead_ || CheckFile() != FileState::Same) return true;
  if (!db_) {
    // An empty file read as an empty store: set up since?
    std::error_code ec;
    return identity_.exists && std::filesystem::file_size(path_, ec) > 0 && !ec;
  }
  return Guard(path_, db_.get(),
               [&] { return db_->execAndGet("PRAGMA data_version").getInt64() != seenVersion_; });
}

std::string HistoryStore::DrawColumns() const {
  return version_ >= 2 ? "period, date, number, sales, winners, prize"
                       : "period, date, number, NULL, NULL, NULL";
}

ImportCounts HistoryStore::Merge(SQLite::Database* db, std::span<const Draw> draws,
                                 ImportOptions options, bool write) const {
  ImportCounts counts;
  if (!db) {  // no store there yet: every draw is new
    counts.added = counts.total = static_cast<int>(draws.size());
    return counts;
  }
  SQLite::Statement find(*db, "SELECT " + DrawColumns() + " FROM draws WHERE period = ?");
  std::optional<SQLite::Statement> insert, update;
  if (write) {
    insert.emplace(*db, kInsert);
    update.emplace(*db, kUpdate);
  }
  for (const Draw& d : draws) {
    const std::optional<Draw> stored = FindRow(find, d.period, path_);
    if (!stored) {
      if (write) {
        insert->reset();
        BindDraw(*insert, d);
        insert->exec();
      }
      ++counts.added;
      continue;
    }
    if (stored->digits != d.digits)
      throw StoreError(StoreErrorKind::Conflict, path_,
                       ConflictMessage(d.period, stored->NumberText(), d.NumberText()) +
                           "；整个导入已取消，历史库没有改动");
    ++counts.alreadyThere;
    Draw merged = *stored;
    bool gained = false, differs = false;
    for (Figure f : kFigures) {
      if (!(d.*f)) continue;
      if (!((*stored).*f)) {
        merged.*f = d.*f;
        gained = true;
      } else if (*((*stored).*f) != *(d.*f)) {
        differs = true;
        if (options.replaceFigures) merged.*f = d.*f;
      }
    }
    counts.figuresGained += gained;
    if (differs) {
      counts.figureConflicts.push_back({*stored, d});
      counts.figuresChanged += options.replaceFigures;
    }
    if (write && merged != *stored) {
      update->reset();
      BindDraw(*update, merged);
      update->exec();
    }
  }
  counts.total = db->execAndGet("SELECT count(*) FROM draws").getInt() + (write ? 0 : counts.added);
  return counts;
}

ImportCounts HistoryStore::Import(std::span<const Draw> draws, ImportOptions options) {
  SQLite::Database& db = Writable();
  for (const Draw& d : draws) Validate(d, path_);
  return Guard(path_, &db, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    RequireSameFile();
    ImportCounts counts = Merge(&db, draws, options, true);
    RequireSameFile();
    tx.commit();
    wroteSinceRead_ = true;
    return counts;
  });
}

ImportCounts HistoryStore::PlanImport(std::span<const Draw> draws, ImportOptions options) const {
  for (const Draw& d : draws) Validate(d, path_);
  if (!db_) return Merge(nullptr, draws, options, false);
  return Guard(path_, db_.get(), [&] {
    // One snapshot for every lookup and the count.
    SQLite::Transaction tx(*db_, SQLite::TransactionBehavior::DEFERRED);
    return Merge(db_.get(), draws, options, false);
  });
}

AddOutcome HistoryStore::Add(const Draw& draw, bool replace) {
  SQLite::Database& db = Writable();
  Validate(draw, path_);
  return Guard(path_, &db, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    RequireSameFile();
    const std::optional<Draw> stored = FindIn(draw.period);
    if (!stored) {
      SQLite::Statement insert(db, kInsert);
      BindDraw(insert, draw);
      insert.exec();
      tx.commit();
      wroteSinceRead_ = true;
      return AddOutcome::Added;
    }
    if (!replace) {
      if (stored->digits != draw.digits)
        throw StoreError(StoreErrorKind::Conflict, path_,
                         ConflictMessage(draw.period, stored->NumberText(), draw.NumberText()));
      return AddOutcome::AlreadyThere;
    }
    const Draw merged = WithStoredFigures(draw, stored);
    if (merged == *stored) return AddOutcome::AlreadyThere;
    SQLite::Statement update(db, kUpdate);
    BindDraw(update, merged);
    update.exec();
    tx.commit();
    wroteSinceRead_ = true;
    return AddOutcome::Replaced;
  });
}

ReplaceOutcome HistoryStore::AddIfUnchanged(const Draw& draw, const std::optional<Draw>& expected) {
  SQLite::Database& db = Writable();
  Validate(draw, path_);
  return Guard(path_, &db, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    RequireSameFile();
    const std::optional<Draw> present = FindIn(draw.period);
    const Draw merged = WithStoredFigures(draw, present);
    if (present == merged) return ReplaceOutcome{ReplaceResult::Unchanged, present};
    if (present != expected) return ReplaceOutcome{ReplaceResult::Changed, present};
    SQLite::Statement write(db, present ? kUpdate : kInsert);
    BindDraw(write, merged);
    write.exec();
    tx.commit();
    wroteSinceRead_ = true;
    return ReplaceOutcome{present ? ReplaceResult::Replaced : ReplaceResult::Added, merged};
  });
}

int HistoryStore::Delete(std::span<const std::string> periods) {
  SQLite::Database& db = Writable();
  return Guard(path_, &db, [&] {
    int removed = 0;
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    RequireSameFile();
    SQLite::Statement del(db, "DELETE FROM draws WHERE period = ?");
    for (const std::string& period : periods) {
      del.reset();
      del.bind(1, period);
      removed += del.exec();
    }
    RequireSameFile();
    tx.commit();
    wroteSinceRead_ = true;
    return removed;
  });
}

std::optional<Draw> HistoryStore::FindIn(std::string_view period) const {
  SQLite::Statement s(*db_, "SELECT " + DrawColumns() + " FROM draws WHERE period = ?");
  return FindRow(s, period, path_);
}

std::optional<Draw> HistoryStore::Find(std::string_view period) const {
  if (!db_) return std::nullopt;
  return Guard(path_, db_.get(), [&] { return FindIn(period); });
}

bool HistoryStore::Contains(std::string_view period) const {
  if (!db_) return false;
  return Guard(path_, db_.get(), [&] {
    SQLite::Statement s(*db_, "SELECT 1 FROM draws WHERE period = ?");
    s.bind(1, std::string(period));
    return s.executeStep();
  });
}

std::vector<Draw> HistoryStore::All() const {
  if (!db_) {
    wroteSinceRead_ = false;
    return {};
  }
  return Guard(path_, db_.get(), [&] {
    // Taken before the read: a commit in between makes the next HasChanged() say so.
    seenVersion_ = db_->execAndGet("PRAGMA data_version").getInt64();
    wroteSinceRead_ = false;
    SQLite::Statement s(*db_, "SELECT " + DrawColumns() + " FROM draws");
    std::vector<Draw> draws = SoundDraws(ReadRows(s), path_);
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
  return Guard(path_, db_.get(),
               [&] { return db_->execAndGet("SELECT count(*) FROM draws").getInt(); });
}

std::optional<std::string> HistoryStore::NewestPeriod() const {
  if (!db_) return std::nullopt;
  return Guard(path_, db_.get(), [&]() -> std::optional<std::string> {
    std::optional<std::string> newest;
    SQLite::Statement s(*db_, "SELECT period FROM draws");
    while (s.executeStep()) {
      std::string p = s.getColumn(0).getString();
      if (!history::IsValidPeriod(p))
        throw StoreError(StoreErrorKind::BadRow, path_,
                         BadRowMessage(path_, *CheckRow(p, std::nullopt, "00000"), 1));
      if (!newest || history::PeriodLess(*newest, p)) newest = std::move(p);
    }
    return newest;
  });
}

std::vector<BadRow> HistoryStore::BadRows() const {
  if (!db_) return {};
  return Guard(path_, db_.get(), [&] {
    SQLite::Statement s(*db_, "SELECT " + DrawColumns() + " FROM draws");
    return ReadRows(s).bad;
  });
}

}  // namespace torvane::store
