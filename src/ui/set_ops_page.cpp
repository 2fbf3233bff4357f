#include "ui/set_ops_page.h"

namespace torvane::ui {

// Placeholder until the page lands.
SetOpsPage::SetOpsPage(Dialogs&, QWidget* parent) : QWidget(parent) {}

}  // namespace torvane::ui
