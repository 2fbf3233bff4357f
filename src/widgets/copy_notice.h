#pragma once

class QWidget;

namespace torvane::widgets {

// The green "复制成功" window titled "成功提示", modal, closing itself after 600 ms.
void ShowCopyNotice(QWidget* parent);

}  // namespace torvane::widgets
