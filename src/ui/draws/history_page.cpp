#include "ui/draws/history_page.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/draws/draw_entry.h"
#include "ui/draws/draw_table_model.h"
#include "ui/draws/omission_model.h"
#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"

namespace torvane::ui {

namespace {

// The omission windows offered, in draws; 0 is the whole history.
constexpr int kOmissionWindows[] = {30, 50, 100, 0};
constexpr int kDefaultOmissionWindow = 2;

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

// Columns keep their least widths and share the room beyond them in proportion, so a wide
// window leaves no blank strip and a narrow one scrolls rather than cutting text.
class StretchColumns : public QObject {
 public:
  StretchColumns(QTableView* view, std::vector<int> least)
      : QObject(view), view_(view), least_(std::move(least)) {
    view->viewport()->installEventFilter(this);
    // Hiding or showing a column resizes its section: the others share the room again.
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
      if (!fitting_) fit();
    });
    fit();
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Resize) fit();
    return false;
  }

 private:
  void fit() {
    QHeaderView* header = view_->horizontalHeader();
    fitting_ = true;
    int total = 0, last = -1;
    for (int c = 0; c < static_cast<int>(least_.size()); ++c) {
      if (header->isSectionHidden(c)) continue;
      total += least_[c];
      last = c;
    }
    const int room = std::max(0, view_->viewport()->width() - total);
    int given = 0;
    for (int c = 0; c <= last; ++c) {
      if (header->isSectionHidden(c)) continue;
      // The last column takes what rounding left.
      const int extra = c < last ? room * least_[c] / std::max(1, total) : room - given;
      given += extra;
      header->resizeSection(c, least_[c] + extra);
    }
    fitting_ = false;
  }

  QTableView* view_;
  std::vector<int> least_;
  bool fitting_ = false;
};

// Rows of one text line; the table never measures rows it does not show.
void SetCompactRows(QTableView* view) {
  QHeaderView* rows = view->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(view->fontMetrics().height() + 6);
}

QString DateRange(const std::vector<history::Draw>& draws) {
  std::string first, last;
  for (const history::Draw& d : draws) {
    if (d.date.empty()) continue;
    if (first.empty() || d.date < first) first = d.date;
    if (last.empty() || d.date > last) last = d.date;
  }
  if (first.empty()) return {};
  return QStringLiteral("%1 至 %2")
      .arg(QString::fromStdString(first), QString::fromStdString(last));
}

}  // namespace

HistoryPage::HistoryPage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host), dialogs_(host.dialogs()), store_(host.drawStore()) {
  drawModel_ = new DrawTableModel(this);
  omissionModel_ = new OmissionModel(this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(buildActionRow());
  column->addWidget(buildAddRow());
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("lblHistoryNotice"));
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
  notice_->hide();
  column->addWidget(notice_);
  missing_ = new QLabel(this);
  missing_->setObjectName(QStringLiteral("lblHistoryMissing"));
  missing_->setWordWrap(true);
  missing_->setStyleSheet(QStringLiteral("color: rgb(176,96,0); font-weight: bold;"));
  missing_->setToolTip(
      QStringLiteral("期号按年连续编号（如 2026001、2026002…），缺了的期会让"
                     "遗漏、统计和回测算错；请补上这些期"));
  missing_->hide();
  column->addWidget(missing_);

  auto* body = new QHBoxLayout;
  drawView_ = new QTableView(this);
  drawView_->setObjectName(QStringLiteral("grdHistory"));
  drawView_->setModel(drawModel_);
  drawView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  drawView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  drawView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  drawView_->verticalHeader()->hide();
  drawView_->setAlternatingRowColors(true);
  drawView_->setToolTip(QStringLiteral("双击一期，把它的号码填入右边的“输入奖号”"));
  SetCompactRows(drawView_);
  QHeaderView* header = drawView_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  const int unit = fontMetrics().horizontalAdvance(QStringLiteral("0"));
  const int widths[DrawTableModel::Count] = {10, 11, 8, 5, 5, 6, 6, 6, 6, 12, 8, 9};
  std::vector<int> least;
  for (int c = 0; c < DrawTableModel::Count; ++c) least.push_back(widths[c] * unit + 12);
  new StretchColumns(drawView_, least);
  header->setSortIndicator(DrawTableModel::Period, Qt::DescendingOrder);
  drawView_->setSortingEnabled(true);
  // A double click puts the draw's number into the result panel's winning-number box.
  connect(drawView_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid())
      host_.setWinningNumber(QString::fromStdString(drawModel_->draw(index.row()).NumberText()));
  });
  body->addWidget(drawView_, 1);
  body->addWidget(buildOmission());
  column->addLayout(body, 1);

  installPasteKey();
  connect(&store_, &DrawStore::changed, this, &HistoryPage::refresh);
  refresh();
}

