#include "results/result_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "controls/result_list.h"
#include "results/condition_stats_window.h"
#include "results/copy_text.h"
#include "results/digit_line_edit.h"
#include "results/page_grid.h"
#include "results/page_legend.h"
#include "results/page_size.h"
#include "results/random_pick_window.h"
#include "results/winning_number.h"
#include "widgets/dialogs.h"

namespace torvane::results {

using controls::ResultList;
using controls::ResultListFont;
using widgets::Dialogs;

namespace {

// Panel geometry in pixels.
constexpr int kFrameWidth = 251;
constexpr int kFrameHeight = 683;
constexpr int kMinFrameHeight = 480;
constexpr int kListLeft = 4;
constexpr int kListTop = 64;
constexpr int kToolRowTop = 22;  // 条件统计, 随机选号: they stay without results
constexpr int kCopyTipTop = 48;  // the page panel shrinks to this without results
constexpr int kPageRowTop = 68;
constexpr int kGridTop = 88;
constexpr int kRunPanelHeight = 129;
constexpr int kMinListHeight = 40;

const QString kTitle = QStringLiteral("Torvane");
const QString kNoResults = QStringLiteral("结果注数为 0，请先进行过滤！");

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  l->move(x, y);
  l->adjustSize();
  return l;
}

QFont BoldFont(double points) {
  QFont f = ResultListFont();
  f.setPointSizeF(points);
  f.setBold(true);
  return f;
}

}  // namespace

struct ResultPanel::Impl {
  explicit Impl(Dialogs& d) : dialogs(d) {}
  Dialogs& dialogs;
  std::shared_ptr<const DigitTable> results = std::make_shared<const DigitTable>();
  ConditionStats stats;
  bool firstBuildDone = false;
  int acceptedPageSize = kDefaultPageSize;
  int pagePanelHeight = kCopyTipTop;

  DigitLineEdit* lotto = nullptr;
  QPushButton* bonus = nullptr;
  ResultList* list = nullptr;
  QPlainTextEdit* notice = nullptr;
  QWidget* pagePanel = nullptr;  // picResult: count, page size, page grid, legend
  QLabel* count = nullptr;
  QLabel* status = nullptr;
  QPushButton* statsButton = nullptr;
  DigitLineEdit* page = nullptr;
  PageGrid* grid = nullptr;
  QWidget* legend = nullptr;
  QWidget* runPanel = nullptr;
  ConditionStatsWindow* statsWindow = nullptr;  // made at the first press
  RandomPickWindow* pickWindow = nullptr;
};

ResultPanel::ResultPanel(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Impl>(dialogs)) {
  setObjectName(QStringLiteral("fraResult"));
  setFont(ResultListFont());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  buildWidgets();
  resize(kFrameWidth, kFrameHeight);
  // Laid out as an empty result; the window's start-up build is the first build.
  layoutFrame();
}

ResultPanel::~ResultPanel() = default;

