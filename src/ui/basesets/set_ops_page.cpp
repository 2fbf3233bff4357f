#include "ui/basesets/set_ops_page.h"

#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_file.h"
#include "core/number_text.h"
#include "widgets/box_text.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"
#include "widgets/dropped_note.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::Dialogs;
using widgets::FromEngineText;
using widgets::HintedTextEdit;
using widgets::MakeDroppedNote;
using widgets::ShowDropped;
using widgets::ToEngineText;
using widgets::WriteClipboardText;

namespace {

const QString kTitle = QStringLiteral("Torvane");
const QString kImportTitle = QStringLiteral("导入提示");
const QString kImportFormat = QStringLiteral(
    "选择的文件无内容，或不符合导入格式要求！\n\n导入的文件内容格式为 0000 1111 78901，\n"
    "号码之间可以是空格，逗号，分号，竖线或回车。");

// Fixed button sizes in pixels, so the three columns line up.
constexpr QSize kSmallButton(65, 25);
constexpr QSize kOperationButton(89, 29);
constexpr QSize kCopyButton(111, 25);

QLabel* CountLabel(const QColor& color, QWidget* parent) {
  auto* l = new QLabel(parent);
  QFont f(QStringLiteral("SimSun"), 9);
  f.setBold(true);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, color);
  l->setPalette(p);
  l->setMinimumWidth(48);
  return l;
}

QPushButton* Button(const QString& caption, QSize size, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setFixedSize(size);
  return b;
}

// Five numbers to a line as in boxes A and B, twenty lines to a paragraph joined by soft
// line breaks. The box lays out only the paragraphs on screen: one line of 100000 numbers
// was laid out whole, and a paragraph per line took longer to build than the operation.
QString ResultBoxText(const DigitTable& result) {
  constexpr int kLinesPerParagraph = 20;
  QString text = FromEngineText(FormatNumberText(result, 5));
  int line = 0;
  for (QChar& c : text)
    if (c == QLatin1Char('\n') && ++line % kLinesPerParagraph != 0) c = QChar::LineSeparator;
  return text;
}

}  // namespace

SetOpsPage::SetOpsPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  buildControls();
  buildLayout();
}

void SetOpsPage::buildControls() {
  captions_[0] = new QLabel(QStringLiteral("五星大底A"), this);
  captions_[1] = new QLabel(QStringLiteral("五星大底B"), this);
  resultCaption_ = new QLabel(QStringLiteral("最终注数"), this);
  captions_[0]->setObjectName(QStringLiteral("Label3"));
  captions_[1]->setObjectName(QStringLiteral("Label12"));
  resultCaption_->setObjectName(QStringLiteral("Label10"));
  const QColor navy(0, 0, 128), darkRed(128, 0, 0);
  counts_[0] = CountLabel(navy, this);
  counts_[1] = CountLabel(navy, this);
  counts_[2] = CountLabel(darkRed, this);
  for (int i = 0; i < 3; ++i)
    counts_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("lblJoin%1").arg(i));
  for (int i = 0; i < 2; ++i)
    dropped_[static_cast<size_t>(i)] =
        MakeDroppedNote(this, QStringLiteral("lblJoinDropped%1").arg(i));

  // cmdJoin(0..8) in index order, each connected to its own action.
  const struct {
    const char* caption;
    QSize size;
    void (SetOpsPage::*action)();
  } kButtons[9] = {
      {"清空A", kSmallButton, &SetOpsPage::clearA},
      {"清空B", kSmallButton, &SetOpsPage::clearB},
      {"复制结果号码", kCopyButton, &SetOpsPage::copyResult},
      {"AB交集", kOperationButton, &SetOpsPage::intersectAB},
      {"AB并集", kOperationButton, &SetOpsPage::uniteAB},
      {"A排除B", kOperationButton, &SetOpsPage::subtractBFromA},
      {"B排除A", kOperationButton, &SetOpsPage::subtractAFromB},
      {"导入A", kSmallButton, &SetOpsPage::importA},
      {"导入B", kSmallButton, &SetOpsPage::importB},
  };
  for (int i = 0; i < 9; ++i) {
    auto* b = Button(QString::fromUtf8(kButtons[i].caption), kButtons[i].size, this);
    b->setObjectName(QStringLiteral("cmdJoin%1").arg(i));
    connect(b, &QPushButton::clicked, this, kButtons[i].action);
    buttons_[static_cast<size_t>(i)] = b;
  }
  help_ = Button(QStringLiteral("说明"), kSmallButton, this);
  help_->setObjectName(QStringLiteral("cmdEx13"));
  connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(13); });

  for (int i = 0; i < 3; ++i) {
    auto* box = new HintedTextEdit(this);
    box->setObjectName(QStringLiteral("txtJoin%1").arg(i));
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setMinimumWidth(200);
    boxes_[static_cast<size_t>(i)] = box;
  }
  for (int i = 0; i < 2; ++i) {
    HintedTextEdit* box = boxes_[static_cast<size_t>(i)];
    box->installEventFilter(this);
    // A paste is a whole list of numbers, never glued onto the numbers beside the caret.
    box->setPasteHandler([this, i, box](const QString& merged) {
      parseInto(i, box->pasteKeptApart(merged), false);
    });
  }
  // The result box is only ever written by the operations.
  boxes_[2]->setReadOnly(true);

  const char* tips[3] = {"交集结果注数太多投注不了解决方法：", "把交集结果复制到【大底号码】框，",
                         "然后点击【开始缩水】就可分批复制"};
  for (int i = 0; i < 3; ++i) {
    tips_[static_cast<size_t>(i)] = new QLabel(QString::fromUtf8(tips[i]), this);
    tips_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Label16_%1").arg(i));
  }
}

