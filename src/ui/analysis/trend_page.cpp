#include "ui/analysis/trend_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"

namespace torvane::ui {

namespace {

// The windows offered, in draws; 0 is the whole history.
constexpr int kTrendWindows[] = {30, 50, 100, 300, 0};
constexpr int kDefaultTrendWindow = 2;

const char* const kPositionNames[5] = {"万位", "千位", "百位", "十位", "个位"};

}  // namespace

TrendView::TrendView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("picTrend"));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
          qOverload<>(&QWidget::update));
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(),
          qOverload<>(&QWidget::update));
  relayout();
}

void TrendView::setChart(TrendChart chart) {
  chart_ = std::move(chart);
  relayout();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
}

void TrendView::setOptions(const TrendPaintOptions& options) {
  options_ = options;
  viewport()->update();
}

int TrendView::firstRow() const {
  return verticalScrollBar()->value();
}

void TrendView::relayout() {
  QScrollBar* v = verticalScrollBar();
  const bool atBottom = v->value() == v->maximum();
  geometry_ = TrendGeometry::Fit(viewport()->font(), chart_, viewport()->width(), viewport());
  const int visible = std::max(1, geometry_.visibleRows(viewport()->height()));
  v->setRange(0, std::max(0, static_cast<int>(chart_.rows.size()) - visible));
  v->setPageStep(visible);
  v->setSingleStep(1);
  if (atBottom) v->setValue(v->maximum());
  QScrollBar* h = horizontalScrollBar();
  h->setRange(0, std::max(0, geometry_.width() - viewport()->width()));
  h->setPageStep(viewport()->width());
  h->setSingleStep(geometry_.cellWidth);
}

void TrendView::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  PaintTrendChart(p, chart_, geometry_, viewport()->size(), firstRow(),
                  horizontalScrollBar()->value(), options_);
}

void TrendView::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  relayout();
}

void TrendView::keyPressEvent(QKeyEvent* e) {
  QScrollBar* v = verticalScrollBar();
  if (e->key() == Qt::Key_Home)
    v->setValue(v->minimum());
  else if (e->key() == Qt::Key_End)
    v->setValue(v->maximum());
  else
    QAbstractScrollArea::keyPressEvent(e);
}

bool TrendView::viewportEvent(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), text, viewport());
    return true;
  }
  return QAbstractScrollArea::viewportEvent(e);
}

QString TrendView::toolTipAt(QPoint pos) const {
  const TrendGeometry& g = geometry_;
  if (pos.x() < g.periodWidth) return {};  // the period column does not scroll
  const int x = pos.x() + horizontalScrollBar()->value() - g.periodWidth;
  const int y = pos.y() - g.headerHeight();
  const int bodyHeight = g.visibleRows(viewport()->height()) * g.rowHeight;
  if (x < 0 || x >= 50 * g.cellWidth || y < 0 || y >= bodyHeight || g.rowHeight <= 0) return {};
  const int row = firstRow() + y / g.rowHeight;
  if (row >= static_cast<int>(chart_.rows.size())) return {};
  const int position = x / g.cellWidth / 10, digit = x / g.cellWidth % 10;
  const TrendRow& r = chart_.rows[row];
  const QString where = QStringLiteral("第 %1 期 %2 %3")
                            .arg(r.period, QString::fromUtf8(kPositionNames[position]))
                            .arg(digit);
  const int omission = r.omission[position][digit];
  return omission == 0 ? QStringLiteral("%1：开出").arg(where)
                       : QStringLiteral("%1：已连续 %2 期没有开出").arg(where).arg(omission);
}

TrendPage::TrendPage(PageHost& host, QWidget* parent) : QWidget(parent), store_(host.drawStore()) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* top = new QHBoxLayout;
  window_ = new QComboBox(this);
  window_->setObjectName(QStringLiteral("cboTrendWindow"));
  for (int n : kTrendWindows)
    window_->addItem(n ? QStringLiteral("最近 %1 期").arg(n) : QStringLiteral("全部"), n);
  window_->setCurrentIndex(kDefaultTrendWindow);
  omission_ = new QCheckBox(QStringLiteral("显示遗漏"), this);
  omission_->setObjectName(QStringLiteral("chkTrendOmission"));
  omission_->setChecked(true);
  omission_->setToolTip(QStringLiteral("没开出的格子里显示该数字已连续几期没有开出"));
  lines_ = new QCheckBox(QStringLiteral("折线"), this);
  lines_->setObjectName(QStringLiteral("chkTrendLines"));
  lines_->setChecked(true);
  lines_->setToolTip(QStringLiteral("用线把每一位相邻两期开出的数字连起来"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("lblTrendCount"));
  auto* label = new QLabel(QStringLiteral("统计范围"), this);
  label->setBuddy(window_);
  top->addWidget(label);
  top->addWidget(window_);
  top->addSpacing(12);
  top->addWidget(omission_);
  top->addWidget(lines_);
  top->addSpacing(12);
  top->addWidget(count_, 1);
  column->addLayout(top);

  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("lblTrendNotice"));
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
  notice_->hide();
  column->addWidget(notice_);

  view_ = new TrendView(this);
  column->addWidget(view_, 1);
  auto* words = new QLabel(
      QStringLiteral(
          "彩色圆圈是开出的数字，其他格子是该数字到这一期已连续几期没有开出（按整个"
          "历史计算）。下方四行按所选范围统计：出现次数；平均遗漏 = 没开出的期数 ÷ "
          "(出现次数 + 1)；最大遗漏是这一列中最大的遗漏数；当前遗漏是到最新一期的遗漏。"),
      this);
  words->setWordWrap(true);
  words->setStyleSheet(QStringLiteral("color: rgb(96,96,96);"));
  column->addWidget(words);

  connect(window_, &QComboBox::currentIndexChanged, this, &TrendPage::refresh);
  connect(omission_, &QCheckBox::toggled, this, &TrendPage::applyOptions);
  connect(lines_, &QCheckBox::toggled, this, &TrendPage::applyOptions);
  connect(&store_, &DrawStore::changed, this, &TrendPage::refresh);
  refresh();
}

void TrendPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  store_.ensureOpen();  // emits changed() the first time
}

void TrendPage::applyOptions() {
  view_->setOptions({omission_->isChecked(), lines_->isChecked()});
}

void TrendPage::refresh() {
  const std::vector<history::Draw>& draws = store_.draws();
  view_->setChart(BuildTrendChart(draws, window_->currentData().toInt()));
  const int n = static_cast<int>(draws.size());
  const int shown = static_cast<int>(view_->chart().rows.size());
  count_->setText(n ? QStringLiteral("共 %1 期，显示最近 %2 期").arg(n).arg(shown) : QString());
  const bool failed = !store_.error().isEmpty();
  if (failed)
    notice_->setText(QStringLiteral("开奖历史库打不开：%1").arg(store_.error()));
  else if (n == 0)
    notice_->setText(
        QStringLiteral("历史库里还没有开奖号码，走势图是空的。请在“开奖历史”页导入开奖文件"
                       "或添加开奖号码。"));
  notice_->setVisible(failed || n == 0);
}

}  // namespace torvane::ui

#include "moc_trend_page.cpp"
