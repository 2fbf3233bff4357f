#include "results/copy_text.h"

#include <QCoreApplication>
#include <string>

#include "widgets/clipboard.h"
#include "widgets/dialogs.h"

namespace torvane::results {

using widgets::Dialogs;
using widgets::WriteClipboardText;

QString RowNumberText(const DigitTable& table, int row) {
  if (row < 0 || row >= table.count()) return QString();
  char buf[kDigits];
  const uint8_t* d = table.row(row);
  for (int k = 0; k < kDigits; ++k) buf[k] = static_cast<char>('0' + d[k]);
  return QString::fromLatin1(buf, kDigits);
}

QString BuildCopyResult(const DigitTable& table, int first, int last, int mode) {
  if (mode != kCopyPage && mode != kCopyAll) return QString();
  if (first < 0 || last < first || last >= table.count()) return QString();
  // The same bytes RowNumberText reads, written straight into one buffer.
  const size_t n = static_cast<size_t>(last - first + 1);
  std::string out;
  out.reserve(n * (kDigits + 2));
  for (int i = first; i <= last; ++i) {
    if (i > first) {
      if ((i - first) % mode == 0)
        out += "\r\n";
      else
        out += ' ';
    }
    const uint8_t* d = table.row(i);
    for (int k = 0; k < kDigits; ++k) out += static_cast<char>('0' + d[k]);
  }
  return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

namespace {

bool PlaceOnClipboard(Dialogs& dialogs, QWidget* parent, const QString& text) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    QCoreApplication::processEvents();
    if (WriteClipboardText(text)) return true;
  }
  dialogs.warning(parent, QStringLiteral("错误提示"),
                  QStringLiteral("本次复制出现错误，请再次复制！"));
  return false;
}

}  // namespace

bool CopyToClipboard(Dialogs& dialogs, QWidget* parent, const QString& text) {
  if (!PlaceOnClipboard(dialogs, parent, text)) return false;
  dialogs.copyNotice(parent);
  return true;
}

bool CopyToClipboardQuietly(Dialogs& dialogs, QWidget* parent, const QString& text) {
  return PlaceOnClipboard(dialogs, parent, text);
}

void ShowEmptyCopyText(Dialogs& dialogs, QWidget* parent) {
  dialogs.warning(parent, QStringLiteral("提示"), QStringLiteral("复制失败，没有生成号码文本。"));
}

}  // namespace torvane::results