void SetOpsPage::buildLayout() {
  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(10, 4, 10, 10);
  main->setSpacing(10);

  for (int i = 0; i < 2; ++i) {
    auto* column = new QVBoxLayout;
    auto* head = new QHBoxLayout;
    head->addWidget(captions_[static_cast<size_t>(i)]);
    head->addWidget(counts_[static_cast<size_t>(i)]);
    head->addWidget(dropped_[static_cast<size_t>(i)], 1);  // takes the room left over
    head->addWidget(buttons_[i == 0 ? 7 : 8]);
    head->addWidget(buttons_[i == 0 ? 0 : 1]);
    column->addLayout(head);
    column->addWidget(boxes_[static_cast<size_t>(i)], 1);
    main->addLayout(column, 1);
  }

  auto* middle = new QVBoxLayout;
  middle->addSpacing(50);
  for (int i = 3; i <= 6; ++i) {
    middle->addWidget(buttons_[static_cast<size_t>(i)]);
    middle->addSpacing(18);
  }
  auto* countFrame = new QFrame(this);
  countFrame->setFrameShape(QFrame::Box);
  countFrame->setFrameShadow(QFrame::Sunken);
  countFrame->setFixedWidth(kOperationButton.width());
  auto* countColumn = new QVBoxLayout(countFrame);
  countColumn->setContentsMargins(6, 4, 6, 4);
  countColumn->addWidget(resultCaption_);
  countColumn->addWidget(counts_[2]);
  middle->addWidget(countFrame);
  middle->addSpacing(18);
  middle->addWidget(help_);
  middle->addStretch();
  main->addLayout(middle);

  auto* result = new QVBoxLayout;
  auto* head = new QHBoxLayout;
  head->addStretch();
  head->addWidget(buttons_[2]);
  result->addLayout(head);
  result->addWidget(boxes_[2], 1);
  for (QLabel* tip : tips_) result->addWidget(tip);
  main->addLayout(result, 1);
}

int SetOpsPage::operandCount(int which) const {
  if (which < 0) which = selector_;
  return operands_[which == 0 ? 0 : 1].count();
}

