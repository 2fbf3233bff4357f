// The window's side of the 按上期条件 page.

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace torvane::ui {

QWidget* MainWindow::buildRelativePage() {
  auto* page = new QWidget(stack_);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("按上期条件"), page));
  column->addStretch();
  return page;
}

}  // namespace torvane::ui
