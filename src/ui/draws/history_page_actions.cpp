// What the buttons of the history page do. Every write is one store transaction; a refused
// file, a refused entry or a store error changes nothing and says why.

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "core/atomic_file.h"
#include "history/draw_file.h"
#include "store/store_error.h"
#include "ui/draws/draw_entry.h"
#include "ui/draws/draw_table_model.h"
#include "ui/draws/history_page.h"
#include "ui/host/draw_store.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

using store::HistoryStore;
using store::StoreError;

namespace {

const QString kTitle = QStringLiteral("Torvane");

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

// Another program may change the period again and again; the player is not asked forever.
constexpr int kMaxAsks = 5;

// What the add row can type: the period's number and date. Figures stay as stored.
bool SameDraw(const history::Draw& stored, const history::Draw& typed) {
  return stored.digits == typed.digits && stored.date == typed.date;
}

QString DrawText(const history::Draw& d) {
  return d.date.empty() ? Text(d.NumberText())
                        : QStringLiteral("%1（%2）").arg(Text(d.NumberText()), Text(d.date));
}

}  // namespace

void HistoryPage::importFile() {
  if (!openStore()) return;
  const QString path =
      dialogs_.openFile(this, QStringLiteral("开奖文件 (*.txt *.csv *.tsv);;所有文件 (*)"));
  if (path.isEmpty()) return;
  // The whole file is read before the store is touched, so a refused file creates nothing.
  mergeDraws(history::ReadDrawFile(path.toStdString()), path.section(QLatin1Char('/'), -1));
}

