#pragma once
// The 大底合并 page: base sets from files or pasted text are merged by a vote. Each number
// is counted once per set that holds it; the numbers whose count lies in the chosen range
// are the result, copied or sent to the base box.

#include <QWidget>
#include <vector>

#include "core/digit_table.h"
#include "setops/vote_merge.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class PageHost;

class MergePage : public QWidget {
  Q_OBJECT
 public:
  explicit MergePage(PageHost& host, QWidget* parent = nullptr);

  int setCount() const { return static_cast<int>(sets_.size()); }
  int resultCount() const;
  DigitTable result() const;
  QSpinBox* minBox() const { return min_; }
  QSpinBox* maxBox() const { return max_; }

  // Adds the numbers of a UTF-8 text as one set; false, after a message, when it holds none.
  bool addSet(const QString& name, const std::string& text);
  void importFile();  // 导入文件…: one set per file chosen
  void addPasted();   // 粘贴为一组: the paste box becomes a set
  void removeSelected();
  void clearSets();
  void copyResult();
  // Into 大底号码, after a question when that box already holds numbers.
  void sendResult();

 private:
  struct Set {
    QString name;
    std::vector<uint8_t> present;  // parsed once, when added
    int count = 0;
    int dropped = 0;
  };

  // Adds the set, or says why not (and adds nothing).
  QString takeSet(const QString& name, const std::string& text);
  void setsChanged(int oldCount);
  void showVotes();
  void showCount();

  PageHost& host_;
  Dialogs& dialogs_;
  std::vector<Set> sets_;
  VoteTally tally_;
  std::vector<int> histogram_;
  int pasted_ = 0;  // pasted sets so far, for their names

  QTableWidget* setTable_;
  QPlainTextEdit* pasteBox_;
  QTableWidget* voteTable_;
  QSpinBox* min_;
  QSpinBox* max_;
  QLabel* count_;
};

}  // namespace torvane::ui
