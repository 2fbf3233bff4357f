#pragma once
// The "开奖历史" page: the draws of the store, newest first or sorted by a column, with
// import, export, add, delete, copy and a jump to a period, and the omission table of the
// last draws.

#include <QDate>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
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

  // The store is opened the first time the page is shown or an action needs it.
  void importFile();      // 导入开奖文件…
  void addDraw();         // 添加
  void deleteSelected();  // 删除所选
  void copySelected();    // 复制
  void exportDraws();     // 导出…
  void jumpToPeriod();    // 跳到

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
  // What the period and date boxes were last given, so typing is never overwritten.
  QString proposedPeriod_;
  QDate proposedDate_;
};

}  // namespace torvane::ui