bool SetOpsPage::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < 2; ++i) {
    if (watched != boxes_[static_cast<size_t>(i)]) continue;
    if (event->type() == QEvent::FocusIn) {
      selector_ = i;
    } else if (event->type() == QEvent::FocusOut) {
      // A context menu or another application taking the focus is not leaving the box;
      // re-parsing then would move the caret away from where the menu pastes.
      Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) commitBox(i);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SetOpsPage::commitBox(int which) {
  HintedTextEdit* box = boxes_[static_cast<size_t>(which)];
  // Unchanged since the page last wrote it: the operand already holds exactly these numbers,
  // and a large box need not be parsed and laid out again.
  QString text = box->text();
  if (text != shown_[static_cast<size_t>(which)]) {
    parseInto(which, text, false);
    return;
  }
  selector_ = which;
  counts_[static_cast<size_t>(which)]->setText(QString::number(operandCount(which)));
}

void SetOpsPage::parseInto(int which, const QString& text, bool reportEmptyImport) {
  selector_ = which;
  ParsedNumbers parsed = ParseNumberText(ToEngineText(text), ParseMode::Join);
  DigitTable& operand = operands_[static_cast<size_t>(which)];
  operand = std::move(parsed.table);
  HintedTextEdit* box = boxes_[static_cast<size_t>(which)];
  shown_[static_cast<size_t>(which)] = FromEngineText(parsed.text);
  box->setText(shown_[static_cast<size_t>(which)]);
  counts_[static_cast<size_t>(which)]->setText(QString::number(operand.count()));
  ShowDropped(dropped_[static_cast<size_t>(which)], parsed.dropped);
  if (reportEmptyImport && operand.empty()) dialogs_.warning(this, kImportTitle, kImportFormat);
}

void SetOpsPage::clearA() {
  clearOperand(0);
}
void SetOpsPage::clearB() {
  clearOperand(1);
}
void SetOpsPage::importA() {
  importOperand(0);
}
void SetOpsPage::importB() {
  importOperand(1);
}
void SetOpsPage::intersectAB() {
  runOperation(SetOp::Intersection);
}
void SetOpsPage::uniteAB() {
  runOperation(SetOp::Union);
}
void SetOpsPage::subtractBFromA() {
  runOperation(SetOp::AMinusB);
}
void SetOpsPage::subtractAFromB() {
  runOperation(SetOp::BMinusA);
}

void SetOpsPage::clearOperand(int which) {
  HintedTextEdit* box = boxes_[static_cast<size_t>(which)];
  box->setText(QString());
  shown_[static_cast<size_t>(which)].clear();
  counts_[static_cast<size_t>(which)]->setText(QStringLiteral("0"));
  ShowDropped(dropped_[static_cast<size_t>(which)], 0);
  operands_[static_cast<size_t>(which)].clear();
}

void SetOpsPage::importOperand(int which) {
  QString path = dialogs_.openFile(this, QStringLiteral("文本文件 (*.txt)"));
  if (path.isEmpty()) return;
  FileReadResult file = ReadNumberFile(QFile::encodeName(path).toStdString());
  if (!file.ok) {
    // Nothing is changed: the box keeps what it had.
    dialogs_.warning(this, kImportTitle,
                     QStringLiteral("无法导入文件：\n%1\n\n原因：%2")
                         .arg(path, QString::fromStdString(file.reason)));
    return;
  }
  parseInto(which, QString::fromStdString(file.text), true);
}

void SetOpsPage::runOperation(SetOp op) {
  // What the boxes show now, typed or not: a box need not have been left to count (the focus
  // a warning below puts into a box never leaves it before the next button).
  const int selector = selector_;
  commitBox(0);
  commitBox(1);
  selector_ = selector;
  if (operands_[0].empty()) {
    dialogs_.warning(this, kTitle, QStringLiteral("请粘贴或导入大底A号码！"));
    boxes_[0]->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (operands_[1].empty()) {
    dialogs_.warning(this, kTitle, QStringLiteral("请粘贴或导入大底B号码！"));
    boxes_[1]->setFocus(Qt::OtherFocusReason);
    return;
  }
  DigitTable result = ApplySetOperation(operands_[0], operands_[1], op);
  HintedTextEdit* box = boxes_[2];
  if (result.empty()) {
    box->setText(QString());
    counts_[2]->setText(QStringLiteral("0"));
    dialogs_.warning(this, kTitle, QStringLiteral("很遗憾！交集运算后结果为0注。 "));
    return;
  }
  box->setText(ResultBoxText(result));
  QString count = QString::number(result.count());
  counts_[2]->setText(count);
  dialogs_.information(this, kTitle, QStringLiteral("交集运算完成！最后结果注数 ") + count);
}

void SetOpsPage::copyResult() {
  QString text = boxes_[2]->text();
  if (text.isEmpty()) {
    dialogs_.information(this, kTitle, QStringLiteral("最终注数为 0，请先进行交集合并！"));
    return;
  }
  if (!WriteClipboardText(text)) {
    // A failed copy must not be reported as done.
    dialogs_.warning(this, QStringLiteral("错误提示"),
                     QStringLiteral("本次复制出现错误，请再复制一次"));
    return;
  }
  dialogs_.information(this, kTitle, QStringLiteral("号码已复制。"));
}

}  // namespace torvane::ui

#include "moc_set_ops_page.cpp"
