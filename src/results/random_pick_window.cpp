#include "results/random_pick_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/random_pick.h"
#include "results/copy_text.h"

namespace torvane::results {

RandomPickWindow::RandomPickWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      source_(std::make_shared<const DigitTable>()) {
  setObjectName(QStringLiteral("frmRandomPick"));
  setWindowTitle(QStringLiteral("随机选号"));
  auto* column = new QVBoxLayout(this);

  auto* row = new QHBoxLayout;
  from_ = new QLabel(this);
  from_->setObjectName(QStringLiteral("lblPickFrom"));
  row->addWidget(from_);
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("spnPickCount"));
  row->addWidget(count_);
  row->addWidget(new QLabel(QStringLiteral("注"), this));
  row->addStretch();
  column->addLayout(row);

  shown_ = new QPlainTextEdit(this);
  shown_->setObjectName(QStringLiteral("txtPicked"));
  shown_->setReadOnly(true);
  column->addWidget(shown_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  again_ = new QPushButton(QStringLiteral("再选一次"), this);
  again_->setObjectName(QStringLiteral("cmdPickAgain"));
  copy_ = new QPushButton(QStringLiteral("复制"), this);
  copy_->setObjectName(QStringLiteral("cmdCopyPicked"));
  buttons->addWidget(again_);
  buttons->addWidget(copy_);
  column->addLayout(buttons);

  connect(count_, &QSpinBox::valueChanged, this, [this](int v) { wanted_ = v; });
  connect(again_, &QPushButton::clicked, this, &RandomPickWindow::pickAgain);
  connect(copy_, &QPushButton::clicked, this, [this] {
    if (!picked_.empty()) CopyToClipboard(dialogs_, this, pickedText());
  });
  resize(300, 260);
  setSource(source_);
}

void RandomPickWindow::setSource(std::shared_ptr<const DigitTable> results) {
  source_ = results ? std::move(results) : std::make_shared<const DigitTable>();
  const int n = source_->count();
  from_->setText(QStringLiteral("从 %1 注结果中随机选").arg(n));
  // The box keeps the player's choice as far as the new count allows it.
  const QSignalBlocker keepChoice(count_);
  count_->setRange(1, std::max(1, n));
  count_->setValue(std::min(wanted_, std::max(1, n)));
  for (QWidget* w : {static_cast<QWidget*>(count_), static_cast<QWidget*>(again_)})
    w->setEnabled(n > 0);
  if (isVisible() || n == 0) pickAgain();
}

void RandomPickWindow::pickAgain() {
  picked_ = PickRandomRows(*source_, count_->value());
  shown_->setPlainText(pickedText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  copy_->setEnabled(!picked_.empty());
}

QString RandomPickWindow::pickedText() const {
  if (picked_.empty()) return QString();
  return BuildCopyResult(picked_, 0, picked_.count() - 1, kCopyPage);
}

}  // namespace torvane::results