void ResultPanel::buildWidgets() {
  // Winning-number row.
  AddLabel(this, QStringLiteral("输入奖号"), 6, 44, "Label7");
  d_->lotto = new DigitLineEdit(this);
  d_->lotto->setObjectName(QStringLiteral("txtLottoNumber"));
  d_->lotto->setMaxLength(5);
  d_->lotto->setFont(BoldFont(10.5));
  d_->lotto->setGeometry(66, 39, 76, 22);
  d_->bonus = new QPushButton(QStringLiteral("兑奖匹配"), this);
  d_->bonus->setObjectName(QStringLiteral("cmdBonus"));
  d_->bonus->setGeometry(148, 37, 80, 25);
  d_->bonus->setEnabled(false);
  d_->lotto->setLeaveCheck([this] { return checkLottoLeave(); });
  connect(d_->lotto, &QLineEdit::textChanged, this,
          [this](const QString& t) { d_->bonus->setEnabled(t.size() == 5); });
  connect(d_->lotto, &DigitLineEdit::enterAccepted, this, [this] {
    if (d_->bonus->isEnabled()) d_->bonus->click();
  });
  connect(d_->bonus, &QPushButton::clicked, this, &ResultPanel::checkWinningNumber);

  // The list, and the zero-result notice that covers it.
  d_->list = new ResultList(this);
  d_->list->setObjectName(QStringLiteral("lstResult"));
  d_->list->setBackColor(QColor(255, 255, 255));
  d_->list->setListFont(ResultListFont());
  d_->notice = new QPlainTextEdit(this);
  d_->notice->setObjectName(QStringLiteral("T_nonb"));
  d_->notice->setReadOnly(true);
  d_->notice->hide();

  // picResult: count row, the two buttons under it, copy tip, page size, page grid, legend.
  auto* pic = d_->pagePanel = new QWidget(this);
  pic->setObjectName(QStringLiteral("picResult"));
  AddLabel(pic, QStringLiteral("结果注数"), 4, 4, "Label8");
  d_->count = AddLabel(pic, QStringLiteral("0"), 56, 4, "lblCount");
  d_->status = AddLabel(pic, QStringLiteral("未开始过滤"), 124, 4, "L_ztai");
  for (QLabel* l : {d_->count, d_->status}) {
    l->setFont(BoldFont(9));
    l->setStyleSheet(QStringLiteral("color: rgb(0,0,192);"));
    l->adjustSize();
  }
  d_->statsButton = new QPushButton(QStringLiteral("条件统计"), pic);
  d_->statsButton->setObjectName(QStringLiteral("cmdStats"));
  d_->statsButton->setToolTip(QStringLiteral("每个条件杀掉的注数，各容错级别的注数"));
  d_->statsButton->setGeometry(4, kToolRowTop, 76, 22);
  d_->statsButton->setEnabled(false);  // until the first run
  connect(d_->statsButton, &QPushButton::clicked, this, &ResultPanel::showConditionStats);
  auto* pick = new QPushButton(QStringLiteral("随机选号"), pic);
  pick->setObjectName(QStringLiteral("cmdRandomPick"));
  pick->setToolTip(QStringLiteral("从结果中随机选出几注"));
  pick->setGeometry(84, kToolRowTop, 76, 22);
  connect(pick, &QPushButton::clicked, this, &ResultPanel::showRandomPick);

  QLabel* tip = AddLabel(pic, QStringLiteral("点下面按键复制号码，可分多次投注"), 4, kCopyTipTop,
                         "lblCopyTip");
  tip->setStyleSheet(QStringLiteral("color: rgb(255,0,0);"));
  QLabel* label1 = AddLabel(pic, QStringLiteral("每个按键设为"), 4, kPageRowTop, "Label1");
  d_->page = new DigitLineEdit(pic);
  d_->page->setObjectName(QStringLiteral("txtPage"));
  d_->page->setMaxLength(6);
  d_->page->setText(QString::number(kDefaultPageSize));
  d_->page->setGeometry(label1->x() + label1->width() + 2, kPageRowTop - 3, 48, 20);
  d_->page->setLeaveCheck([this] {
    validatePageSize();
    return true;
  });
  QLabel* label2 = AddLabel(pic, QStringLiteral("注号码"), d_->page->x() + d_->page->width() + 2,
                            kPageRowTop, "Label2");
  auto* help = new QPushButton(QStringLiteral("说明"), pic);
  help->setObjectName(QStringLiteral("cmdEx(23)"));
  help->setGeometry(label2->x() + label2->width() + 6, kPageRowTop - 5, 40, 23);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(23); });

  d_->grid = new PageGrid(pic);
  d_->grid->move(4, kGridTop);
  connect(d_->grid, &PageGrid::pagePressed, this, &ResultPanel::showPage);
  d_->legend = MakePageLegend(pic);
  // Below the count row from the start, so a panel cut to that row hides it.
  d_->legend->move(4, kGridTop);
}

