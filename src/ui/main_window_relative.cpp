// The window's side of the 按上期条件 page: the panel, its reference from the draw history,
// and the reference a run reads.

#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/history/draw_store.h"
#include "ui/main_window.h"
#include "ui/panels/relative_panel.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

namespace {

// Reads the history when first shown, as the history pages do.
class RelativePage : public QWidget {
 public:
  RelativePage(DrawStore& store, QWidget* parent) : QWidget(parent), store_(store) {}

 protected:
  void showEvent(QShowEvent* e) override {
    QWidget::showEvent(e);
    store_.ensureOpen();  // emits changed() the first time
  }

 private:
  DrawStore& store_;
};

}  // namespace

QWidget* MainWindow::buildRelativePage() {
  auto* page = new RelativePage(*drawStore_, stack_);
  auto* column = new QVBoxLayout(page);
  relativePanel_ = new RelativePanel(page);
  column->addWidget(relativePanel_);
  column->addStretch();
  connect(drawStore_, &DrawStore::changed, this, &MainWindow::showRelativeReference);
  return page;
}

void MainWindow::showRelativeReference() {
  if (!drawStore_->error().isEmpty()) {
    relativePanel_->setNoReference(
        QStringLiteral("开奖历史库打不开：%1\n按上期条件没有参照，不能使用。")
            .arg(drawStore_->error()));
  } else if (drawStore_->draws().empty()) {
    relativePanel_->setNoReference(
        QStringLiteral("还没有开奖历史，按上期条件没有参照，不能使用。"
                       "请先到“开奖历史”页导入开奖号码。"));
  } else {
    const history::Draw& newest = drawStore_->draws().back();
    relativePanel_->setReference(QString::fromStdString(newest.period),
                                 QString::fromStdString(newest.NumberText()));
  }
}

bool MainWindow::relativeReference(const Conditions& c, DigitTable& reference) {
  reference.clear();
  if (!RelativeApplied(c.relative)) return true;
  drawStore_->ensureOpen();
  if (!drawStore_->error().isEmpty() || drawStore_->draws().empty()) {
    dialogs_.warning(
        this, QStringLiteral("错误提示"),
        QStringLiteral("“按上期条件”页勾选了条件，它们以最新一期开奖号码为参照，") +
            (drawStore_->error().isEmpty()
                 ? QStringLiteral("但开奖历史里还没有号码。")
                 : QStringLiteral("但开奖历史库打不开：%1。").arg(drawStore_->error())) +
            QStringLiteral("\n请先到“开奖历史”页导入开奖号码，或取消这些勾选，再开始缩水。"));
    return false;
  }
  reference.appendRow(drawStore_->draws().back().digits.data());
  return true;
}

}  // namespace torvane::ui
