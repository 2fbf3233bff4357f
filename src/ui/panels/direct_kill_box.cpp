#include "ui/panels/direct_kill_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "widgets/box_text.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::FromEngineText;
using widgets::HintedTextEdit;
using widgets::ToEngineText;

DirectKillBox::DirectKillBox(QWidget* parent) : PanelFrame(QString(), parent) {
  setObjectName(QStringLiteral("fraDirectKill"));
  auto* head = new QHBoxLayout;
  head->addWidget(MakeLabel(this, ArrayName("lblFilter", 0), QStringLiteral("杀直选")));
  head->addStretch(1);
  head->addWidget(helpButton(4));

  box_ = new HintedTextEdit(this);
  box_->setObjectName(QStringLiteral("txtDan5"));
  box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box_->setClearOnDoubleClick(true);
  box_->setFixedHeight(2 * box_->fontMetrics().lineSpacing() + 14);  // the two hint lines
  box_->setHint(FromEngineText(kDirectKillHint));
  // A paste shows at once the canonical list of the merged text; the clipboard is untouched.
  box_->setPasteHandler([this](const QString& merged) { showCanonical(merged); });
  box_->setLeaveCheck([this] {
    if (!box_->showsHint()) showCanonical(box_->text());
    return true;
  });

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(2);
  v->addLayout(head);
  v->addWidget(box_);
}

void DirectKillBox::showCanonical(const QString& text) {
  const ParsedNumbers parsed = ParseNumberText(ToEngineText(text), ParseMode::List);
  const QString shown = FromEngineText(parsed.text);
  if (shown != box_->text()) box_->setText(shown);
}

DirectKillState DirectKillBox::state() const {
  return {box_->showsHint() ? std::string() : ToEngineText(box_->text())};
}

void DirectKillBox::setState(const DirectKillState& s) {
  box_->setText(FromEngineText(s.text));
  if (!box_->hasFocus()) box_->showHintIfEmpty();
}

}  // namespace torvane::ui

#include "moc_direct_kill_box.cpp"
