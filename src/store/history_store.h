#pragma once
// The draw history: one SQLite file holding one row per period.
//
// Every write is one transaction, so a refused or interrupted write leaves the store as it
// was. A file that is not our database, or that a newer Torvane wrote, is refused with a
// StoreError before anything touches it. Synchronous and single-threaded: open it where it is
// used, from one thread.
//
// Other programs (the window, torvane-cli) may use the same file at the same time: every
// connection waits up to 5 s for another's lock, and a write that still finds the store held
// fails with a Busy error that says so. Rows another tool wrote against the rules are never
// read as something else: a read that meets one throws BadRow (see BadRows()).

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_identity.h"
#include "history/draw.h"
#include "store/store_error.h"
#include "store/store_rows.h"

namespace SQLite {
class Database;
}

namespace torvane::store {

enum class OpenMode {
  // A missing store reads as empty and stays missing. Nothing is left beside the store: where
  // it can be written the connection closes as SQLite's last one and folds its -wal file
  // back; in a read-only file, folder or mount it is read as immutable.
  ReadOnly,
  // A missing store (and its folder) is created. A store in a read-only file, folder or mount
  // is refused at once (ReadOnly error saying which).
  ReadWrite,
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

// What the path names now, compared with the file this store opened.
enum class FileState {
  Same,      // still the file opened (or still nothing, for a store opened missing)
  Removed,   // nothing there any more
  Replaced,  // another file: renamed over it, or a store made where there was none
};

enum class ReplaceResult {
  Added,      // the period was absent, as expected, and now holds the draw
  Replaced,   // the period held exactly the expected draw and now holds the new one
  Unchanged,  // the period already held exactly the new draw: nothing written
  Changed,    // the period holds something other than expected: nothing written
};

struct ReplaceOutcome {
  ReplaceResult result = ReplaceResult::Unchanged;
  std::optional<history::Draw> present;  // what the store holds for the period afterwards
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
  // overwrites number and date, and the figures the draw carries (the others stay).
  AddOutcome Add(const history::Draw& draw, bool replace = false);

  // Compare and replace, in one transaction: writes draw for its period only when the store
  // holds exactly `expected` for that period (nullopt: the period is not stored). A caller that
  // asked the player about the stored value passes that value, so a change made by another
  // program since is never overwritten unseen: the result is Changed with the present value,
  // to ask again. Figures the draw does not carry stay as stored.
  ReplaceOutcome AddIfUnchanged(const history::Draw& draw,
                                const std::optional<history::Draw>& expected);

  // Removes the given periods; returns how many were stored. Periods not stored are ignored.
  int Delete(std::span<const std::string> periods);

  std::optional<history::Draw> Find(std::string_view period) const;
  // Whether a row with exactly this period text is stored, sound or not.
  bool Contains(std::string_view period) const;
  // Oldest first, in history order (see PeriodLess).
  std::vector<history::Draw> All() const;
  // The newest n draws, oldest first; nothing when n <= 0.
  std::vector<history::Draw> Last(int n) const;
  int Count() const;
  std::optional<std::string> NewestPeriod() const;

  // Every stored row that breaks the rules, in the table's order. The reads above throw a
  // BadRow error naming the first; Delete removes such rows like any other.
  std::vector<BadRow> BadRows() const;

  // Following a store kept open while other programs write it. Neither reads the table.
  //
  // The file at the path now: one stat() and SQLite's own check of the open file.
  FileState CheckFile() const;
  // True when All() may now return something else than at the last All() or Last() on this
  // object: another connection committed (PRAGMA data_version), this object wrote, or
  // CheckFile() is not Same. Cheap enough to ask whenever a page is shown or before a write;
  // a store opened immutable (a read-only place, see OpenMode) never reports a commit. When
  // CheckFile() is not Same, this object still reads the file it opened: open a new one.
  bool HasChanged() const;

 private:
  SQLite::Database& Writable();
  // Throws Moved when the path no longer names the file opened; writes call it under the
  // write lock, so nothing is ever written into a removed or replaced file.
  void RequireSameFile() const;
  std::optional<history::Draw> FindIn(std::string_view period) const;
  ImportCounts Merge(SQLite::Database* db, std::span<const history::Draw> draws,
                     ImportOptions options, bool write) const;
  // The columns a read selects; a version-1 store opened read-only has no figures.
  std::string DrawColumns() const;

  std::string path_;
  bool readOnly_ = true;
  int version_ = kSchemaVersion;          // of the store as opened
  std::unique_ptr<SQLite::Database> db_;  // null: opened read-only and no store there yet
  FileIdentity identity_;                 // of the file at open time
  mutable long long seenVersion_ = 0;     // PRAGMA data_version at the last All()
  mutable bool wroteSinceRead_ = false;
};

}  // namespace torvane::store
