#pragma once
// 随机选号: a chosen number of distinct numbers drawn uniformly from the current results,
// in a small modeless window with 再选一次 and 复制.

#include <QWidget>
#include <memory>

#include "core/digit_table.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::results {

using widgets::Dialogs;

class RandomPickWindow : public QWidget {  // frmRandomPick
  Q_OBJECT
 public:
  static constexpr int kDefaultCount = 5;

  explicit RandomPickWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  // The numbers to draw from; the count box goes from 1 to their count. While the window
  // is shown, new results are drawn from at once: a pick must come from what the list shows.
  void setSource(std::shared_ptr<const DigitTable> results);
  // Draws afresh with the count in the box.
  void pickAgain();

  const DigitTable& picked() const { return picked_; }
  QString pickedText() const;  // what 复制 puts on the clipboard: five to a line
  QSpinBox* countBox() const { return count_; }

 private:
  Dialogs& dialogs_;
  std::shared_ptr<const DigitTable> source_;
  DigitTable picked_;
  int wanted_ = kDefaultCount;  // the count last chosen in the box
  QLabel* from_;
  QSpinBox* count_;
  QPlainTextEdit* shown_;
  QPushButton* again_;
  QPushButton* copy_;
};

}  // namespace torvane::results
