#include "ui/basesets/merge_page.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "core/number_file.h"
#include "core/number_text.h"
#include "ui/host/page_host.h"
#include "widgets/box_text.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

using widgets::Dialogs;

namespace {

const QString kMergeTitle = QStringLiteral("大底合并");

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QTableWidget* Table(const QStringList& headers, const QString& name, QWidget* parent) {
  auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  t->setObjectName(name);
  t->setHorizontalHeaderLabels(headers);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);  // names and captions
  return t;
}

QTableWidgetItem* Cell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

MergePage::MergePage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host), dialogs_(host.dialogs()) {
  auto* column = new QVBoxLayout(this);
  auto* help = new QLabel(
      QStringLiteral("按出现次数合并多组大底：每个号码数一数它在几组大底里出现（同一组里重复只算"
                     "一次），保留出现次数在“最少”到“最多”之间的号码。默认保留每组都有的号码；"
                     "两组时，最少 2 次即 AB交集，最少 1 次即 AB并集。"),
      this);
  help->setObjectName(QStringLiteral("lblMergeHelp"));
  help->setWordWrap(true);
  column->addWidget(help);

  auto* row = new QHBoxLayout;
  column->addLayout(row, 1);

  // Left: the sets, and the box a set is pasted into.
  auto* left = new QVBoxLayout;
  setTable_ = Table({QStringLiteral("大底"), QStringLiteral("注数"), QStringLiteral("舍去片段")},
                    QStringLiteral("tblMergeSets"), this);
  setTable_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  left->addWidget(new QLabel(QStringLiteral("参与合并的大底"), this));
  left->addWidget(setTable_, 1);
  auto* setButtons = new QHBoxLayout;
  auto* importButton = Button(QStringLiteral("导入文件…"), QStringLiteral("cmdMergeImport"), this);
  auto* removeButton = Button(QStringLiteral("移除所选"), QStringLiteral("cmdMergeRemove"), this);
  auto* clearButton = Button(QStringLiteral("全部清空"), QStringLiteral("cmdMergeClear"), this);
  setButtons->addWidget(importButton);
  setButtons->addWidget(removeButton);
  setButtons->addWidget(clearButton);
  setButtons->addStretch();
  left->addLayout(setButtons);
  pasteBox_ = new QPlainTextEdit(this);
  pasteBox_->setObjectName(QStringLiteral("txtMergePaste"));
  pasteBox_->setPlaceholderText(QStringLiteral("在这里粘贴一组号码，再点“粘贴为一组”"));
  left->addWidget(pasteBox_, 1);
  auto* pasteButton = Button(QStringLiteral("粘贴为一组"), QStringLiteral("cmdMergePaste"), this);
  left->addWidget(pasteButton, 0, Qt::AlignLeft);
  row->addLayout(left, 3);

  // Right: how many numbers are in exactly k sets, the range to keep and the result.
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("出现次数分布"), this));
  voteTable_ = Table(
      {QStringLiteral("出现次数"), QStringLiteral("号码注数"), QStringLiteral("累计（至少 k 次）")},
      QStringLiteral("tblMergeVotes"), this);
  voteTable_->setSelectionMode(QAbstractItemView::NoSelection);
  right->addWidget(voteTable_, 1);
  auto* range = new QGridLayout;
  min_ = new QSpinBox(this);
  max_ = new QSpinBox(this);
  for (QSpinBox* box : {min_, max_})
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);
  min_->setObjectName(QStringLiteral("spnMergeMin"));
  max_->setObjectName(QStringLiteral("spnMergeMax"));
  auto* minCaption = new QLabel(QStringLiteral("最少出现(&N)"), this);
  auto* maxCaption = new QLabel(QStringLiteral("最多出现(&X)"), this);
  minCaption->setBuddy(min_);
  maxCaption->setBuddy(max_);
  range->addWidget(minCaption, 0, 0);
  range->addWidget(min_, 0, 1);
  range->addWidget(new QLabel(QStringLiteral("次"), this), 0, 2);
  range->addWidget(maxCaption, 1, 0);
  range->addWidget(max_, 1, 1);
  range->addWidget(new QLabel(QStringLiteral("次"), this), 1, 2);
  range->setColumnStretch(3, 1);
  right->addLayout(range);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("lblMergeCount"));
  right->addWidget(count_);
  auto* resultButtons = new QHBoxLayout;
  auto* copyButton = Button(QStringLiteral("复制结果"), QStringLiteral("cmdMergeCopy"), this);
  auto* sendButton = Button(QStringLiteral("发送到大底号码"), QStringLiteral("cmdMergeSend"), this);
  resultButtons->addWidget(copyButton);
  resultButtons->addWidget(sendButton);
  resultButtons->addStretch();
  right->addLayout(resultButtons);
  row->addLayout(right, 2);

  connect(importButton, &QPushButton::clicked, this, &MergePage::importFile);
  connect(pasteButton, &QPushButton::clicked, this, &MergePage::addPasted);
  connect(removeButton, &QPushButton::clicked, this, &MergePage::removeSelected);
  connect(clearButton, &QPushButton::clicked, this, &MergePage::clearSets);
  connect(copyButton, &QPushButton::clicked, this, &MergePage::copyResult);
  connect(sendButton, &QPushButton::clicked, this, &MergePage::sendResult);
  auto* del = new QShortcut(QKeySequence::Delete, setTable_, nullptr, nullptr,
                            Qt::WidgetWithChildrenShortcut);
  connect(del, &QShortcut::activated, this, &MergePage::removeSelected);
  // The range never turns empty: moving one end past the other takes the other along.
  connect(min_, &QSpinBox::valueChanged, this, [this](int v) {
    if (max_->value() < v) max_->setValue(v);
    showCount();
  });
  connect(max_, &QSpinBox::valueChanged, this, [this](int v) {
    if (min_->value() > v) min_->setValue(v);
    showCount();
  });
  setsChanged(0);
}

