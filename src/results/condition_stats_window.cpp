#include "results/condition_stats_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "results/copy_text.h"

namespace torvane::results {

namespace {

QTableWidget* MakeTable(const QStringList& header, const char* name, QWidget* parent) {
  auto* t = new QTableWidget(0, static_cast<int>(header.size()), parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setHorizontalHeaderLabels(header);
  t->verticalHeader()->hide();
  // Text-high rows: a long run of conditions fits without much scrolling.
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->setFocusPolicy(Qt::NoFocus);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setAlternatingRowColors(true);
  t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < header.size(); ++c)
    t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  return t;
}

void SetCell(QTableWidget* t, int row, int column, const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  t->setItem(row, column, item);
}

}  // namespace

ConditionStatsWindow::ConditionStatsWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmConditionStats"));
  setWindowTitle(QStringLiteral("条件统计"));
  auto* column = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblStatsSummary"));
  summary_->setWordWrap(true);
  column->addWidget(summary_);
  column->addWidget(new QLabel(QStringLiteral("每个条件杀掉的注数："), this));
  kills_ = MakeTable(KillTableHeader(), "tblConditionKills", this);
  column->addWidget(kills_, 3);
  column->addWidget(new QLabel(QStringLiteral("错几个条件的号码各有多少注："), this));
  tolerance_ = MakeTable(ToleranceTableHeader(), "tblToleranceCounts", this);
  column->addWidget(tolerance_, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* copy = new QPushButton(QStringLiteral("复制"), this);
  copy->setObjectName(QStringLiteral("cmdCopyStats"));
  buttons->addWidget(copy);
  column->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this,
          [this] { CopyToClipboard(dialogs_, this, ConditionStatsText(stats_)); });
  resize(380, 560);
}

void ConditionStatsWindow::setStats(const ConditionStats& stats) {
  stats_ = stats;
  summary_->setText(QStringLiteral("上次缩水：%1 注号码，设置了 %2 个条件。")
                        .arg(stats.candidates)
                        .arg(stats.kills.size()));

  kills_->setRowCount(static_cast<int>(stats.kills.size()));
  for (int r = 0; r < kills_->rowCount(); ++r) {
    const ConditionKill& k = stats.kills[static_cast<size_t>(r)];
    SetCell(kills_, r, 0, k.name, false);
    SetCell(kills_, r, 1, QString::number(k.killed), true);
  }
  const std::vector<ToleranceRow> rows = ToleranceRows(stats);
  tolerance_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < tolerance_->rowCount(); ++r) {
    const ToleranceRow& row = rows[static_cast<size_t>(r)];
    SetCell(tolerance_, r, 0, row.label, false);
    SetCell(tolerance_, r, 1, QString::number(row.exactly), true);
    SetCell(tolerance_, r, 2, QString::number(row.upTo), true);
  }
}

}  // namespace torvane::results
