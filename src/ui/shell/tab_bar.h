#pragma once
// The row of tab buttons across the top of the window (fraButton). Exactly one button is
// selected (green); the window decides what a click shows. Every button has a fixed width
// from its caption, so choosing a tab changes its colour and nothing else.

#include <QStringList>
#include <QWidget>

#include "ui/host/page_tabs.h"

class QFontMetrics;
class QPushButton;

namespace torvane::ui {

// Width of the tab button for caption: its text, at least three characters' worth, plus
// padding. Fixed whatever the button's state.
int TabButtonWidth(const QFontMetrics& fm, const QString& caption);
// Width of a row of tabs with these captions, spacing included.
int TabRowWidth(const QFontMetrics& fm, const QStringList& captions);

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

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void fitButtons();

  QPushButton* buttons_[kTabCount] = {};
  int current_ = -1;
};

}  // namespace torvane::ui