QWidget* HistoryPage::buildActionRow() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  import_ = Button(QStringLiteral("导入开奖文件…"), "cmdHistoryImport", row);
  paste_ = Button(QStringLiteral("粘贴开奖"), "cmdHistoryPaste", row);
  paste_->setToolTip(
      QStringLiteral("把剪贴板中的开奖记录（从网页或表格复制的）导入历史库；"
                     "在表格上按 Ctrl+V 也可以"));
  update_ = Button(QStringLiteral("从网址更新…"), "cmdHistoryUpdate", row);
  update_->setToolTip(QStringLiteral("从一个网址下载开奖文件并导入历史库"));
  export_ = Button(QStringLiteral("导出…"), "cmdHistoryExport", row);
  export_->setToolTip(
      QStringLiteral("把历史库的全部开奖号码写成 CSV 文件（期号、日期、号码），可再导入"));
  jump_ = new QLineEdit(row);
  jump_->setObjectName(QStringLiteral("txtHistoryJump"));
  jump_->setMaxLength(32);
  jump_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14 + 10);
  jump_->setToolTip(QStringLiteral("输入期号后按回车，表格跳到这一期"));
  auto* jumpLabel = new QLabel(QStringLiteral("跳到期号"), row);
  jumpLabel->setBuddy(jump_);
  QPushButton* jumpButton = Button(QStringLiteral("跳到"), "cmdHistoryJump", row);
  count_ = new QLabel(row);
  count_->setObjectName(QStringLiteral("lblHistoryCount"));
  count_->setStyleSheet(QStringLiteral("color: rgb(0,0,192); font-weight: bold;"));
  copy_ = Button(QStringLiteral("复制"), "cmdHistoryCopy", row);
  copy_->setToolTip(QStringLiteral("把所选各期的期号、日期和号码复制到剪贴板"));
  delete_ = Button(QStringLiteral("删除所选"), "cmdHistoryDelete", row);
  h->addWidget(import_);
  h->addWidget(paste_);
  h->addWidget(update_);
  h->addWidget(export_);
  h->addSpacing(12);
  h->addWidget(count_, 1);
  h->addWidget(jumpLabel);
  h->addWidget(jump_);
  h->addWidget(jumpButton);
  h->addSpacing(12);
  h->addWidget(copy_);
  h->addWidget(delete_);
  connect(import_, &QPushButton::clicked, this, &HistoryPage::importFile);
  connect(paste_, &QPushButton::clicked, this, &HistoryPage::pasteDraws);
  connect(update_, &QPushButton::clicked, this, &HistoryPage::updateFromAddress);
  connect(copy_, &QPushButton::clicked, this, &HistoryPage::copySelected);
  connect(export_, &QPushButton::clicked, this, &HistoryPage::exportDraws);
  connect(jump_, &QLineEdit::returnPressed, this, &HistoryPage::jumpToPeriod);
  connect(jumpButton, &QPushButton::clicked, this, &HistoryPage::jumpToPeriod);
  connect(delete_, &QPushButton::clicked, this, &HistoryPage::deleteSelected);
  return row;
}

