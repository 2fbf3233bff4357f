#include "ui/panels/relative_page.h"

#include <QVBoxLayout>

#include "ui/host/draw_store.h"
#include "ui/host/page_host.h"
#include "ui/panels/relative_panel.h"
#include "widgets/dialogs.h"

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

bool RelativePage::readReference(const RelativeState& rows, DigitTable& reference) {
  reference.clear();
  DrawStore& store = host_.drawStore();
  if (!RelativeApplied(rows)) return true;
  // Follows the store first: another program may have added or deleted the newest draw.
  store.ensureOpen();
  if (!store.error().isEmpty() || store.draws().empty()) {
    QString why = QStringLiteral("但开奖历史里还没有号码。");
    if (!store.error().isEmpty())
      why = QStringLiteral("但开奖历史库打不开：%1。").arg(store.error());
    else if (!store.gone().isEmpty())
      why = QStringLiteral("但%1").arg(store.gone());
    host_.dialogs().warning(
        window(), QStringLiteral("错误提示"),
        QStringLiteral("“按上期条件”页勾选了条件，它们以最新一期开奖号码为参照，") + why +
            QStringLiteral("\n请先到“开奖历史”页导入开奖号码，或取消这些勾选，再开始缩水。"));
    return false;
  }
  reference.appendRow(store.draws().back().digits.data());
  return true;
}

}  // namespace torvane::ui

#include "moc_relative_page.cpp"
