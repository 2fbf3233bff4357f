#pragma once
// The draw history as the window sees it: the store opened on first use, its draws kept in
// memory for the two history pages. Opening never happens at window construction, so a
// damaged or newer store only disables these pages.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "history/draw.h"
#include "store/history_store.h"

namespace torvane::ui {

class DrawStore : public QObject {
  Q_OBJECT
 public:
  explicit DrawStore(QObject* parent = nullptr);
  ~DrawStore() override;

  // Opens the store read-only and reads its draws, once; false when it cannot be used
  // (see error()). A missing store reads as empty and is only created by a write.
  bool ensureOpen();
  bool usable() const { return opened_ && error_.isEmpty(); }
  // Why the store cannot be used; empty while it can.
  const QString& error() const { return error_; }
  // The store file, once known.
  const QString& path() const { return path_; }

  // Oldest first, as the store orders them.
  const std::vector<history::Draw>& draws() const { return draws_; }

  // A write: runs f on the store opened for writing, then reads the draws again and emits
  // changed(). StoreError passes through to the caller, who shows it; the draws stay as
  // they were when nothing was written.
  template <typename F>
  auto write(F&& f) -> decltype(f(std::declval<store::HistoryStore&>())) {
    store::HistoryStore& s = writable();
    if constexpr (std::is_void_v<decltype(f(s))>) {
      f(s);
      reload();
    } else {
      auto r = f(s);
      reload();
      return r;
    }
  }

  // Reads the draws again (after another program wrote the file).
  void reload();

 signals:
  void changed();

 private:
  store::HistoryStore& writable();

  bool opened_ = false;
  QString error_;
  QString path_;
  std::unique_ptr<store::HistoryStore> store_;
  std::vector<history::Draw> draws_;
};

}  // namespace torvane::ui
