// The window's side of the 大底合并 page.

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace torvane::ui {

QWidget* MainWindow::buildMergePage() {
  auto* page = new QWidget(stack_);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("大底合并"), page));
  column->addStretch();
  return page;
}

}  // namespace torvane::ui