void HistoryPage::addDraw() {
  // Read before the store is followed: a reread proposes another period.
  const DrawEntry entry =
      ReadDrawEntry(period_->text().toStdString(), number_->text().toStdString(),
                    date_->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
  if (!openStore()) return;
  if (!entry.draw) {
    // What was typed stays, so it can be corrected.
    dialogs_.warning(this, kTitle, Text(entry.error));
    return;
  }
  const history::Draw& draw = *entry.draw;
  const QString period = Text(draw.period);

  // The question names what the store holds now, and the write happens only if it still
  // holds that when the player answers; otherwise the question comes again with the new value.
  std::optional<history::Draw> shown;
  try {
    shown = store_.storedNow(draw.period);
  } catch (const StoreError& e) {
    dialogs_.warning(this, kTitle, Text(e.what()));
    return;
  }
  store::ReplaceOutcome outcome;
  for (int asked = 0;; ++asked) {
    if (shown && SameDraw(*shown, draw)) {
      dialogs_.information(
          this, kTitle,
          QStringLiteral("第 %1 期 %2 已在历史库中，没有改动。").arg(period, DrawText(draw)));
      return;
    }
    if (asked == kMaxAsks) {
      dialogs_.warning(this, kTitle,
                       QStringLiteral("第 %1 期在历史库中一再被另一个程序改动（现在是 %2），"
                                      "没有写入。请稍后再试。")
                           .arg(period, shown ? DrawText(*shown) : QStringLiteral("没有这一期")));
      return;
    }
    if (shown) {
      const QString question = QStringLiteral("历史库中已有第 %1 期：%2。\n要改为 %3 吗？")
                                   .arg(period, DrawText(*shown), DrawText(draw));
      if (!dialogs_.question(this, kTitle, question, true)) return;
    }
    try {
      outcome = store_.write([&](HistoryStore& s) { return s.AddIfUnchanged(draw, shown); });
    } catch (const StoreError& e) {
      dialogs_.warning(this, kTitle, Text(e.what()));
      return;
    }
    if (outcome.result != store::ReplaceResult::Changed) break;
    shown = outcome.present;
  }
  const QString done[] = {QStringLiteral("已添加第 %1 期：%2"),
                          QStringLiteral("已把第 %1 期改为 %2"),
                          QStringLiteral("第 %1 期已是 %2（另一个程序刚写入），没有改动")};
  const int said = outcome.result == store::ReplaceResult::Added      ? 0
                   : outcome.result == store::ReplaceResult::Replaced ? 1
                                                                      : 2;
  status_->setText(done[said].arg(period, Text(draw.NumberText())));
  number_->clear();
  proposeNext(true);
  selectPeriod(period);
  number_->setFocus();
}

void HistoryPage::deleteSelected() {
  // Taken before the store is followed: a reread resets the table's selection.
  const QStringList periods = selectedPeriods();
  if (!openStore()) return;
  if (periods.isEmpty()) {
    dialogs_.information(
        this, kTitle, QStringLiteral("请先在表格中选中要删除的期（按住 Ctrl 或 Shift 可多选）。"));
    return;
  }
  const QString question =
      periods.size() == 1
          ? QStringLiteral("确定要从历史库中删除第 %1 期吗？删除后不能恢复。").arg(periods.front())
          : QStringLiteral("确定要从历史库中删除所选的 %1 期吗？删除后不能恢复。")
                .arg(periods.size());
  if (!dialogs_.question(this, kTitle, question, true)) return;
  std::vector<std::string> list;
  for (const QString& p : periods) list.push_back(p.toStdString());
  int removed = 0;
  QStringList goneAlready;
  try {
    removed = store_.write([&](HistoryStore& s) {
      for (const std::string& p : list)
        if (!s.Contains(p)) goneAlready << Text(p);
      return s.Delete(list);
    });
  } catch (const StoreError& e) {
    dialogs_.warning(this, kTitle, Text(e.what()));
    return;
  }
  status_->setText(QStringLiteral("已删除 %1 期").arg(removed));
  if (!goneAlready.isEmpty())
    dialogs_.information(
        this, kTitle,
        QStringLiteral("第 %1 期已不在历史库中（已被另一个程序删除），不用再删。%2")
            .arg(goneAlready.join(QStringLiteral("、")),
                 removed > 0 ? QStringLiteral("其余 %1 期已删除。").arg(removed) : QString()));
}

void HistoryPage::exportDraws() {
  if (!openStore()) return;
  const std::vector<history::Draw>& draws = store_.draws();
  if (draws.empty()) {
    dialogs_.information(this, kTitle, QStringLiteral("历史库里还没有开奖号码，没有可导出的。"));
    return;
  }
  const QString path = dialogs_.saveFile(this, QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)"),
                                         QStringLiteral("开奖历史.csv"));
  if (path.isEmpty()) return;
  // The same file as torvane-cli history export, oldest first.
  const FileWriteResult written = WriteFileAtomically(path.toStdString(), history::DrawsCsv(draws));
  if (!written.ok) {
    dialogs_.warning(this, kTitle,
                     QStringLiteral("没有导出：%1\n%2").arg(path, Text(written.reason)));
    return;
  }
  status_->setText(QStringLiteral("已导出 %1 期到 %2")
                       .arg(draws.size())
                       .arg(path.section(QLatin1Char('/'), -1)));
}

void HistoryPage::jumpToPeriod() {
  const QString period = jump_->text().trimmed();
  if (period.isEmpty()) return;
  const int row = drawModel_->rowOf(period.toStdString());
  if (row < 0) {
    status_->setText(QStringLiteral("历史库中没有第 %1 期").arg(period));
    return;
  }
  selectPeriod(period);
  drawView_->setFocus();
  status_->setText(QStringLiteral("第 %1 期在表格第 %2 行").arg(period).arg(row + 1));
}

void HistoryPage::copySelected() {
  QModelIndexList rows = drawView_->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    dialogs_.information(this, kTitle, QStringLiteral("请先在表格中选中要复制的期。"));
    return;
  }
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  // Period, date and number a line: pastes into a spreadsheet and imports as a draw file.
  QStringList lines;
  for (const QModelIndex& r : rows) {
    const history::Draw& d = drawModel_->draw(r.row());
    QStringList fields{Text(d.period)};
    if (!d.date.empty()) fields << Text(d.date);
    fields << Text(d.NumberText());
    lines << fields.join(QLatin1Char('\t'));
  }
  if (widgets::WriteClipboardText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n')))
    dialogs_.copyNotice(this);
  else
    dialogs_.warning(this, QStringLiteral("错误提示"),
                     QStringLiteral("本次复制出现错误，请再次复制！"));
}

}  // namespace torvane::ui
