// Draw texts into the store: a file, the clipboard or a download, each merged as one import
// with the same answer; and the history's holes and figure columns shown after every change.

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTableView>

#include "history/history_check.h"
#include "store/import_file.h"
#include "store/store_error.h"
#include "ui/draws/draw_table_model.h"
#include "ui/draws/history_page.h"
#include "ui/host/draw_store.h"
#include "widgets/clipboard.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

namespace {

const QString kDrawImportTitle = QStringLiteral("导入提示");

QString AmountText(const std::optional<std::int64_t>& v, const QString& unit) {
  return v ? QLocale(QLocale::English).toString(*v) + unit : QStringLiteral("未知");
}

QString FiguresText(const history::Draw& d) {
  return QStringLiteral("销售额 %1，中奖注数 %2，单注奖金 %3")
      .arg(AmountText(d.sales, QStringLiteral(" 元")), AmountText(d.winners, QStringLiteral(" 注")),
           AmountText(d.prize, QStringLiteral(" 元")));
}

QString FigureQuestion(const std::vector<store::FigureConflict>& conflicts) {
  const store::FigureConflict& first = conflicts.front();
  return QStringLiteral(
             "有 %1 期的销售额、中奖注数或单注奖金与历史库中的不同，例如第 %2 期：\n"
             "历史库：%3\n导入的：%4\n\n"
             "要按导入的改正吗？选“否”保留历史库中的，其余照常导入。")
      .arg(conflicts.size())
      .arg(QString::fromStdString(first.stored.period), FiguresText(first.stored),
           FiguresText(first.incoming));
}

// Ctrl+V on the draw table pastes draws, even where a window shortcut claims the keys.
class PasteKey : public QObject {
 public:
  PasteKey(QObject* parent, std::function<void()> paste)
      : QObject(parent), paste_(std::move(paste)) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    if (!key->matches(QKeySequence::Paste)) return false;
    key->accept();
    if (e->type() == QEvent::KeyPress) paste_();
    return true;
  }

 private:
  std::function<void()> paste_;
};

}  // namespace

void HistoryPage::mergeDraws(const history::DrawFileResult& read, const QString& source) {
  if (!read.ok) {
    dialogs_.warning(
        this, kDrawImportTitle,
        QStringLiteral("没有导入：%1\n历史库没有改动。").arg(QString::fromStdString(read.error)));
    return;
  }
  store::FileImport done;
  try {
    done = store_.write([&](store::HistoryStore& s) {
      // Figures that differ are replaced only when the player says so.
      const store::ImportCounts plan = s.PlanImport(read.draws);
      store::ImportOptions options;
      if (!plan.figureConflicts.empty())
        options.replaceFigures =
            dialogs_.question(this, kDrawImportTitle, FigureQuestion(plan.figureConflicts), false);
      return store::ImportDraws(s, read, options);
    });
  } catch (const store::StoreError& e) {
    dialogs_.warning(this, kDrawImportTitle, QString::fromStdString(e.what()));
    return;
  }
  status_->setText(QStringLiteral("已导入 %1").arg(source));
  dialogs_.information(this, kDrawImportTitle, QString::fromStdString(store::ImportSummary(done)));
}

void HistoryPage::pasteDraws() {
  if (!openStore()) return;
  const QString text = widgets::ReadClipboardText();
  if (text.trimmed().isEmpty()) {
    dialogs_.information(this, kDrawImportTitle,
                         QStringLiteral("剪贴板里没有文字。请先在网页或表格中选中开奖记录"
                                        "（期号、日期、号码…）并复制，再点“粘贴开奖”。"));
    return;
  }
  mergeDraws(history::ParseDrawText(text.toStdString()), QStringLiteral("剪贴板中的开奖"));
}

void HistoryPage::installPasteKey() {
  drawView_->installEventFilter(new PasteKey(drawView_, [this] {
    if (paste_->isEnabled()) pasteDraws();
  }));
}

void HistoryPage::showHistoryGaps() {
  for (int c : {DrawTableModel::Sales, DrawTableModel::Winners, DrawTableModel::Prize})
    drawView_->setColumnHidden(c, !drawModel_->anyFigure(c));
  const std::vector<std::string> missing = history::MissingPeriods(store_.draws());
  missing_->setText(QString::fromStdString(history::MissingPeriodsSentence(missing)));
  missing_->setVisible(!missing.empty());
}

}  // namespace torvane::ui
