#pragma once
// The schemes last loaded or saved, most recent first, kept in the settings between starts.

#include <QStringList>

namespace torvane::ui {

class RecentSchemes {
 public:
  static constexpr int kMax = 8;

  // Reads the list the settings hold.
  RecentSchemes();

  const QStringList& paths() const { return paths_; }
  // To the front, listed once; the oldest beyond kMax is dropped. Saved at once.
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void save() const;

  QStringList paths_;
};

}  // namespace torvane::ui
