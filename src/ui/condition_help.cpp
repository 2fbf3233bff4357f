#include "ui/condition_help.h"

#include <QWidget>

#include "ui/dialogs.h"

namespace torvane::ui {

// Placeholder until the help document lands.
ConditionHelp::ConditionHelp(Dialogs& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window) {}

void ConditionHelp::load() {}

void ConditionHelp::ShowConditionHelp(int index) {
  if (index < 0 || index > 23) return;
  dialogs_.plain(window_, QStringLiteral("温馨提示"), QStringLiteral("没有找到此说明数据"));
}

}  // namespace torvane::ui
