#pragma once
// The base-number page (fraTab(0)): the base box with its count, clear and import.
// Every way text arrives ends in the same parse, which replaces the window's BaseSet and
// puts the canonical text back into the box.

#include <QWidget>

#include "core/digit_table.h"

class QLabel;
class QPushButton;

namespace torvane::widgets {
class Dialogs;
class HintedTextEdit;
}  // namespace torvane::widgets

namespace torvane::ui {

using widgets::Dialogs;
using widgets::HintedTextEdit;

class BasePage : public QWidget {
  Q_OBJECT
 public:
  // baseSet is the window's; the page is its only writer.
  BasePage(Dialogs& dialogs, DigitTable& baseSet, QWidget* parent = nullptr);

  HintedTextEdit* box() const { return box_; }
  QLabel* countLabel() const { return count_; }
  // How many pieces the last paste, import or edit left out; empty when none.
  QLabel* droppedLabel() const { return dropped_; }

  // Parses text into BaseSet and shows the canonical text, the count and what was left out.
  void parseIntoBox(const QString& text);
  void commit();      // the box was left
  void clear();       // 清空
  void importFile();  // 导入

 signals:
  void helpRequested(int index);

 private:
  void showCount();
  void pasteMerged(const QString& merged);

  Dialogs& dialogs_;
  DigitTable& baseSet_;
  HintedTextEdit* box_;
  QLabel* count_;
  QLabel* dropped_;
  QString shown_;  // what the page last wrote into the box
};

}  // namespace torvane::ui
