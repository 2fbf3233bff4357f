// The window's side of the 大底合并 page: its result goes into the base box.

#include <QStackedWidget>

#include "ui/base_page.h"
#include "ui/main_window.h"
#include "ui/merge_page.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

QWidget* MainWindow::buildMergePage() {
  auto* page = new MergePage(dialogs_, stack_);
  connect(page, &MergePage::sendToBase, this, [this, page](const QString& text) {
    // Numbers already in the base box are replaced only when the player says so.
    if (!baseSet_.empty() &&
        !dialogs_.question(
            page, QStringLiteral("大底合并"),
            QStringLiteral("大底号码中已有 %1 注号码，用合并结果替换吗？").arg(baseSet_.count()),
            false))
      return;
    basePage_->parseIntoBox(text);
    selectTab(0);
  });
  return page;
}

}  // namespace torvane::ui
