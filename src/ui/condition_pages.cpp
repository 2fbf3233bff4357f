#include "ui/condition_pages.h"

#include <QPlainTextEdit>
#include <QWidget>

namespace torvane::ui {

// Placeholder until the panels land.
struct ConditionPages::Impl {
  QWidget* main;
  QWidget* route;
  QWidget* compose;
  QWidget* special;
  QPlainTextEdit* boxes[8];
};

ConditionPages::ConditionPages(Dialogs&, QWidget* pageParent) : QObject(pageParent), d_(new Impl) {
  d_->main = new QWidget(pageParent);
  d_->route = new QWidget(pageParent);
  d_->compose = new QWidget(pageParent);
  d_->special = new QWidget(pageParent);
  for (int i = 0; i < 8; ++i) {
    d_->boxes[i] = new QPlainTextEdit(d_->compose);
    d_->boxes[i]->setObjectName(QStringLiteral("txtCompose(%1)").arg(i));
    d_->boxes[i]->setGeometry(10 + (i % 2) * 390, 10 + (i / 2) * 150, 375, 103);
  }
}

ConditionPages::~ConditionPages() { delete d_; }

QWidget* ConditionPages::mainPage() const { return d_->main; }
QWidget* ConditionPages::routePage() const { return d_->route; }
QWidget* ConditionPages::composePage() const { return d_->compose; }
QWidget* ConditionPages::specialFrame() const { return d_->special; }
void ConditionPages::gather(Conditions&) const {}
void ConditionPages::apply(const Conditions&) {}
void ConditionPages::clearAll() {}
void ConditionPages::selectComposeBox(int i) {
  for (int k = 0; k < 8; ++k) d_->boxes[k]->setEnabled(k == i);
}
QWidget* ConditionPages::composeBox(int i) const { return d_->boxes[i]; }
void ConditionPages::setSumText(const QString&) {}

}  // namespace torvane::ui
