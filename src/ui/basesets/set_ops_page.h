#pragma once
// The "交集功能" page: boxes A and B, the four operations and the result box.

#include <QWidget>
#include <array>

#include "core/digit_table.h"
#include "setops/set_operation.h"

class QLabel;
class QPushButton;

namespace torvane::widgets {
class Dialogs;
class HintedTextEdit;
}  // namespace torvane::widgets

namespace torvane::ui {

using widgets::Dialogs;
using widgets::HintedTextEdit;

class SetOpsPage : public QWidget {
  Q_OBJECT
 public:
  explicit SetOpsPage(Dialogs& dialogs, QWidget* parent = nullptr);

  // Controls by their window index: box 0 = A, 1 = B, 2 = result; count 0 = A, 1 = B,
  // 2 = result; cmdJoin(0..8).
  HintedTextEdit* box(int i) const { return boxes_[static_cast<size_t>(i)]; }
  QLabel* countLabel(int i) const { return counts_[static_cast<size_t>(i)]; }
  // Beside the count of A (0) or B (1): how many pieces the last paste, import or edit of
  // the box left out; empty when none.
  QLabel* droppedLabel(int i) const { return dropped_[static_cast<size_t>(i)]; }
  QPushButton* button(int i) const { return buttons_[static_cast<size_t>(i)]; }
  QPushButton* helpButton() const { return help_; }

  // OperandSelector: which operand a join-mode parse fills (0 = A, 1 = B).
  int operandSelector() const { return selector_; }
  int operandCount(int which) const;

  // What leaving box A or B does: parse it, show it canonical, update its count.
  void commitBox(int which);

 signals:
  void helpRequested(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildLayout();

  // One slot per button.
  void clearA();          // cmdJoin0 清空A
  void clearB();          // cmdJoin1 清空B
  void copyResult();      // cmdJoin2 复制结果号码
  void intersectAB();     // cmdJoin3 AB交集
  void uniteAB();         // cmdJoin4 AB并集
  void subtractBFromA();  // cmdJoin5 A排除B
  void subtractAFromB();  // cmdJoin6 B排除A
  void importA();         // cmdJoin7 导入A
  void importB();         // cmdJoin8 导入B

  void parseInto(int which, const QString& text, bool reportEmptyImport);
  void clearOperand(int which);
  void importOperand(int which);
  void runOperation(SetOp op);

  Dialogs& dialogs_;
  std::array<HintedTextEdit*, 3> boxes_{};
  std::array<QLabel*, 3> counts_{};
  std::array<QLabel*, 2> dropped_{};
  std::array<QLabel*, 2> captions_{};
  QLabel* resultCaption_ = nullptr;
  std::array<QPushButton*, 9> buttons_{};
  std::array<QLabel*, 3> tips_{};
  QPushButton* help_ = nullptr;
  std::array<DigitTable, 2> operands_;
  std::array<QString, 2> shown_;  // what the page last wrote into box A / B
  int selector_ = 0;
};

}  // namespace torvane::ui
