#pragma once
// The "开奖历史" page: the draws of the store, newest first, with import, add, delete and
// copy, and the omission table of the last draws.

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

class HistoryPage : public QWidget {
  Q_OBJECT
 public:
  HistoryPage(Dialogs& dialogs, DrawStore& store, QWidget* parent = nullptr);

  QTableView* drawView() const { return drawView_; }
  DrawTableModel* drawModel() const { return drawModel_; }
  OmissionModel* omissionModel() const { return omissionModel_; }
  QComboBox* omissionWindow() const { return omissionWindow_; }
  QLineEdit* periodBox() const { return period_; }
  QDateEdit* dateBox() const { return date_; }
  QLineEdit* numberBox() const { return number_; }
  QLabel* countLabel() const { return count_; }
  QLabel* noticeLabel() const { return notice_; }
  QLabel* statusLabel() const { return status_; }

  // The store is opened the first time the page is shown or an action needs it.
  void importFile();      // 导入开奖文件…
  void addDraw();         // 添加
  void deleteSelected();  // 删除所选
  void copySelected();    // 复制

 signals:
  // A draw was double-clicked: its number for the winning-number box.
  void numberChosen(const QString& number);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* buildActionRow();
  QWidget* buildAddRow();
  QWidget* buildOmission();
  void refresh();
  void recomputeOmission();
  bool openStore();
  QStringList selectedPeriods() const;
  void selectPeriod(const QString& period);

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
  QPushButton* import_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* copy_ = nullptr;
  QString proposedPeriod_;  // what the period box was last given, so typing is never overwritten
};

}  // namespace torvane::ui
