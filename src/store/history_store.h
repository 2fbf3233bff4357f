#pragma once
// The draw history: one SQLite file holding one row per period.
//
// Every write is one transaction, so a refused or interrupted write leaves the store as it
// was. A file that is not our database, or that a newer Torvane wrote, is refused with a
// StoreError before anything touches it. Synchronous and single-threaded: open it where it is
// used, from one thread.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"
#include "store/store_error.h"

namespace SQLite {
class Database;
}

namespace torvane::store {

enum class OpenMode {
  ReadOnly,   // a missing store reads as empty and stays missing
  ReadWrite,  // a missing store (and its folder) is created
};

// A period stored with the same number but other figures than the import brings.
struct FigureConflict {
  history::Draw stored;
  history::Draw incoming;
};

struct ImportOptions {
  // Figures that differ from the stored ones replace them; otherwise the stored ones stay.
  bool replaceFigures = false;
};

struct ImportCounts {
  int added = 0;           // periods new to the store
  int alreadyThere = 0;    // periods stored with the same number (their figures may change)
  int total = 0;           // draws in the store afterwards
  int figuresGained = 0;   // stored draws that got a figure they lacked
  int figuresChanged = 0;  // stored draws whose differing figures were replaced
  // Every stored draw whose figures differ from the import's: replaced with replaceFigures
  // (and counted in figuresChanged), kept as stored without it.
  std::vector<FigureConflict> figureConflicts;
};

enum class AddOutcome {
  Added,
  AlreadyThere,  // same period, same number: nothing written
  Replaced,      // same period, another number or date, and the caller asked to replace
};

class HistoryStore {
 public:
  // 1: period, date, number. 2: sales, winners and prize added; a version-1 store is upgraded
  // when opened for writing and read as it is when opened read-only.
  static constexpr int kSchemaVersion = 2;

  // Throws StoreError when the file cannot be used; see the header comment.
  HistoryStore(std::string path, OpenMode mode);
  ~HistoryStore();
  HistoryStore(HistoryStore&&) noexcept;
  HistoryStore& operator=(HistoryStore&&) noexcept;

  const std::string& path() const { return path_; }
  bool readOnly() const { return readOnly_; }

  // Merges a history into the store: new periods are added with their figures; a stored
  // period with the same number gains the figures it lacked, and keeps or (replaceFigures)
  // replaces the ones that differ. A period stored with another number refuses the whole
  // import, naming the period and both numbers.
  ImportCounts Import(std::span<const history::Draw> draws, ImportOptions options = {});

  // What Import would do, without writing: the counts and the figure conflicts, so the window
  // can ask before replacing figures. Throws as Import does on another number.
  ImportCounts PlanImport(std::span<const history::Draw> draws, ImportOptions options = {}) const;

  // One draw. A period stored with another number is a Conflict error unless `replace`, which
  // overwrites number and date, and the figures the draw carries.
  AddOutcome Add(const history::Draw& draw, bool replace = false);

  // Removes the given periods; returns how many were stored. Periods not stored are ignored.
  int Delete(std::span<const std::string> periods);

  std::optional<history::Draw> Find(std::string_view period) const;
  // Oldest first, in history order (see PeriodLess).
  std::vector<history::Draw> All() const;
  // The newest n draws, oldest first; nothing when n <= 0.
  std::vector<history::Draw> Last(int n) const;
  int Count() const;
  std::optional<std::string> NewestPeriod() const;

 private:
  SQLite::Database& Writable();
  ImportCounts Merge(SQLite::Database* db, std::span<const history::Draw> draws,
                     ImportOptions options, bool write) const;
  // The columns a query reads; a version-1 store opened read-only has no figures.
  std::string DrawColumns() const;

  std::string path_;
  bool readOnly_ = true;
  int version_ = kSchemaVersion;
  std::unique_ptr<SQLite::Database> db_;  // null: opened read-only and no file there yet
};

}  // namespace torvane::store
