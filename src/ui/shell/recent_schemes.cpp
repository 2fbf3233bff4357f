#include "ui/shell/recent_schemes.h"

#include <QFileInfo>
#include <QSettings>

namespace torvane::ui {
namespace {

const QString kKey = QStringLiteral("recentSchemes");

// One spelling per file, so "a/../b.json" and "b.json" are listed once.
QString Canonical(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

}  // namespace

RecentSchemes::RecentSchemes() {
  for (const QString& p : QSettings().value(kKey).toStringList()) {
    const QString path = Canonical(p);
    if (!p.isEmpty() && !paths_.contains(path) && paths_.size() < kMax) paths_ << path;
  }
}

void RecentSchemes::add(const QString& path) {
  const QString p = Canonical(path);
  paths_.removeAll(p);
  paths_.prepend(p);
  while (paths_.size() > kMax) paths_.removeLast();
  save();
}

void RecentSchemes::remove(const QString& path) {
  paths_.removeAll(Canonical(path));
  save();
}

void RecentSchemes::save() const {
  QSettings().setValue(kKey, paths_);
}

}  // namespace torvane::ui