QWidget* HistoryPage::buildAddRow() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  period_ = new QLineEdit(row);
  period_->setObjectName(QStringLiteral("txtHistoryPeriod"));
  period_->setMaxLength(32);
  period_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[A-Za-z0-9_-]{0,32}")), period_));
  period_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14 + 10);
  date_ = new QDateEdit(QDate::currentDate(), row);
  date_->setObjectName(QStringLiteral("dtHistoryDate"));
  date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  date_->setCalendarPopup(true);
  number_ = new QLineEdit(row);
  number_->setObjectName(QStringLiteral("txtHistoryNumber"));
  // Everything typed or pasted stays, so a refused number can be read and mended.
  number_->setMaxLength(40);
  number_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0 0 0 0 0")) + 16);
  number_->setToolTip(QStringLiteral("五位数，如 92882；也可以是五个用空格隔开的一位数或全角数字"));
  add_ = Button(QStringLiteral("添加"), "cmdHistoryAdd", row);
  status_ = new QLabel(row);
  status_->setObjectName(QStringLiteral("lblHistoryStatus"));
  h->addWidget(new QLabel(QStringLiteral("添加一期：期号"), row));
  h->addWidget(period_);
  h->addWidget(new QLabel(QStringLiteral("日期"), row));
  h->addWidget(date_);
  h->addWidget(new QLabel(QStringLiteral("号码"), row));
  h->addWidget(number_);
  h->addWidget(add_);
  h->addSpacing(12);
  h->addWidget(status_, 1);
  connect(add_, &QPushButton::clicked, this, &HistoryPage::addDraw);
  connect(number_, &QLineEdit::returnPressed, this, &HistoryPage::addDraw);
  return row;
}

QWidget* HistoryPage::buildOmission() {
  auto* box = new QGroupBox(QStringLiteral("遗漏统计"), this);
  box->setObjectName(QStringLiteral("fraOmission"));
  auto* v = new QVBoxLayout(box);
  auto* top = new QHBoxLayout;
  omissionWindow_ = new QComboBox(box);
  omissionWindow_->setObjectName(QStringLiteral("cboOmissionWindow"));
  for (int n : kOmissionWindows)
    omissionWindow_->addItem(n ? QStringLiteral("最近 %1 期").arg(n) : QStringLiteral("全部"), n);
  omissionWindow_->setCurrentIndex(kDefaultOmissionWindow);
  top->addWidget(new QLabel(QStringLiteral("统计范围"), box));
  top->addWidget(omissionWindow_);
  top->addStretch(1);
  auto* legend = new QLabel(box);
  QString scale = QStringLiteral("冷 ");
  for (float heat : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f})
    scale += QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;</span>")
                 .arg(HeatColor(heat).name());
  legend->setText(scale + QStringLiteral(" 热"));
  legend->setToolTip(
      QStringLiteral("颜色按每一行的十个数字相比：遗漏少、出现多的偏红，"
                     "遗漏多、出现少的偏蓝"));
  top->addWidget(legend);
  v->addLayout(top);

  omissionView_ = new QTableView(box);
  omissionView_->setObjectName(QStringLiteral("grdOmission"));
  omissionView_->setModel(omissionModel_);
  omissionView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  omissionView_->setSelectionMode(QAbstractItemView::NoSelection);
  omissionView_->setFocusPolicy(Qt::NoFocus);
  omissionView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetCompactRows(omissionView_);
  QHeaderView* digits = omissionView_->horizontalHeader();
  digits->setSectionResizeMode(QHeaderView::Fixed);
  digits->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
  omissionView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  const int width = omissionView_->verticalHeader()->sizeHint().width() +
                    10 * digits->defaultSectionSize() + 2 * omissionView_->frameWidth() + 20;
  omissionView_->setFixedWidth(width);
  const int rows =
      omissionView_->horizontalHeader()->sizeHint().height() +
      omissionModel_->rowCount() * omissionView_->verticalHeader()->defaultSectionSize() +
      2 * omissionView_->frameWidth();
  omissionView_->setFixedHeight(rows);
  v->addWidget(omissionView_);
  auto* words = new QLabel(QStringLiteral("当前遗漏：最近一次开出后又过了几期；最大遗漏：全部历史中"
                                          "最长连续几期没开出；出现次数：统计范围内开出几次。"
                                          "遗漏总是按全部历史计算。鼠标停在格子上可看文字说明。"),
                           box);
  words->setWordWrap(true);
  words->setStyleSheet(QStringLiteral("color: rgb(96,96,96);"));
  v->addWidget(words);
  v->addStretch(1);
  connect(omissionWindow_, &QComboBox::currentIndexChanged, this, &HistoryPage::recomputeOmission);
  return box;
}

void HistoryPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  openStore();
}

bool HistoryPage::openStore() {
  // ensureOpen emits changed() the first time, which refreshes the page.
  return store_.ensureOpen();
}

void HistoryPage::refresh() {
  const std::vector<history::Draw>& draws = store_.draws();
  drawModel_->setHistory(draws);
  recomputeOmission();

  const bool failed = !store_.error().isEmpty();
  for (QWidget* w : {static_cast<QWidget*>(import_), static_cast<QWidget*>(paste_),
                     static_cast<QWidget*>(update_), static_cast<QWidget*>(add_),
                     static_cast<QWidget*>(delete_), static_cast<QWidget*>(period_),
                     static_cast<QWidget*>(number_), static_cast<QWidget*>(date_)})
    w->setEnabled(!failed);

  const int n = static_cast<int>(draws.size());
  QString count = QStringLiteral("共 %1 期").arg(n);
  if (const QString range = DateRange(draws); !range.isEmpty())
    count += QStringLiteral("　%1").arg(range);
  count_->setText(failed ? QString() : count);

  QString notice;
  if (failed) {
    notice = QStringLiteral(
                 "开奖历史库打不开：%1\n开奖历史和条件回测暂时不能使用，"
                 "软件的其他功能照常。")
                 .arg(store_.error());
  } else if (!store_.gone().isEmpty()) {
    notice = store_.gone() + QStringLiteral("再添加或导入时会先提示一次，然后新建一个历史库。");
  } else if (n == 0 && !store_.path().isEmpty()) {
    notice = QStringLiteral(
                 "历史库里还没有开奖号码。请点“导入开奖文件…”导入开奖文件"
                 "（每行：期号 日期 号码），或在上面一期一期地添加。\n历史库：%1")
                 .arg(store_.path());
  }
  // Said before a write is tried; the writes still refuse with the same words.
  const QString block = failed ? QString() : store_.writeBlock();
  if (!block.isEmpty())
    notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) +
              QStringLiteral("只能查看和导出，不能添加、导入或删除。%1").arg(block);
  for (QPushButton* b : {import_, add_, delete_}) b->setToolTip(block);
  notice_->setText(notice);
  notice_->setVisible(!notice.isEmpty());

  showHistoryGaps();
  proposeNext(false);
}

void HistoryPage::proposeNext(bool force) {
  const std::vector<history::Draw>& draws = store_.draws();
  // A history emptied under the page (the store removed) proposes nothing: the boxes keep what
  // the player was about to add.
  if (draws.empty() && !force && !proposedPeriod_.isEmpty()) return;
  if (force || period_->text().isEmpty() || period_->text() == proposedPeriod_) {
    proposedPeriod_ =
        draws.empty() ? QString() : QString::fromStdString(NextPeriod(draws.back().period));
    period_->setText(proposedPeriod_);
  }
  if (force || !proposedDate_.isValid() || date_->date() == proposedDate_) {
    // Draws are daily: the day after the newest draw's date, today when it has none.
    QDate next;
    if (!draws.empty())
      next = QDate::fromString(QString::fromStdString(draws.back().date), Qt::ISODate).addDays(1);
    if (!next.isValid()) next = QDate::currentDate();
    proposedDate_ = next;
    date_->setDate(next);
  }
}

void HistoryPage::recomputeOmission() {
  omissionModel_->compute(store_.draws(), omissionWindow_->currentData().toInt());
}

QStringList HistoryPage::selectedPeriods() const {
  QStringList periods;
  QModelIndexList rows = drawView_->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  for (const QModelIndex& r : rows)
    periods << QString::fromStdString(drawModel_->draw(r.row()).period);
  return periods;
}

void HistoryPage::selectPeriod(const QString& period) {
  const int row = drawModel_->rowOf(period.toStdString());
  if (row < 0) return;
  drawView_->selectRow(row);
  drawView_->scrollTo(drawModel_->index(row, 0));
}

}  // namespace torvane::ui

#include "moc_history_page.cpp"
