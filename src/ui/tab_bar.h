#pragma once
// The row of fourteen tab buttons across the top of the window (fraButton). Exactly one
// button is selected (green); the window decides what a click shows.

#include <QWidget>

class QPushButton;

namespace torvane::ui {

constexpr int kTabCount = 14;

class TabBar : public QWidget {
  Q_OBJECT
 public:
  explicit TabBar(QWidget* parent = nullptr);

  QPushButton* button(int index) const { return buttons_[index]; }
  // Clears every button, then selects button index.
  void select(int index);
  int current() const { return current_; }

 signals:
  void tabClicked(int index);

 private:
  QPushButton* buttons_[kTabCount] = {};
  int current_ = -1;
};

}  // namespace torvane::ui
