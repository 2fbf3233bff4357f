#pragma once
// The result frame: winning-number row, result list, count row with the run status, the
// 条件统计 and 随机选号 buttons, page size, page buttons and legend; the run panel is placed
// at its foot.

#include <QWidget>
#include <memory>

#include "core/digit_table.h"
#include "results/condition_stats.h"

namespace torvane::widgets {
class Dialogs;
}
namespace torvane::controls {
class ResultList;
}

namespace torvane::results {

using controls::ResultList;
using widgets::Dialogs;

class ConditionStatsWindow;
class PageGrid;
class RandomPickWindow;

class ResultPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ResultPanel(Dialogs& dialogs, QWidget* parent = nullptr);
  ~ResultPanel() override;

  // The run panel (picFilter) at the foot of the frame.
  void setRunPanel(QWidget* runPanel);

  // New results (after a run or a group conversion), shown from the first page. The panel
  // holds the one table; the list and the copy path read it there.
  void setResults(std::shared_ptr<const DigitTable> results);
  void setResults(DigitTable results) {
    setResults(std::make_shared<const DigitTable>(std::move(results)));
  }
  const DigitTable& results() const;
  int resultCount() const;

  // The kills of the last run, for 条件统计.
  void setConditionStats(const ConditionStats& stats);

  // Lays the page buttons out for the results and shows the list from the top; no page is
  // current afterwards. With no results the panel keeps only its count rows and, after the
  // start-up build, shows the zero-result notice.
  void rebuildPages();
  // Page button k: it turns green, the one before red, its numbers go on the clipboard and
  // the list scrolls to them.
  void showPage(int page);

  void setStatusText(const QString& text);  // L_ztai
  QString statusText() const;

  // 复制全部号码 / 导出全部号码 once there are results.
  void copyAll();
  void exportAll();

  // Enter in txtPage and leaving it: clamp to 1000..100000, rebuild when the size changed.
  void validatePageSize();
  // 兑奖匹配.
  void checkWinningNumber();
  // 条件统计 and 随机选号: modeless windows, found by their objectNames frmConditionStats
  // and frmRandomPick.
  void showConditionStats();
  void showRandomPick();
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
  std::unique_ptr<Impl> d_;

  void layoutFrame();
  void buildWidgets();
  void showCount();
  bool checkLottoLeave();
  QString allNumbersText();
};

}  // namespace torvane::results
