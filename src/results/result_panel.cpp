#include "results/result_panel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace torvane::ui {

// Placeholder until the result list and page buttons land.
struct ResultPanel::Impl {
  DigitTable results;
  QLabel* count;
  QLabel* status;
  QVBoxLayout* layout;
};

ResultPanel::ResultPanel(Dialogs&, QWidget* parent) : QWidget(parent), d_(new Impl) {
  d_->layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("结果注数")));
  d_->count = new QLabel(QStringLiteral("0"));
  d_->count->setObjectName(QStringLiteral("lblCount"));
  d_->status = new QLabel(QStringLiteral("未开始过滤"));
  d_->status->setObjectName(QStringLiteral("L_ztai"));
  row->addWidget(d_->count);
  row->addWidget(d_->status);
  d_->layout->addLayout(row);
  d_->layout->addStretch();
}

ResultPanel::~ResultPanel() { delete d_; }
void ResultPanel::setRunPanel(QWidget* runPanel) { d_->layout->addWidget(runPanel); }
void ResultPanel::setResults(const DigitTable& results) {
  d_->results = results;
  ShowResultPages(0, true);
}
const DigitTable& ResultPanel::results() const { return d_->results; }
int ResultPanel::resultCount() const { return d_->results.count(); }
void ResultPanel::ShowResultPages(int, bool) { d_->count->setText(QString::number(resultCount())); }
void ResultPanel::setStatusText(const QString& text) { d_->status->setText(text); }
QString ResultPanel::statusText() const { return d_->status->text(); }
void ResultPanel::copyAll() {}
void ResultPanel::exportAll() {}

}  // namespace torvane::ui