bool MergePage::addSet(const QString& name, const std::string& text) {
  const QString refused = takeSet(name, text);
  if (!refused.isEmpty()) dialogs_.warning(this, kMergeTitle, refused);
  return refused.isEmpty();
}

QString MergePage::takeSet(const QString& name, const std::string& text) {
  NumberPresence marked = MarkNumberText(text);
  if (marked.count == 0)
    return QStringLiteral(
               "“%1”里没有五位数号码，没有加入。\n\n"
               "号码之间可以是空格，逗号，分号，竖线或回车。")
        .arg(name);
  if (setCount() >= kMaxVoteSets)
    return QStringLiteral("最多合并 %1 组大底，“%2”没有加入。").arg(kMaxVoteSets).arg(name);
  const int before = setCount();
  tally_.addPresence(marked.present);
  sets_.push_back({name, std::move(marked.present), marked.count, marked.dropped});
  setsChanged(before);
  return {};
}

void MergePage::importFile() {
  const QStringList paths =
      dialogs_.chooseOpenFiles(this, QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
  // Each file is one set; one refused is named and the others still come in.
  QStringList refused;
  for (const QString& path : paths) {
    FileReadResult file;
    try {
      file = ReadNumberFile(QFile::encodeName(path).toStdString());
    } catch (const std::exception&) {  // out of memory on a huge file
      file.reason = "内存不足，无法读取";
    }
    if (!file.ok) {
      refused
          << QStringLiteral("无法导入文件“%1”：%2").arg(path, QString::fromStdString(file.reason));
      continue;
    }
    const QString problem = takeSet(QFileInfo(path).fileName(), file.text);
    if (problem.isEmpty())
      setTable_->item(setCount() - 1, 0)->setToolTip(path);
    else
      refused << problem;
  }
  if (refused.isEmpty()) return;
  const int added = static_cast<int>(paths.size() - refused.size());
  dialogs_.warning(this, kMergeTitle,
                   (added > 0 ? QStringLiteral("已加入 %1 个文件。\n\n").arg(added) : QString()) +
                       refused.join(QStringLiteral("\n\n")));
}

void MergePage::addPasted() {
  const QString text = pasteBox_->toPlainText();
  if (text.trimmed().isEmpty()) {
    dialogs_.information(this, kMergeTitle, QStringLiteral("请先在下面的框里粘贴一组号码。"));
    pasteBox_->setFocus(Qt::OtherFocusReason);
    return;
  }
  // A refused text stays in the box to be mended.
  if (addSet(QStringLiteral("粘贴%1").arg(pasted_ + 1), widgets::ToEngineText(text))) {
    ++pasted_;
    pasteBox_->clear();
  }
}

void MergePage::removeSelected() {
  std::vector<int> rows;
  for (const QModelIndex& index : setTable_->selectionModel()->selectedRows())
    rows.push_back(index.row());
  if (rows.empty()) {
    dialogs_.information(this, kMergeTitle, QStringLiteral("请先在列表中选择要移除的大底。"));
    return;
  }
  const int before = setCount();
  std::sort(rows.rbegin(), rows.rend());
  for (int r : rows) sets_.erase(sets_.begin() + r);
  tally_ = VoteTally();
  for (const Set& s : sets_) tally_.addPresence(s.present);
  setsChanged(before);
}

void MergePage::clearSets() {
  const int before = setCount();
  sets_.clear();
  tally_ = VoteTally();
  setsChanged(before);
}

void MergePage::setsChanged(int oldCount) {
  const int n = setCount();
  const VoteRange range = FollowSetCount({min_->value(), max_->value()}, oldCount, n);
  for (QSpinBox* box : {min_, max_}) {
    const QSignalBlocker block(box);
    box->setRange(n > 0 ? 1 : 0, n);
    box->setEnabled(n > 0);
  }
  {
    const QSignalBlocker blockMin(min_), blockMax(max_);
    min_->setValue(range.min);
    max_->setValue(range.max);
  }

  setTable_->setRowCount(n);
  for (int i = 0; i < n; ++i) {
    const Set& s = sets_[static_cast<size_t>(i)];
    setTable_->setItem(i, 0, Cell(s.name, false));
    setTable_->setItem(i, 1, Cell(QString::number(s.count), true));
    setTable_->setItem(i, 2, Cell(s.dropped ? QString::number(s.dropped) : QString(), true));
  }
  histogram_ = tally_.histogram();
  showVotes();
  showCount();
}

// Most sets first: the rows a player usually keeps are at the top.
void MergePage::showVotes() {
  const int n = setCount();
  voteTable_->setRowCount(n + (n > 0 ? 1 : 0));
  int atLeast = 0;
  for (int k = n; k >= 0 && n > 0; --k) {
    atLeast += histogram_[static_cast<size_t>(k)];
    const int row = n - k;
    QString caption = QStringLiteral("出现 %1 次").arg(k);
    if (k == n) caption += QStringLiteral("（每组都有）");
    if (k == 0) caption = QStringLiteral("不在任何一组");
    voteTable_->setItem(row, 0, Cell(caption, false));
    voteTable_->setItem(row, 1, Cell(QString::number(histogram_[static_cast<size_t>(k)]), true));
    voteTable_->setItem(row, 2, Cell(k > 0 ? QString::number(atLeast) : QString(), true));
  }
}

int MergePage::resultCount() const {
  if (sets_.empty()) return 0;
  return KeptCount(histogram_, min_->value(), max_->value());
}

DigitTable MergePage::result() const {
  if (sets_.empty()) return {};
  return tally_.keep(min_->value(), max_->value());
}

void MergePage::showCount() {
  count_->setText(sets_.empty() ? QStringLiteral("合并结果：请先导入或粘贴大底")
                                : QStringLiteral("合并结果 %1 注").arg(resultCount()));
}

void MergePage::copyResult() {
  const DigitTable kept = result();
  if (kept.empty()) {
    dialogs_.information(this, kMergeTitle, QStringLiteral("合并结果为 0 注，没有号码可复制。"));
    return;
  }
  if (!widgets::WriteClipboardText(widgets::FromEngineText(FormatNumberText(kept, 10)))) {
    // A failed copy must not be reported as done.
    dialogs_.warning(this, QStringLiteral("错误提示"),
                     QStringLiteral("本次复制出现错误，请再复制一次"));
    return;
  }
  dialogs_.copyNotice(this);
}

void MergePage::sendResult() {
  const DigitTable kept = result();
  // An empty base box means all 100000 numbers: sending nothing would be the opposite.
  if (kept.empty()) {
    dialogs_.warning(this, kMergeTitle,
                     QStringLiteral("合并结果为 0 注，没有号码可发送到大底号码。"));
    return;
  }
  // Numbers already in the base box are replaced only when the player says so.
  const DigitTable& base = host_.baseSet();
  if (!base.empty() &&
      !dialogs_.question(
          this, kMergeTitle,
          QStringLiteral("大底号码中已有 %1 注号码，用合并结果替换吗？").arg(base.count()), false))
    return;
  host_.replaceBase(widgets::FromEngineText(FormatNumberText(kept, 10)));
}

}  // namespace torvane::ui

#include "moc_merge_page.cpp"
