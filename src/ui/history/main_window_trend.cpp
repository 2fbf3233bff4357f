// The window's side of the 走势图 page.

#include <QStackedWidget>

#include "ui/history/trend_page.h"
#include "ui/main_window.h"

namespace torvane::ui {

QWidget* MainWindow::buildTrendPage() {
  // The history pages came first, so the store is there.
  return new TrendPage(*drawStore_, stack_);
}

}  // namespace torvane::ui
