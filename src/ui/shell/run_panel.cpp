#include "ui/shell/run_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::LightYellowColor;
using widgets::SetButtonColor;

namespace {

constexpr int kToleranceHelp = 12;

// A tolerance box: two characters, typed keys limited to digits, "." and Backspace
// (shortcuts such as paste pass), whole text selected on focus.
class ToleranceEdit : public QLineEdit {
 public:
  explicit ToleranceEdit(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent) {
    setMaxLength(2);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const QString t = e->text();
    const bool printable = t.size() == 1 && t.at(0).isPrint();
    const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (printable && !shortcut && !(t.at(0).isDigit() && t.at(0).unicode() < 128) &&
        t != QStringLiteral(".")) {
      e->accept();  // dropped silently
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

  void focusInEvent(QFocusEvent* e) override {
    QLineEdit::focusInEvent(e);
    // After the mouse press that gave the focus has placed the caret.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
};

struct ButtonSpec {
  const char* caption;
  int row, column, rowSpan;
};

// Left column: the two big buttons; right column: the three small ones.
constexpr ButtonSpec kButtons[5] = {
    {"开始缩水", 0, 0, 3},     {"转为组选", 0, 1, 2},     {"清空所有条件", 3, 0, 3},
    {"复制全部号码", 2, 1, 2}, {"导出全部号码", 4, 1, 2},
};

}  // namespace

RunPanel::RunPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picFilter"));
  auto* panel = new QVBoxLayout(this);
  panel->setContentsMargins(4, 4, 4, 4);

  auto* wrong = new QWidget(this);
  wrong->setObjectName(QStringLiteral("picWrong"));
  auto* row = new QHBoxLayout(wrong);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(QStringLiteral("容错级别"), wrong);
  label->setObjectName(QStringLiteral("Label9(0)"));
  row->addWidget(label);
  for (int i = 0; i < 2; ++i) {
    tolerance_[i] = new ToleranceEdit(wrong);
    tolerance_[i]->setObjectName(QStringLiteral("txtWrong(%1)").arg(i));
    tolerance_[i]->setAlignment(Qt::AlignCenter);
    tolerance_[i]->setFixedWidth(
        tolerance_[i]->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14);
    if (i == 1) {
      auto* dash = new QLabel(QStringLiteral("-"), wrong);
      dash->setObjectName(QStringLiteral("Label11"));
      row->addWidget(dash);
    }
    row->addWidget(tolerance_[i]);
  }
  row->addStretch();
  auto* help = new QPushButton(QStringLiteral("说明"), wrong);
  help->setObjectName(QStringLiteral("cmdEx(12)"));
  row->addWidget(help);
  panel->addWidget(wrong);

  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  for (int i = 0; i < 5; ++i) {
    const ButtonSpec& s = kButtons[i];
    auto* b = new QPushButton(QString::fromUtf8(s.caption), this);
    b->setObjectName(QStringLiteral("cmdFilter(%1)").arg(i));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setMinimumHeight(b->sizeHint().height());
    grid->addWidget(b, s.row, s.column, s.rowSpan, 1);
    buttons_[i] = b;
    const auto action = static_cast<RunAction>(i);
    connect(b, &QPushButton::clicked, this, [this, action] { emit actionRequested(action); });
  }
  SetButtonColor(buttons_[0], LightYellowColor());
  panel->addLayout(grid);

  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kToleranceHelp); });
}

QString RunPanel::toleranceText(int i) const {
  return tolerance_[i]->text();
}

void RunPanel::setToleranceText(int i, const QString& text) {
  tolerance_[i]->setText(text);
}

}  // namespace torvane::ui

#include "moc_run_panel.cpp"
