#include "ui/panels/shape_patterns_panel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui/panels/panel_widgets.h"

namespace torvane::ui {
namespace {

// The platform's style with two pixels between a tick and its caption.
class TightTickStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric m, const QStyleOption* option, const QWidget* w) const override {
    return m == PM_CheckBoxLabelSpacing ? 2 : QProxyStyle::pixelMetric(m, option, w);
  }
};

struct KindInfo {
  const char* title;
  const char* boxName;
  const char* buttonName;
};

constexpr KindInfo kKinds[3] = {
    {"杀大小排列", "chkDX", "cmdDX"},
    {"杀奇偶排列", "chkJO", "cmdJO"},
    {"杀质合排列", "chkZH", "cmdZH"},
};

}  // namespace

ShapePatternsPanel::ShapePatternsPanel(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("fraShapes"));
  tightTicks_ = new TightTickStyle;
  tightTicks_->setParent(this);
  auto* layout = new QBoxLayout(
      orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  for (int kind = 0; kind < 3; ++kind) layout->addWidget(buildFrame(kind));
}

QGroupBox* ShapePatternsPanel::buildFrame(int kind) {
  const KindInfo& info = kKinds[kind];
  auto* frame = new QGroupBox(QString::fromUtf8(info.title), this);
  frame->setObjectName(QStringLiteral("fra%1").arg(QLatin1String(info.boxName + 3)));

  auto* top = new QHBoxLayout;
  top->setSpacing(3);
  if (kind == 0) {
    top->addWidget(MakeLabel(frame, QStringLiteral("lblShapeRc(0)"), QStringLiteral("容错")));
    min_ = MakeRangeCombo(frame, 4, 3);
    top->addWidget(min_);
    top->addWidget(MakeLabel(frame, QStringLiteral("lblShapeRc(1)"), QStringLiteral("至")));
    max_ = MakeRangeCombo(frame, 5, 3);
    top->addWidget(max_);
  } else if (kind == 1) {
    top->addWidget(MakeGreyLabel(frame, ArrayName("lblHKD", 7),
                                 QStringLiteral("打勾表示删除号码，全部打勾得0注")));
  } else {
    top->addWidget(
        MakeGreyLabel(frame, ArrayName("lblHKD", 6), QStringLiteral("质12357，合04689")));
  }
  top->addStretch(1);
  const char* const kButtonCaptions[2] = {"全", "清"};
  for (int i = 0; i < 2; ++i) {
    QPushButton* b =
        MakeButton(frame, ArrayName(info.buttonName, i), QString::fromUtf8(kButtonCaptions[i]));
    // "全" ticks every box of the kind, "清" unticks them.
    connect(b, &QPushButton::clicked, this, [this, kind, i] {
      for (QCheckBox* c : boxes_[kind]) c->setChecked(i == 0);
    });
    top->addWidget(b);
  }
  if (kind == 0) {
    QPushButton* help = MakeButton(frame, ArrayName("cmdEx", 5), QStringLiteral("说明"));
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(5); });
    top->addWidget(help);
  }

  // Twelve captions of five characters side by side: keep the tick close to its caption.
  // A style sheet would do it too, but then the box measures its caption short and the last
  // character loses its right edge.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(0);
  for (int i = 0; i < 32; ++i) {
    QCheckBox* c =
        MakeCheck(frame, ArrayName(info.boxName, i), QString::fromStdString(ShapeCaption(kind, i)));
    c->setStyle(tightTicks_);
    c->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);  // never cut a caption
    // Eight rows of three frames must leave the special-exclusion row on a 768-pixel screen:
    // a row is as tall as its text, not the native tick's padded height.
    c->setFixedHeight(std::max(c->fontMetrics().height(),
                               c->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, c)));
    boxes_[kind][i] = c;
    grid->addWidget(c, i / 4, i % 4);
  }

  auto* v = new QVBoxLayout(frame);
  v->setContentsMargins(4, 2, 4, 4);
  v->setSpacing(2);
  v->addLayout(top);
  v->addLayout(grid);
  return frame;
}

ShapePatternsState ShapePatternsPanel::state() const {
  ShapePatternsState s;
  std::array<bool, 32>* kinds[3] = {&s.bigSmall, &s.oddEven, &s.primeComposite};
  for (int kind = 0; kind < 3; ++kind)
    for (int i = 0; i < 32; ++i) (*kinds[kind])[i] = boxes_[kind][i]->isChecked();
  s.rangeMin = min_->currentText().toStdString();
  s.rangeMax = max_->currentText().toStdString();
  return s;
}

void ShapePatternsPanel::setState(const ShapePatternsState& s) {
  const std::array<bool, 32>* kinds[3] = {&s.bigSmall, &s.oddEven, &s.primeComposite};
  for (int kind = 0; kind < 3; ++kind)
    for (int i = 0; i < 32; ++i) boxes_[kind][i]->setChecked((*kinds[kind])[i]);
  min_->setEditText(QString::fromStdString(s.rangeMin));
  max_->setEditText(QString::fromStdString(s.rangeMax));
}

}  // namespace torvane::ui

#include "moc_shape_patterns_panel.cpp"
