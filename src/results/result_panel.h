#pragma once
// The result frame: winning-number row, result list, count row with the run status, page
// size, page buttons and legend; the run panel is placed at its foot.

#include <QWidget>

#include "core/digit_table.h"

namespace torvane::ui {

class Dialogs;

class ResultPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ResultPanel(Dialogs& dialogs, QWidget* parent = nullptr);
  ~ResultPanel() override;

  // The run panel (picFilter) at the foot of the frame.
  void setRunPanel(QWidget* runPanel);

  // New ResultTable (after a run or a group conversion): kept and shown, ShowResultPages(0, true).
  void setResults(const DigitTable& results);
  const DigitTable& results() const;
  int resultCount() const;

  void ShowResultPages(int page, bool rebuild);
  void setStatusText(const QString& text);  // L_ztai
  QString statusText() const;

  // 复制全部号码 / 导出全部号码 once there are results.
  void copyAll();
  void exportAll();

 signals:
  void helpRequested(int index);

 private:
  struct Impl;
  Impl* d_;
};

}  // namespace torvane::ui
