#include "ui/panels/relative_page.h"

#include <QVBoxLayout>

#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"
#include "ui/panels/relative_panel.h"

namespace torvane::ui {

RelativePage::RelativePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  auto* column = new QVBoxLayout(this);
  panel_ = new RelativePanel(this);
  column->addWidget(panel_);
  column->addStretch();
  connect(&host_.drawStore(), &DrawStore::changed, this, &RelativePage::showReference);
}

void RelativePage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  host_.drawStore().ensureOpen();  // emits changed() the first time
}

void RelativePage::showReference() {
  const DrawStore& store = host_.drawStore();
  if (!store.error().isEmpty()) {
    panel_->setNoReference(
        QStringLiteral("开奖历史库打不开：%1\n按上期条件没有参照，不能使用。").arg(store.error()));
  } else if (store.draws().empty() && !store.gone().isEmpty()) {
    panel_->setNoReference(QStringLiteral("%1\n按上期条件没有参照，不能使用。").arg(store.gone()));
  } else if (store.draws().empty()) {
    panel_->setNoReference(
        QStringLiteral("还没有开奖历史，按上期条件没有参照，不能使用。"
                       "请先到“开奖历史”页导入开奖号码。"));
  } else {
    const history::Draw& newest = store.draws().back();
    panel_->setReference(QString::fromStdString(newest.period),
                         QString::fromStdString(newest.NumberText()));
  }
}

}  // namespace torvane::ui

#include "moc_relative_page.cpp"
