#pragma once
// The "指标统计" page: every attribute's statistics over the store's history, one table per
// attribute, as many side by side as the width takes, and 设为杀号条件 for the values
// selected in them.

#include <QWidget>
#include <array>
#include <vector>

#include "history/attribute_stats.h"
#include "ui/analysis/stats_conditions.h"

class QComboBox;
class QLabel;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QScrollArea;
class QTableView;

namespace torvane::ui {

class AttributeStatsModel;
class DrawStore;
class PageHost;

class StatsPage : public QWidget {
  Q_OBJECT
 public:
  StatsPage(PageHost& host, QWidget* parent = nullptr);

  QComboBox* windowChoice() const { return window_; }
  QTableView* view(history::Attribute a) const { return views_[static_cast<int>(a)]; }
  AttributeStatsModel* model(history::Attribute a) const { return models_[static_cast<int>(a)]; }
  QLabel* noticeLabel() const { return notice_; }
  QLabel* rangeLabel() const { return range_; }
  const history::StatsTable& stats() const { return stats_; }

  // The selected values of every table, attribute by attribute, values ascending.
  std::vector<ValueChoice> chosenValues() const;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void placeTables();
  void refresh();
  void showChosen();
  void killChosen();  // 设为杀号条件
  void clearChosen();
  // Ctrl+C in a table: its selected rows with the header, tab-separated.
  void copySelection(history::Attribute a);

  PageHost& host_;
  DrawStore& store_;
  history::StatsTable stats_;
  QComboBox* window_ = nullptr;
  QLabel* range_ = nullptr;
  QLabel* notice_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QGridLayout* grid_ = nullptr;
  std::array<QGroupBox*, history::kAttributeCount> boxes_{};
  int tableWidth_ = 0;
  int columns_ = 0;
  std::array<AttributeStatsModel*, history::kAttributeCount> models_{};
  std::array<QTableView*, history::kAttributeCount> views_{};
  QLabel* chosen_ = nullptr;
  QPushButton* kill_ = nullptr;
  QPushButton* clear_ = nullptr;
};

}  // namespace torvane::ui