void ResultPanel::setRunPanel(QWidget* runPanel) {
  d_->runPanel = runPanel;
  runPanel->setParent(this);
  runPanel->show();
  layoutFrame();
}

void ResultPanel::setResults(std::shared_ptr<const DigitTable> results) {
  d_->results = results ? std::move(results) : std::make_shared<const DigitTable>();
  rebuildPages();
  if (d_->pickWindow) d_->pickWindow->setSource(d_->results);
}

const DigitTable& ResultPanel::results() const {
  return *d_->results;
}
int ResultPanel::resultCount() const {
  return d_->results->count();
}
ResultList* ResultPanel::resultList() const {
  return d_->list;
}
PageGrid* ResultPanel::pageGrid() const {
  return d_->grid;
}
QSize ResultPanel::sizeHint() const {
  return {kFrameWidth, kFrameHeight};
}
QSize ResultPanel::minimumSizeHint() const {
  return {kFrameWidth, kMinFrameHeight};
}

void ResultPanel::setStatusText(const QString& text) {
  d_->status->setText(text);
  d_->status->adjustSize();
}

QString ResultPanel::statusText() const {
  return d_->status->text();
}

int ResultPanel::pageSize() const {
  return CheckPageSize(d_->page->text()).size;
}

void ResultPanel::resizeEvent(QResizeEvent*) {
  layoutFrame();
}

void ResultPanel::layoutFrame() {
  const int runHeight =
      d_->runPanel ? std::max(kRunPanelHeight, d_->runPanel->sizeHint().height()) : 0;
  const int listHeight =
      std::max(kMinListHeight, height() - kListTop - d_->pagePanelHeight - runHeight);
  const int listWidth = std::max(100, width() - 2 * kListLeft);
  d_->list->setGeometry(kListLeft, kListTop, listWidth, listHeight);
  d_->notice->setGeometry(d_->list->geometry());
  d_->pagePanel->setGeometry(0, kListTop + listHeight, width(), d_->pagePanelHeight);
  if (d_->runPanel)
    d_->runPanel->setGeometry(0, d_->pagePanel->y() + d_->pagePanelHeight, width(), runHeight);
}

void ResultPanel::showCount() {
  d_->count->setText(QString::number(resultCount()));
  d_->count->adjustSize();
}

void ResultPanel::showPage(int page) {
  d_->notice->hide();
  showCount();
  // Page buttons are only reachable while there are results: the panel is cut above them.
  if (resultCount() < 1 || page < 0 || page >= d_->grid->pageCount()) return;
  d_->grid->select(page);
  const PageRange range = d_->grid->range(page);
  const QString text = BuildCopyResult(*d_->results, range.first, range.last, kCopyPage);
  d_->list->setTopIndex(range.first / 5);
  if (text.isEmpty())
    ShowEmptyCopyText(d_->dialogs, this);
  else
    CopyToClipboard(d_->dialogs, this, text);
  d_->firstBuildDone = true;
}

void ResultPanel::rebuildPages() {
  const int count = resultCount();
  d_->notice->hide();
  if (count < 1) {
    // Only the count rows stay; the old buttons are cut off with the rest.
    d_->pagePanelHeight = kCopyTipTop;
  } else {
    d_->grid->rebuild(count, pageSize());
    d_->legend->move(4, d_->grid->y() + d_->grid->height());
    d_->pagePanelHeight = d_->legend->y() + d_->legend->height();
  }
  layoutFrame();
  showCount();
  d_->list->clear();
  if (count >= 1) d_->list->setData(d_->results);
  if (count == 0 && d_->firstBuildDone) {
    d_->notice->setPlainText(
        QStringLiteral("本次缩水结果为0注\n请检查您输入的条件\n注意：\n"
                       "同一条件选项不要全部打勾\n否则得0注"));
    d_->notice->show();
    d_->notice->raise();
  }
  d_->firstBuildDone = true;
}

