#pragma once
// The "开奖历史" page: the draws of the store, newest first or sorted by a column, with
// import, export, add, delete, copy and a jump to a period, and the omission table of the
// last draws.

#include <QDate>
#include <QWidget>
#include <memory>

#include "history/draw_file.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTableView;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class DrawStore;
class DrawTableModel;
class OmissionModel;
class PageHost;

class HistoryPage : public QWidget {
  Q_OBJECT
 public:
  HistoryPage(PageHost& host, QWidget* parent = nullptr);

  QTableView* drawView() const { return drawView_; }
  DrawTableModel* drawModel() const { return drawModel_; }
  OmissionModel* omissionModel() const { return omissionModel_; }
  QComboBox* omissionWindow() const { return omissionWindow_; }
  QLineEdit* periodBox() const { return period_; }
  QDateEdit* dateBox() const { return date_; }
  QLineEdit* numberBox() const { return number_; }
  QLineEdit* jumpBox() const { return jump_; }
  QLabel* countLabel() const { return count_; }
  QLabel* noticeLabel() const { return notice_; }
  QLabel* statusLabel() const { return status_; }
  // "缺 3 期：…" while the history has holes; hidden otherwise.
  QLabel* missingLabel() const { return missing_; }
  QPushButton* pasteButton() const { return paste_; }
  QPushButton* updateButton() const { return update_; }
  // While 从网址更新… downloads: its progress box (取消 stops the download).
  QProgressDialog* downloadProgress() const { return progress_; }
  bool downloading() const { return download_ != nullptr; }

  // The store is opened the first time the page is shown or an action needs it.
  void importFile();      // 导入开奖文件…
  void addDraw();         // 添加
  void deleteSelected();  // 删除所选
  void copySelected();    // 复制
  void exportDraws();     // 导出…
  void jumpToPeriod();    // 跳到
  void pasteDraws();      // 粘贴开奖, Ctrl+V on the draw table
  // 从网址更新…: returns at once; the download runs on a worker thread and the draws are
  // merged when it ends.
  void updateFromAddress();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* buildActionRow();
  QWidget* buildAddRow();
  QWidget* buildOmission();
  void refresh();
  // Period and date boxes get the draw after the newest, unless the player typed their own
  // (force: whatever they hold).
  void proposeNext(bool force);
  void recomputeOmission();
  bool openStore();
  QStringList selectedPeriods() const;
  void selectPeriod(const QString& period);
  // Merges a read draw text (a file, the clipboard, a download) as one import, asking first
  // when figures differ from the stored ones; source names it in the status line.
  void mergeDraws(const history::DrawFileResult& read, const QString& source);
  void installPasteKey();
  // The missing-period line and the figure columns, after every change of the draws.
  void showHistoryGaps();
  struct Download;
  void finishDownload();

  PageHost& host_;
  Dialogs& dialogs_;
  DrawStore& store_;
  DrawTableModel* drawModel_ = nullptr;
  OmissionModel* omissionModel_ = nullptr;
  QTableView* drawView_ = nullptr;
  QTableView* omissionView_ = nullptr;
  QComboBox* omissionWindow_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* status_ = nullptr;
  QLineEdit* period_ = nullptr;
  QDateEdit* date_ = nullptr;
  QLineEdit* number_ = nullptr;
  QLineEdit* jump_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* paste_ = nullptr;
  QPushButton* update_ = nullptr;
  QLabel* missing_ = nullptr;
  QProgressDialog* progress_ = nullptr;
  std::shared_ptr<Download> download_;  // the download in flight
  // What the period and date boxes were last given, so typing is never overwritten.
  QString proposedPeriod_;
  QDate proposedDate_;
};

}  // namespace torvane::ui
