#include "ui/history/stats_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/history/draw_store.h"
#include "ui/history/omission_model.h"
#include "ui/history/stats_model.h"

namespace torvane::ui {
namespace {

using history::Attribute;
using history::kAttributeCount;

// The windows offered, in draws; 0 is the whole history.
constexpr int kWindows[] = {30, 50, 100, 300, 0};
constexpr int kDefaultWindow = 2;

QString Name(int a) {
  return QString::fromUtf8(history::AttributeName(static_cast<Attribute>(a)));
}

}  // namespace

StatsPage::StatsPage(DrawStore& store, QWidget* parent) : QWidget(parent), store_(store) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);

  auto* top = new QHBoxLayout;
  auto* windowLabel = new QLabel(QStringLiteral("出现次数统计范围(&W)"), this);
  window_ = new QComboBox(this);
  window_->setObjectName(QStringLiteral("cboStatsWindow"));
  for (int n : kWindows)
    window_->addItem(n ? QStringLiteral("最近 %1 期").arg(n) : QStringLiteral("全部"), n);
  window_->setCurrentIndex(kDefaultWindow);
  windowLabel->setBuddy(window_);
  range_ = new QLabel(this);
  range_->setObjectName(QStringLiteral("lblStatsRange"));
  top->addWidget(windowLabel);
  top->addWidget(window_);
  top->addSpacing(12);
  top->addWidget(range_, 1);
  column->addLayout(top);

  auto* note = new QLabel(
      QStringLiteral("这些数字只记录过去。每一期开奖都和以前的期无关：一个值很久没有开出，"
                     "下一期并不因此更容易开出；开出得多的值，也不会因此更常开。"
                     "理论概率、期望次数和平均遗漏(理论)是公平开奖应有的样子，"
                     "出现次数和遗漏与它们有些出入是常态。"),
      this);
  note->setObjectName(QStringLiteral("lblStatsNote"));
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: rgb(64,64,64);"));
  column->addWidget(note);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("lblStatsNotice"));
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
  notice_->hide();
  column->addWidget(notice_);

  auto* body = new QHBoxLayout;
  attributes_ = new QListWidget(this);
  attributes_->setObjectName(QStringLiteral("lstStatsAttribute"));
  tables_ = new QStackedWidget(this);
  for (int a = 0; a < kAttributeCount; ++a) {
    attributes_->addItem(Name(a));
    models_[a] = new AttributeStatsModel(static_cast<Attribute>(a), this);
    auto* view = new QTableView(tables_);
    view->setObjectName(QStringLiteral("grdStats(%1)").arg(a));
    view->setModel(models_[a]);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->horizontalHeader()->setMinimumSectionSize(
        view->fontMetrics().horizontalAdvance(QStringLiteral("平均遗漏(理论)")) + 12);
    view->setToolTip(
        QStringLiteral("选中要杀的值（可按住 Ctrl 或 Shift 多选），"
                       "再点“设为杀号条件”"));
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatsPage::showChosen);
    views_[a] = view;
    tables_->addWidget(view);
  }
  // Wide enough for the longest name with its count of chosen values.
  attributes_->setFixedWidth(
      attributes_->fontMetrics().horizontalAdvance(QStringLiteral("质合比（10）")) + 24);
  connect(attributes_, &QListWidget::currentRowChanged, tables_, &QStackedWidget::setCurrentIndex);
  attributes_->setCurrentRow(0);
  body->addWidget(attributes_);
  body->addWidget(tables_, 1);
  column->addLayout(body, 1);

  auto* legend = new QLabel(this);
  QString scale;
  for (float heat : {1.0f, 0.75f, 0.5f, 0.25f, 0.0f})
    scale += QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;</span>")
                 .arg(HeatColor(heat).name());
  legend->setText(QStringLiteral("当前遗漏的底色按 当前遗漏 ÷ 平均遗漏(理论)：刚开出 %1 "
                                 "3 倍以上；约 1 倍为浅黄。遗漏按全部历史计算。")
                      .arg(scale));
  legend->setWordWrap(true);
  column->addWidget(legend);

  auto* foot = new QHBoxLayout;
  chosen_ = new QLabel(this);
  chosen_->setObjectName(QStringLiteral("lblStatsChosen"));
  chosen_->setWordWrap(true);
  clear_ = new QPushButton(QStringLiteral("清除选择"), this);
  clear_->setObjectName(QStringLiteral("cmdStatsClear"));
  kill_ = new QPushButton(QStringLiteral("设为杀号条件"), this);
  kill_->setObjectName(QStringLiteral("cmdStatsKill"));
  kill_->setToolTip(
      QStringLiteral("把选中的值加到对应的杀号条件上（定位杀、杀和值、杀和尾、"
                     "杀跨度、比例、特别排除），已有的条件保留"));
  foot->addWidget(chosen_, 1);
  foot->addWidget(clear_);
  foot->addWidget(kill_);
  column->addLayout(foot);
  connect(clear_, &QPushButton::clicked, this, [this] {
    for (QTableView* v : views_) v->clearSelection();
  });
  connect(kill_, &QPushButton::clicked, this, &StatsPage::killRequested);

  connect(window_, &QComboBox::currentIndexChanged, this, &StatsPage::refresh);
  connect(&store_, &DrawStore::changed, this, &StatsPage::refresh);
  refresh();
  showChosen();
}

void StatsPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // The first opening emits changed(), which refreshes the page.
  store_.ensureOpen();
}

std::vector<ValueChoice> StatsPage::chosenValues() const {
  std::vector<ValueChoice> chosen;
  for (int a = 0; a < kAttributeCount; ++a) {
    QModelIndexList rows = views_[a]->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex& r : rows) chosen.push_back({static_cast<Attribute>(a), r.row()});
  }
  return chosen;
}

void StatsPage::refresh() {
  const std::vector<history::Draw>& draws = store_.draws();
  stats_ = history::ComputeAttributeStats(draws, window_->currentData().toInt());
  for (int a = 0; a < kAttributeCount; ++a)
    models_[a]->setStats(stats_.attributes[a], stats_.draws);

  const bool failed = !store_.error().isEmpty();
  if (draws.empty()) {
    range_->clear();
  } else {
    const QString window = stats_.window == stats_.draws
                               ? QStringLiteral("全部")
                               : QStringLiteral("最近 %1 期").arg(stats_.window);
    range_->setText(QStringLiteral("全部 %1 期（%2 至 %3），出现次数按%4，遗漏按全部历史")
                        .arg(stats_.draws)
                        .arg(QString::fromStdString(draws.front().period),
                             QString::fromStdString(draws.back().period), window));
  }
  if (failed) {
    notice_->setText(QStringLiteral("开奖历史库打不开：%1\n这里只能显示理论概率和平均遗漏(理论)。")
                         .arg(store_.error()));
  } else {
    notice_->setText(
        QStringLiteral("历史库里还没有开奖号码，这里只能显示理论概率和平均遗漏(理论)。"
                       "请在“开奖历史”页导入开奖文件。"));
  }
  notice_->setVisible(failed || (draws.empty() && store_.usable()));
}

void StatsPage::showChosen() {
  QStringList parts;
  std::array<int, kAttributeCount> counts{};
  QStringList values;
  int last = -1;
  for (const ValueChoice& c : chosenValues()) {
    const int a = static_cast<int>(c.attribute);
    if (a != last && !values.isEmpty()) {
      parts << Name(last) + QLatin1Char(' ') + values.join(QLatin1Char(' '));
      values.clear();
    }
    last = a;
    ++counts[a];
    values << QString::fromStdString(history::ValueLabel(c.attribute, c.value));
  }
  if (!values.isEmpty()) parts << Name(last) + QLatin1Char(' ') + values.join(QLatin1Char(' '));
  chosen_->setText(parts.isEmpty() ? QStringLiteral("未选中任何值")
                                   : QStringLiteral("已选：") + parts.join(QStringLiteral("；")));
  for (int a = 0; a < kAttributeCount; ++a)
    attributes_->item(a)->setText(counts[a] ? QStringLiteral("%1（%2）").arg(Name(a)).arg(counts[a])
                                            : Name(a));
  kill_->setEnabled(!parts.isEmpty());
  clear_->setEnabled(!parts.isEmpty());
}

}  // namespace torvane::ui
