#pragma once
// The draw history as the window sees it: the store opened on first use, its draws kept in
// memory for the pages that show them. Opening never happens at window construction, so a
// damaged or newer store only disables these pages.
//
// Other programs (torvane-cli, a daily script) write the same file. The window follows them
// without polling: whenever it is activated, the file changes, a page is shown, or an action
// is about to read the draws or write, one cheap check (a stat and PRAGMA data_version) says
// whether to read again; changed() then tells every page.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/file_identity.h"
#include "history/draw.h"
#include "store/history_store.h"

class QFileSystemWatcher;
class QWidget;

namespace torvane::ui {

class DrawStore : public QObject {
  Q_OBJECT
 public:
  explicit DrawStore(QObject* parent = nullptr);
  ~DrawStore() override;

  // Opens the store read-only the first time; afterwards brings the draws up to date with the
  // file (see follow()). False when it cannot be used (see error()). A missing store reads as
  // empty and is only created by a write.
  bool ensureOpen();
  bool usable() const { return opened_ && error_.isEmpty(); }
  // Why the store cannot be used; empty while it can.
  const QString& error() const { return error_; }
  // The store file, once known.
  const QString& path() const { return path_; }
  // Set after the store file vanished under the window: what the pages say instead of the
  // draws. The next write is refused with this said once more; the one after it makes a new
  // store.
  const QString& gone() const { return gone_; }
  // Why a write would be refused (a read-only file, folder or mount); empty when writable.
  const QString& writeBlock() const { return writeBlock_; }

  // Oldest first, as the store orders them. Replaced whenever the store is followed: work that
  // lets the event loop run while it reads them holds a snapshot instead.
  const std::vector<history::Draw>& draws() const { return *draws_; }
  std::shared_ptr<const std::vector<history::Draw>> snapshot() const { return draws_; }
  // What the store holds for the period right now (read after following the file).
  std::optional<history::Draw> storedNow(std::string_view period);

  // Reads again and emits changed() when another program added, deleted or imported draws,
  // or replaced or removed the file; does nothing before the store is first opened.
  void follow();
  // Follows the store whenever window is activated, the application becomes active or the
  // file or its folder changes.
  void followWindow(QWidget* window);

  // A write: follows the file, runs f on the store opened for writing, then reads the draws
  // again and emits changed(). StoreError passes through to the caller, who shows it; the
  // draws stay as they were when nothing was written.
  template <typename F>
  auto write(F&& f) -> decltype(f(std::declval<store::HistoryStore&>())) {
    store::HistoryStore& s = writable();
    try {
      if constexpr (std::is_void_v<decltype(f(s))>) {
        f(s);
        reload();
      } else {
        auto r = f(s);
        reload();
        return r;
      }
    } catch (const store::StoreError& e) {
      writeFailed(e);
      throw;
    }
  }

  // Reads the draws again.
  void reload();

 signals:
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  store::HistoryStore& writable();
  // Opens the path read-only (again) and reads it; emits changed().
  void reopen();
  void storeRemoved();
  void writeFailed(const store::StoreError& e);
  void watchFile();
  void scheduleFollow();

  bool opened_ = false;
  bool following_ = false;      // inside follow(): a page refreshing must not start another
  bool followPending_ = false;  // a file notification waits for the event loop
  bool goneTold_ = false;       // a write was refused with gone_ since the file vanished
  QString error_;
  QString path_;
  QString gone_;
  QString writeBlock_;
  FileIdentity failedFile_;  // the file that could not be opened, to try again once it changes
  std::unique_ptr<store::HistoryStore> store_;
  std::shared_ptr<const std::vector<history::Draw>> draws_;
  QFileSystemWatcher* watcher_ = nullptr;
};

}  // namespace torvane::ui
