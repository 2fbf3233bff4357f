// The window's side of the 走势图 page.

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace torvane::ui {

QWidget* MainWindow::buildTrendPage() {
  auto* page = new QWidget(stack_);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("走势图"), page));
  column->addStretch();
  return page;
}

}  // namespace torvane::ui
