#include "ui/analysis/stats_page.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/analysis/stats_copy.h"
#include "ui/analysis/stats_model.h"
#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"
#include "widgets/heat_color.h"

namespace torvane::ui {

using widgets::HeatColor;
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

StatsPage::StatsPage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host), store_(host.drawStore()) {
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

  // Every attribute's table at once, as many side by side as the width takes.
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scrStats"));
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  auto* tables = new QWidget;
  auto* tablesColumn = new QVBoxLayout(tables);
  tablesColumn->setContentsMargins(0, 0, 0, 0);
  grid_ = new QGridLayout;
  grid_->setSpacing(6);
  tablesColumn->addLayout(grid_);
  tablesColumn->addStretch(1);
  scroll_->setWidget(tables);
  scroll_->viewport()->installEventFilter(this);
  column->addWidget(scroll_, 1);

  const QFontMetrics fm = fontMetrics();
  const int unit = std::max(fm.horizontalAdvance(QStringLiteral("平均遗漏")),
                            fm.horizontalAdvance(QStringLiteral("99999.00"))) +
                   12;
  const int valueWidth = fm.horizontalAdvance(QStringLiteral("AAAAA")) + 12;
  for (int a = 0; a < kAttributeCount; ++a) {
    models_[a] = new AttributeStatsModel(static_cast<Attribute>(a), this);
    boxes_[a] = new QGroupBox(Name(a), tables);
    boxes_[a]->setObjectName(QStringLiteral("fraStats(%1)").arg(a));
    auto* boxColumn = new QVBoxLayout(boxes_[a]);
    boxColumn->setContentsMargins(4, 2, 4, 4);
    auto* view = new QTableView(boxes_[a]);
    view->setObjectName(QStringLiteral("grdStats(%1)").arg(a));
    view->setModel(models_[a]);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    QHeaderView* header = view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(AttributeStatsModel::Value, QHeaderView::Fixed);
    header->resizeSection(AttributeStatsModel::Value, valueWidth);
    // The whole table shows, so the page scrolls and not each table.
    view->setMinimumWidth(valueWidth + (AttributeStatsModel::ColumnCount - 1) * unit +
                          2 * view->frameWidth());
    view->setFixedHeight(header->sizeHint().height() +
                         models_[a]->rowCount() * view->verticalHeader()->defaultSectionSize() +
                         2 * view->frameWidth());
    view->setToolTip(
        QStringLiteral("选中要杀的值（可按住 Ctrl 或 Shift 多选），"
                       "再点“设为杀号条件”"));
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatsPage::showChosen);
    view->installEventFilter(this);
    views_[a] = view;
    boxColumn->addWidget(view);
  }
  tableWidth_ = boxes_[0]->minimumSizeHint().width();
  placeTables();

  auto* legend = new QLabel(this);
  legend->setObjectName(QStringLiteral("lblStatsLegend"));
  auto swatch = [](float heat) {
    return QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;</span>")
        .arg(HeatColor(heat).name());
  };
  legend->setText(
      QStringLiteral(
          "当前遗漏的底色按 当前遗漏 ÷ 平均遗漏(理论)：热 %1%2 最近 %6 期内开出且早于平均，"
          "刚开出最红；%3 其余不到 1 倍；冷 %4%5 超过平均遗漏，3 倍以上最蓝。"
          "很少开出的值（如和值 0、45）几千期没开出也不到 1 倍：不热也不冷。")
          .arg(swatch(1.0f), swatch(0.75f), swatch(0.5f), swatch(0.25f), swatch(0.0f))
          .arg(kRecentDraws));
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
  connect(clear_, &QPushButton::clicked, this, &StatsPage::clearChosen);
  connect(kill_, &QPushButton::clicked, this, &StatsPage::killChosen);
  // Values left selected after the conditions are cleared would read as still killed.
  connect(&host_, &PageHost::conditionsCleared, this, &StatsPage::clearChosen);

  connect(window_, &QComboBox::currentIndexChanged, this, &StatsPage::refresh);
  connect(&store_, &DrawStore::changed, this, &StatsPage::refresh);
  refresh();
  showChosen();
}

bool StatsPage::eventFilter(QObject* watched, QEvent* e) {
  if (watched == scroll_->viewport() && e->type() == QEvent::Resize) placeTables();
  // The table's own Ctrl+C copies only the current cell.
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy))
    for (int a = 0; a < kAttributeCount; ++a)
      if (watched == views_[a]) {
        copySelection(static_cast<Attribute>(a));
        return true;
      }
  return QWidget::eventFilter(watched, e);
}

void StatsPage::copySelection(Attribute a) {
  const QTableView* view = views_[static_cast<int>(a)];
  const QString text =
      SelectedRowsTsv(*view->model(), *view->selectionModel(), Name(static_cast<int>(a)));
  if (text.isEmpty()) return;
  if (widgets::WriteClipboardText(text))
    host_.dialogs().copyNotice(this);
  else
    host_.dialogs().warning(this, QStringLiteral("错误提示"),
                            QStringLiteral("本次复制出现错误，请再次复制！"));
}

void StatsPage::clearChosen() {
  for (QTableView* v : views_) v->clearSelection();
}

void StatsPage::placeTables() {
  const int spacing = grid_->horizontalSpacing();
  const int columns =
      std::max(1, (scroll_->viewport()->width() + spacing) / (tableWidth_ + spacing));
  if (columns == columns_) return;
  columns_ = columns;
  // 和值 with its 46 rows comes last, so no short table waits beside it for long.
  static constexpr int kOrder[kAttributeCount] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 5};
  for (QGroupBox* b : boxes_) grid_->removeWidget(b);
  for (int i = 0; i < kAttributeCount; ++i)
    grid_->addWidget(boxes_[kOrder[i]], i / columns, i % columns, Qt::AlignTop);
  for (int c = 0; c < 4; ++c) grid_->setColumnStretch(c, c < columns ? 1 : 0);
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
    boxes_[a]->setTitle(counts[a] ? QStringLiteral("%1（已选 %2 个）").arg(Name(a)).arg(counts[a])
                                  : Name(a));
  kill_->setEnabled(!parts.isEmpty());
  clear_->setEnabled(!parts.isEmpty());
}

void StatsPage::killChosen() {
  // Through the panels' state, exactly as a scheme is loaded: nothing is clicked.
  Conditions c = host_.gatherConditions();
  const QStringList refused = AddKillConditions(c, chosenValues());
  host_.applyConditions(c);
  clearChosen();  // now they are conditions; the panels show them
  // 定位杀, 和跨胆, the ratios and 特别排除 all show with the main condition page.
  host_.showTab(kMainTab);
  if (!refused.isEmpty())
    host_.dialogs().warning(
        window(), QStringLiteral("设为杀号条件"),
        QStringLiteral("其余的值已设好，以下没有设置：\n") + refused.join('\n'));
}

}  // namespace torvane::ui

#include "moc_stats_page.cpp"
