#include "ui/panels/relative_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace torvane::ui {

namespace {

const char* const kPositionNames[5] = {"万位", "千位", "百位", "十位", "个位"};

QComboBox* MakeKBox(QWidget* parent, int index, int maxItem) {
  auto* c = new QComboBox(parent);
  c->setObjectName(ArrayName("txtRelK", index));
  c->setEditable(true);
  for (int i = 0; i <= maxItem; ++i) c->addItem(QString::number(i));
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 34);
  return c;
}

}  // namespace

RelativePanel::RelativePanel(QWidget* parent) : PanelFrame(QStringLiteral("按上期条件"), parent) {
  setObjectName(QStringLiteral("fraRelative"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 4, 8, 8);
  column->setSpacing(6);
  reference_ = MakeLabel(this, QStringLiteral("lblRelReference"), QString());
  reference_->setWordWrap(true);
  column->addWidget(reference_);

  rows_ = new QWidget(this);
  auto* grid = new QGridLayout(rows_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(8);
  const QString captions[5] = {QStringLiteral("杀上期定位"), QStringLiteral("上期重号个数"),
                               QStringLiteral("和值差"), QStringLiteral("跨度差"),
                               QStringLiteral("上期号码出现个数")};
  for (int r = 0; r < 5; ++r) {
    apply_[r] = MakeCheck(rows_, ArrayName("chkRel", r), captions[r]);
    grid->addWidget(apply_[r], r, 0);
  }
  auto addTicks = [&](int row, auto& boxes, const char* base, auto caption) {
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      boxes[i] = MakeCheck(rows_, ArrayName(base, i), caption(i));
      grid->addWidget(boxes[i], row, 1 + i);
    }
  };
  addTicks(0, positions_, "chkRelPos", [](int i) { return QString::fromUtf8(kPositionNames[i]); });
  addTicks(1, repeatCounts_, "chkRelRepeat", [](int i) { return QString::number(i); });
  addTicks(4, sharedCounts_, "chkRelShared", [](int i) { return QString::number(i); });
  for (int d = 0; d < 2; ++d) {
    modes_[d] = new QComboBox(rows_);
    modes_[d]->setObjectName(ArrayName("cboRelMode", d));
    modes_[d]->addItems({QStringLiteral("至多"), QStringLiteral("至少")});
    k_[d] = MakeKBox(rows_, d, d == 0 ? 45 : 9);
    grid->addWidget(modes_[d], 2 + d, 1, 1, 2);
    grid->addWidget(k_[d], 2 + d, 3, 1, 2);
  }
  grid->setColumnStretch(7, 1);
  column->addWidget(rows_);

  // What each row keeps, in the player's words; the README says it exactly.
  QLabel* about = MakeGreyLabel(
      this, QStringLiteral("lblRelAbout"),
      QStringLiteral("每行勾选后才生效，算作一个杀号条件，计入容错。缩水以最新一期为参照；"
                     "回测时每期以它的前一期为参照。\n"
                     "杀上期定位：勾选的位置上与参照号码相同的号码被杀。\n"
                     "上期重号个数：与参照号码同位置相同的个数在勾选的个数中才保留。\n"
                     "和值差 / 跨度差：与参照号码的和值（跨度）之差的绝对值至多（至少）k 才保留。\n"
                     "上期号码出现个数：参照号码中不同的数字，有几个出现在号码里（任意位置），"
                     "在勾选的个数中才保留。"));
  about->setWordWrap(true);
  column->addWidget(about);
  column->addStretch(1);
  setNoReference(QString());
  setState(RelativeState{});
}

RelativeState RelativePanel::state() const {
  RelativeState s;
  s.killSame = apply_[0]->isChecked();
  s.repeats = apply_[1]->isChecked();
  s.sumDiff.apply = apply_[2]->isChecked();
  s.spanDiff.apply = apply_[3]->isChecked();
  s.shared = apply_[4]->isChecked();
  for (int i = 0; i < 5; ++i) s.samePositions[i] = positions_[i]->isChecked();
  for (int i = 0; i < 6; ++i) {
    s.repeatCounts[i] = repeatCounts_[i]->isChecked();
    s.sharedCounts[i] = sharedCounts_[i]->isChecked();
  }
  RelativeDiffRow* rows[2] = {&s.sumDiff, &s.spanDiff};
  for (int d = 0; d < 2; ++d) {
    rows[d]->atLeast = modes_[d]->currentIndex() == 1;
    rows[d]->k = k_[d]->currentText().toStdString();
  }
  return s;
}

void RelativePanel::setState(const RelativeState& s) {
  const bool apply[5] = {s.killSame, s.repeats, s.sumDiff.apply, s.spanDiff.apply, s.shared};
  for (int r = 0; r < 5; ++r) apply_[r]->setChecked(apply[r]);
  for (int i = 0; i < 5; ++i) positions_[i]->setChecked(s.samePositions[i]);
  for (int i = 0; i < 6; ++i) {
    repeatCounts_[i]->setChecked(s.repeatCounts[i]);
    sharedCounts_[i]->setChecked(s.sharedCounts[i]);
  }
  const RelativeDiffRow* rows[2] = {&s.sumDiff, &s.spanDiff};
  for (int d = 0; d < 2; ++d) {
    modes_[d]->setCurrentIndex(rows[d]->atLeast ? 1 : 0);
    k_[d]->setEditText(QString::fromStdString(rows[d]->k));
  }
}

void RelativePanel::setReference(const QString& period, const QString& number) {
  reference_->setText(QStringLiteral("参照第 %1 期：%2").arg(period, number));
  rows_->setEnabled(true);
}

void RelativePanel::setNoReference(const QString& why) {
  reference_->setText(why.isEmpty() ? QStringLiteral("开奖历史尚未读取。") : why);
  // Greyed out, not cleared: a loaded scheme keeps its rows, and a run refuses them.
  rows_->setEnabled(false);
}

}  // namespace torvane::ui

#include "moc_relative_panel.cpp"
