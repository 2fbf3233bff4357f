#include "ui/basesets/base_page.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <exception>

#include "core/number_file.h"
#include "core/number_text.h"
#include "widgets/box_text.h"
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

namespace {

constexpr int kBaseHelp = 14;

QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

BasePage::BasePage(Dialogs& dialogs, DigitTable& baseSet, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), baseSet_(baseSet) {
  setObjectName(QStringLiteral("fraTab(0)"));
  auto* page = new QVBoxLayout(this);

  auto* intro = new QLabel(
      QStringLiteral(
          "粘贴大底号码，号码之间可以是逗号、空格、分号或回车。空白默认为全部号码（10万注）做底。"),
      this);
  intro->setObjectName(QStringLiteral("Label5"));
  intro->setWordWrap(true);
  page->addWidget(intro);

  box_ = new HintedTextEdit(this);
  box_->setObjectName(QStringLiteral("txtBase"));
  box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box_->setLineWrapMode(QPlainTextEdit::NoWrap);
  page->addWidget(box_, 1);

  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(QStringLiteral("号码注数"), this);
  caption->setObjectName(QStringLiteral("Label6"));
  count_ = new QLabel(QStringLiteral("0"), this);
  count_->setObjectName(QStringLiteral("lblBase"));
  count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("1000000")));
  dropped_ = MakeDroppedNote(this, QStringLiteral("lblBaseDropped"));
  auto* clearButton = MakeButton(QStringLiteral("清空"), QStringLiteral("cmdBase(0)"), this);
  auto* importButton = MakeButton(QStringLiteral("导入"), QStringLiteral("cmdBase(1)"), this);
  auto* help = MakeButton(QStringLiteral("说明"), QStringLiteral("cmdEx(14)"), this);
  row->addWidget(caption);
  row->addWidget(count_);
  row->addWidget(clearButton);
  row->addWidget(importButton);
  row->addWidget(help);
  row->addWidget(dropped_, 1);  // takes the room left over
  page->addLayout(row);

  box_->setPasteHandler([this](const QString& merged) { pasteMerged(merged); });
  connect(box_, &HintedTextEdit::left, this, &BasePage::commit);
  connect(clearButton, &QPushButton::clicked, this, &BasePage::clear);
  connect(importButton, &QPushButton::clicked, this, &BasePage::importFile);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kBaseHelp); });
}

void BasePage::showCount() {
  count_->setText(QString::number(baseSet_.count()));
}

void BasePage::parseIntoBox(const QString& text) {
  ParsedNumbers parsed = ParseNumberText(ToEngineText(text), ParseMode::Base);
  baseSet_ = std::move(parsed.table);
  shown_ = FromEngineText(parsed.text);
  box_->setText(shown_);
  showCount();
  ShowDropped(dropped_, parsed.dropped);
}

// A paste is a whole list of numbers: it is kept apart from the numbers beside the caret,
// so "22222" pasted right after "11111 " does not glue onto a following "33333".
void BasePage::pasteMerged(const QString& merged) {
  parseIntoBox(box_->pasteKeptApart(merged));
}

void BasePage::commit() {
  // Leaving a box the page just filled keeps the note of what that paste or import left out.
  if (box_->text() == shown_ && !shown_.isEmpty()) return;
  parseIntoBox(box_->text());
}

void BasePage::clear() {
  box_->setText(QString());
  shown_.clear();
  baseSet_.clear();
  showCount();
  ShowDropped(dropped_, 0);
}

void BasePage::importFile() {
  const QString path = dialogs_.openFile(this, QStringLiteral("文本文件 (*.txt)"));
  if (path.isEmpty()) return;
  FileReadResult file;
  try {
    file = ReadNumberFile(QFile::encodeName(path).toStdString());
  } catch (const std::exception&) {  // out of memory on a huge file
    file.ok = false;
    file.reason = "内存不足，无法读取";
  }
  if (!file.ok) {
    // The box and BaseSet keep what they had.
    dialogs_.warning(
        this, QStringLiteral("导入提示"),
        QStringLiteral("无法导入文件“%1”：%2").arg(path, QString::fromStdString(file.reason)));
    return;
  }
  ParsedNumbers parsed = ParseNumberText(file.text, ParseMode::Base);
  const bool nothing = parsed.text.empty();
  baseSet_ = std::move(parsed.table);
  shown_ = FromEngineText(parsed.text);
  box_->setText(shown_);
  showCount();
  ShowDropped(dropped_, parsed.dropped);
  if (nothing)
    dialogs_.warning(this, QStringLiteral("导入提示"),
                     QStringLiteral("选择的文件无内容，或不符合导入格式要求！\n\n"
                                    "导入的文件内容格式为 0000 1111 78901，\n"
                                    "号码之间可以是空格，逗号，分号，竖线或回车。"));
}

}  // namespace torvane::ui

#include "moc_base_page.cpp"
