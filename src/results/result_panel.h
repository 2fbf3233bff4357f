#pragma once
// The result frame: winning-number row, result list, count row with the run status, page
// size, page buttons and legend; the run panel is placed at its foot.

#include <QWidget>

#include "core/digit_table.h"

namespace torvane::widgets {
class Dialogs;
}
namespace torvane::controls {
class ResultList;
}

namespace torvane::results {

using controls::ResultList;
using widgets::Dialogs;

class PageGrid;

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

  // Enter in txtPage and leaving it: clamp to 1000..100000, rebuild when the size changed.
  void ValidatePageSize();
  // 兑奖匹配.
  void checkWinningNumber();
  // Puts a number into txtLottoNumber, as if typed (the history page's double-click).
  void setWinningNumber(const QString& number);
  // The page size the pages are built with.
  int pageSize() const;

  ResultList* resultList() const;
  PageGrid* pageGrid() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void helpRequested(int index);

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  struct Impl;
  Impl* d_;

  void layoutFrame();
  void buildWidgets();
  bool checkLottoLeave();
  QString allNumbersText();
};

}  // namespace torvane::results
