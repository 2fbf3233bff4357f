#include "widgets/copy_notice.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace torvane::widgets {

void ShowCopyNotice(QWidget* parent) {
  QDialog d(parent);
  d.setWindowTitle(QStringLiteral("成功提示"));
  d.setStyleSheet(QStringLiteral("background-color: rgb(0,255,0);"));
  auto* label = new QLabel(QStringLiteral("复制成功"), &d);
  QFont f(QStringLiteral("SimSun"));
  f.setPointSizeF(15);
  f.setBold(true);
  label->setFont(f);
  label->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(label);
  d.resize(220, 90);
  QTimer::singleShot(600, &d, &QDialog::accept);
  d.exec();
}

}  // namespace torvane::widgets
