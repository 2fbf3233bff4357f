#include "ui/host/draw_store.h"

#include "store/store_error.h"
#include "store/store_path.h"

namespace torvane::ui {

using store::HistoryStore;
using store::OpenMode;
using store::StoreError;

DrawStore::DrawStore(QObject* parent) : QObject(parent) {}
DrawStore::~DrawStore() = default;

bool DrawStore::ensureOpen() {
  if (opened_) return usable();
  opened_ = true;
  try {
    const std::string path = store::DefaultStorePath();
    path_ = QString::fromStdString(path);
    store_ = std::make_unique<HistoryStore>(path, OpenMode::ReadOnly);
    draws_ = store_->All();
  } catch (const StoreError& e) {
    store_.reset();
    error_ = QString::fromStdString(e.what());
  }
  emit changed();
  return usable();
}

void DrawStore::reload() {
  if (!store_) return;
  try {
    draws_ = store_->All();
  } catch (const StoreError& e) {
    draws_.clear();
    error_ = QString::fromStdString(e.what());
  }
  emit changed();
}

HistoryStore& DrawStore::writable() {
  if (!ensureOpen())
    throw StoreError(store::StoreErrorKind::Unreadable, path_.toStdString(), error_.toStdString());
  // Read-only until the first write, so looking at the pages never creates a file.
  if (store_->readOnly())
    store_ = std::make_unique<HistoryStore>(path_.toStdString(), OpenMode::ReadWrite);
  return *store_;
}

}  // namespace torvane::ui

#include "moc_draw_store.cpp"

// PageHost is a header only; its meta-object code is compiled here.
#include "moc_page_host.cpp"
