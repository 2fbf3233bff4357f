#include "store/history_store.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <cstdint>
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
  for (const auto& figure : {d.sales, d.winners, d.prize})
    if (figure && *figure < 0) throw bad("期号 " + d.period + " 的销售额、注数或奖金是负数");
}

using Figure = std::optional<std::int64_t> Draw::*;
constexpr Figure kFigures[] = {&Draw::sales, &Draw::winners, &Draw::prize};

void BindFigure(SQLite::Statement& s, int index, const std::optional<std::int64_t>& v) {
  if (v)
    s.bind(index, static_cast<std::int64_t>(*v));
  else
    s.bind(index);
}

// Binds period, date, number, sales, winners, prize to ?1 to ?6.
void BindDraw(SQLite::Statement& s, const Draw& d) {
  s.bind(1, d.period);
  if (d.date.empty())
    s.bind(2);
  else
    s.bind(2, d.date);
  s.bind(3, d.NumberText());
  for (int i = 0; i < 3; ++i) BindFigure(s, 4 + i, d.*kFigures[i]);
}

constexpr const char* kInsert =
    "INSERT INTO draws (period, date, number, sales, winners, prize) VALUES (?, ?, ?, ?, ?, ?)";

// A row of period, date, number, sales, winners, prize.
Draw RowToDraw(SQLite::Statement& s) {
  Draw d;
  d.period = s.getColumn(0).getString();
  if (!s.getColumn(1).isNull()) d.date = s.getColumn(1).getString();
  // The table's CHECK keeps numbers to five digits.
  if (auto digits = history::DigitsFromText(s.getColumn(2).getString())) d.digits = *digits;
  for (int i = 0; i < 3; ++i)
    if (!s.getColumn(3 + i).isNull()) d.*kFigures[i] = s.getColumn(3 + i).getInt64();
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
      // An older store is read as it is; the first writer upgrades it.
      version_ = Guard(path_, [&] { return SchemaVersion(*db_); });
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
    if (state == StoreFileState::Fresh)
      CreateSchema(*db_);
    else if (SchemaVersion(*db_) < HistoryStore::kSchemaVersion)
      UpgradeSchema(*db_);
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

std::string HistoryStore::DrawColumns() const {
  return version_ >= 2 ? "period, date, number, sales, winners, prize"
                       : "period, date, number, NULL, NULL, NULL";
}

ImportCounts HistoryStore::Merge(SQLite::Database* db, std::span<const Draw> draws,
                                 ImportOptions options, bool write) const {
  ImportCounts counts;
  if (!db) {  // a store not there yet: every draw is new
    counts.added = counts.total = static_cast<int>(draws.size());
    return counts;
  }
  SQLite::Statement find(*db, "SELECT " + DrawColumns() + " FROM draws WHERE period = ?");
  std::optional<SQLite::Statement> insert, update;
  if (write) {
    insert.emplace(*db, kInsert);
    update.emplace(*db, "UPDATE draws SET sales = ?4, winners = ?5, prize = ?6 WHERE period = ?1");
  }
  for (const Draw& d : draws) {
    find.reset();
    find.bind(1, d.period);
    if (!find.executeStep()) {
      if (write) {
        insert->reset();
        BindDraw(*insert, d);
        insert->exec();
      }
      ++counts.added;
      continue;
    }
    const Draw stored = RowToDraw(find);
    if (stored.digits != d.digits)
      throw StoreError(StoreErrorKind::Conflict, path_,
                       ConflictMessage(d.period, stored.NumberText(), d.NumberText()) +
                           "；整个导入已取消，历史库没有改动");
    ++counts.alreadyThere;
    Draw merged = stored;
    bool gained = false, differs = false;
    for (Figure f : kFigures) {
      if (!(d.*f)) continue;
      if (!(stored.*f)) {
        merged.*f = d.*f;
        gained = true;
      } else if (*(stored.*f) != *(d.*f)) {
        differs = true;
        if (options.replaceFigures) merged.*f = d.*f;
      }
    }
    counts.figuresGained += gained;
    if (differs) {
      counts.figureConflicts.push_back({stored, d});
      counts.figuresChanged += options.replaceFigures;
    }
    if (write && merged != stored) {
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
  return Guard(path_, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    ImportCounts counts = Merge(&db, draws, options, true);
    tx.commit();
    return counts;
  });
}

ImportCounts HistoryStore::PlanImport(std::span<const Draw> draws, ImportOptions options) const {
  for (const Draw& d : draws) Validate(d, path_);
  return Guard(path_, [&] {
    if (!db_) return Merge(nullptr, draws, options, false);
    // One snapshot for every lookup and the count.
    SQLite::Transaction tx(*db_, SQLite::TransactionBehavior::DEFERRED);
    return Merge(db_.get(), draws, options, false);
  });
}

AddOutcome HistoryStore::Add(const Draw& draw, bool replace) {
  SQLite::Database& db = Writable();
  Validate(draw, path_);
  return Guard(path_, [&] {
    SQLite::Transaction tx(db, SQLite::TransactionBehavior::IMMEDIATE);
    SQLite::Statement find(db, "SELECT " + DrawColumns() + " FROM draws WHERE period = ?");
    find.bind(1, draw.period);
    if (!find.executeStep()) {
      SQLite::Statement insert(db, kInsert);
      BindDraw(insert, draw);
      insert.exec();
      tx.commit();
      return AddOutcome::Added;
    }
    const Draw stored = RowToDraw(find);
    if (!replace) {
      if (stored.digits != draw.digits)
        throw StoreError(StoreErrorKind::Conflict, path_,
                         ConflictMessage(draw.period, stored.NumberText(), draw.NumberText()));
      return AddOutcome::AlreadyThere;
    }
    // The figures the draw does not carry stay as stored.
    Draw merged = draw;
    for (Figure f : kFigures)
      if (!(merged.*f)) merged.*f = stored.*f;
    if (merged == stored) return AddOutcome::AlreadyThere;
    SQLite::Statement update(db,
                             "UPDATE draws SET date = ?2, number = ?3, sales = ?4, winners = ?5, "
                             "prize = ?6 WHERE period = ?1");
    BindDraw(update, merged);
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
    SQLite::Statement s(*db_, "SELECT " + DrawColumns() + " FROM draws WHERE period = ?");
    s.bind(1, std::string(period));
    if (!s.executeStep()) return std::nullopt;
    return RowToDraw(s);
  });
}

std::vector<Draw> HistoryStore::All() const {
  if (!db_) return {};
  return Guard(path_, [&] {
    std::vector<Draw> draws;
    SQLite::Statement s(*db_, "SELECT " + DrawColumns() + " FROM draws");
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