void ResultPanel::validatePageSize() {
  const PageSizeCheck check = CheckPageSize(d_->page->text());
  d_->page->setText(QString::number(check.size));
  if (check.size != d_->acceptedPageSize) {
    d_->acceptedPageSize = check.size;
    rebuildPages();
  }
  if (!check.message.isEmpty()) d_->dialogs.warning(this, kTitle, check.message);
}

bool ResultPanel::checkLottoLeave() {
  const WinningInput in = CleanWinningNumber(d_->lotto->text());
  if (in.text != d_->lotto->text()) d_->lotto->setText(in.text);
  if (in.accepted) return true;
  d_->dialogs.warning(this, kTitle, QStringLiteral("请输入5位数字组成的奖号！"));
  d_->lotto->selectAll();
  return false;
}

void ResultPanel::checkWinningNumber() {
  if (resultCount() == 0) {
    d_->dialogs.information(this, kTitle, kNoResults);
    return;
  }
  const QString number = d_->lotto->text();
  // A press can follow a rejected leave check; such a text was already answered.
  const WinningInput in = CleanWinningNumber(number);
  if (!in.accepted || in.text != number || number.isEmpty()) return;
  if (ContainsNumber(*d_->results, number))
    d_->dialogs.information(
        this, kTitle, QStringLiteral("恭喜您！结果中包含奖号 ") + number + QStringLiteral(" ！"));
  else
    d_->dialogs.information(this, kTitle, QStringLiteral("很遗憾，结果中没有这个奖号。"));
}

void ResultPanel::setWinningNumber(const QString& number) {
  d_->lotto->setText(number);
}

QString ResultPanel::allNumbersText() {
  const QString text = BuildCopyResult(*d_->results, 0, resultCount() - 1, kCopyAll);
  if (text.isEmpty()) ShowEmptyCopyText(d_->dialogs, this);
  return text;
}

void ResultPanel::copyAll() {
  if (resultCount() == 0) {
    d_->dialogs.information(this, kTitle, kNoResults);
    return;
  }
  const QString text = allNumbersText();
  if (text.isEmpty()) return;
  // A failed copy has already said so; claiming success as well would be false.
  if (!CopyToClipboardQuietly(d_->dialogs, this, text)) return;
  d_->dialogs.information(this, kTitle,
                          QStringLiteral("所有结果共%1注，已复制到剪贴板。").arg(resultCount()));
}

void ResultPanel::exportAll() {
  if (resultCount() == 0) {
    d_->dialogs.information(this, kTitle, kNoResults);
    return;
  }
  const QString text = allNumbersText();
  if (text.isEmpty()) return;
  CopyToClipboardQuietly(d_->dialogs, this, text);
  d_->dialogs.openTextEditor(this, QStringLiteral("导出全部号码"), text);
}

void ResultPanel::setConditionStats(const ConditionStats& stats) {
  d_->stats = stats;
  d_->statsButton->setEnabled(true);
  if (d_->statsWindow) d_->statsWindow->setStats(stats);
}

void ResultPanel::showConditionStats() {
  if (!d_->statsWindow) d_->statsWindow = new ConditionStatsWindow(d_->dialogs, this);
  d_->statsWindow->setStats(d_->stats);
  d_->statsWindow->show();
  d_->statsWindow->raise();
  d_->statsWindow->activateWindow();
}

void ResultPanel::showRandomPick() {
  if (resultCount() == 0) {
    d_->dialogs.information(this, kTitle, kNoResults);
    return;
  }
  if (!d_->pickWindow) d_->pickWindow = new RandomPickWindow(d_->dialogs, this);
  d_->pickWindow->setSource(d_->results);
  d_->pickWindow->pickAgain();
  d_->pickWindow->show();
  d_->pickWindow->raise();
  d_->pickWindow->activateWindow();
}

}  // namespace torvane::results
