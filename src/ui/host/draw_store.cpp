#include "ui/host/draw_store.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "store/store_access.h"
#include "store/store_error.h"
#include "store/store_path.h"

namespace torvane::ui {

using store::FileState;
using store::HistoryStore;
using store::OpenMode;
using store::StoreError;
using store::StoreErrorKind;

namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

std::shared_ptr<const std::vector<history::Draw>> NoDraws() {
  static const auto none = std::make_shared<const std::vector<history::Draw>>();
  return none;
}

QString WriteBlockText(const std::string& path) {
  const store::WriteBlock block = store::StoreWriteBlock(path);
  return block == store::WriteBlock::None ? QString() : Text(store::ReadOnlyMessage(path, block));
}

}  // namespace

DrawStore::DrawStore(QObject* parent) : QObject(parent), draws_(NoDraws()) {}
DrawStore::~DrawStore() = default;

bool DrawStore::ensureOpen() {
  if (opened_) {
    follow();
    return usable();
  }
  opened_ = true;
  try {
    path_ = Text(store::DefaultStorePath());
  } catch (const StoreError& e) {
    error_ = Text(e.what());
    emit changed();
    return false;
  }
  reopen();
  return usable();
}

void DrawStore::reopen() {
  const std::string path = path_.toStdString();
  error_.clear();
  gone_.clear();
  goneTold_ = false;
  draws_ = NoDraws();
  store_.reset();
  try {
    store_ = std::make_unique<HistoryStore>(path, OpenMode::ReadOnly);
    draws_ = std::make_shared<const std::vector<history::Draw>>(store_->All());
  } catch (const StoreError& e) {
    // A store that opened but holds a bad row stays open, so its mending is noticed.
    if (!store_) failedFile_ = IdentityOf(path);
    draws_ = NoDraws();
    error_ = Text(e.what());
  }
  writeBlock_ = WriteBlockText(path);
  watchFile();
  emit changed();
}

void DrawStore::reload() {
  if (!store_) return;
  try {
    draws_ = std::make_shared<const std::vector<history::Draw>>(store_->All());
    error_.clear();
  } catch (const StoreError& e) {
    draws_ = NoDraws();
    error_ = Text(e.what());
  }
  emit changed();
}

void DrawStore::follow() {
  if (!opened_ || following_ || path_.isEmpty()) return;
  following_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{following_};
  const std::string path = path_.toStdString();
  if (!store_) {
    // It could not be opened: try again once another file is there.
    if (IdentityOf(path) != failedFile_) reopen();
    return;
  }
  try {
    switch (store_->CheckFile()) {
      case FileState::Same:
        if (store_->HasChanged()) {
          // A store read while another program was still making it may need opening anew
          // to show what that program then wrote.
          if (store_->readOnly())
            reopen();
          else
            reload();
          return;
        }
        break;
      case FileState::Replaced:
        reopen();
        return;
      case FileState::Removed:
        storeRemoved();
        return;
    }
  } catch (const StoreError& e) {
    draws_ = NoDraws();
    error_ = Text(e.what());
    emit changed();
    return;
  }
  // A chmod changes nothing in the file but whether it takes writes.
  if (QString block = WriteBlockText(path); block != writeBlock_) {
    writeBlock_ = block;
    emit changed();
  }
}

void DrawStore::storeRemoved() {
  const std::string path = path_.toStdString();
  draws_ = NoDraws();
  error_.clear();
  gone_ = QStringLiteral(
              "历史库文件 %1 已被删除或移走（可能是另一个程序做的），"
              "窗口里不再显示其中的开奖号码。")
              .arg(path_);
  goneTold_ = false;
  try {
    // Finds nothing and makes nothing; a store made there later counts as a replacement.
    store_ = std::make_unique<HistoryStore>(path, OpenMode::ReadOnly);
  } catch (const StoreError& e) {
    store_.reset();
    failedFile_ = IdentityOf(path);
    error_ = Text(e.what());
  }
  writeBlock_ = WriteBlockText(path);
  watchFile();
  emit changed();
}

std::optional<history::Draw> DrawStore::storedNow(std::string_view period) {
  if (!ensureOpen() || !store_) return std::nullopt;
  return store_->Find(period);
}

HistoryStore& DrawStore::writable() {
  if (!ensureOpen())
    throw StoreError(StoreErrorKind::Unreadable, path_.toStdString(), error_.toStdString());
  // Never a new file without the player knowing the old one is gone.
  if (!gone_.isEmpty() && !goneTold_) {
    goneTold_ = true;
    throw StoreError(StoreErrorKind::Moved, path_.toStdString(),
                     (gone_ + QStringLiteral("\n这次没有写入。再做一次，将新建一个历史库并写入。"))
                         .toStdString());
  }
  // Read-only until the first write, so looking at the pages never creates a file.
  if (store_->readOnly())
    store_ = std::make_unique<HistoryStore>(path_.toStdString(), OpenMode::ReadWrite);
  gone_.clear();
  goneTold_ = false;
  return *store_;
}

void DrawStore::writeFailed(const StoreError& e) {
  if (e.kind() != StoreErrorKind::Moved) return;
  // Removed or replaced between the check and the write: the pages show what is there now,
  // and the player, who reads this message, has been told.
  follow();
  if (!gone_.isEmpty()) goneTold_ = true;
}

void DrawStore::followWindow(QWidget* window) {
  window->installEventFilter(this);
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) follow();
          });
  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &DrawStore::scheduleFollow);
  // The folder changes with every -wal and -shm file; only the store's own entry counts.
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
    if (!store_ || store_->CheckFile() != FileState::Same) scheduleFollow();
  });
  watchFile();
}

bool DrawStore::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::WindowActivate) follow();
  return QObject::eventFilter(watched, e);
}

void DrawStore::watchFile() {
  if (!watcher_ || path_.isEmpty()) return;
  const QStringList old = watcher_->files() + watcher_->directories();
  if (!old.isEmpty()) watcher_->removePaths(old);
  QStringList paths;
  const QFileInfo file(path_);
  // Writes land in the -wal file first and reach the store file at a checkpoint.
  for (const QString& p : {path_, path_ + QStringLiteral("-wal"), file.absolutePath()})
    if (QFileInfo::exists(p)) paths << p;
  if (!paths.isEmpty()) watcher_->addPaths(paths);
}

void DrawStore::scheduleFollow() {
  if (followPending_) return;
  followPending_ = true;
  // Notifications come in bursts during one write: one check after them.
  QTimer::singleShot(0, this, [this] {
    followPending_ = false;
    follow();
    watchFile();
  });
}

}  // namespace torvane::ui

#include "moc_draw_store.cpp"

// PageHost is a header only; its meta-object code is compiled here.
#include "moc_page_host.cpp"
