// The window's side of the 指标统计 page.

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/main_window.h"

namespace torvane::ui {

QWidget* MainWindow::buildStatsPage() {
  auto* page = new QWidget(stack_);
  auto* column = new QVBoxLayout(page);
  column->addWidget(new QLabel(QStringLiteral("指标统计"), page));
  column->addStretch();
  return page;
}

}  // namespace torvane::ui
