#pragma once
// Boxes hold "\n" line breaks; the engine's texts use CR LF, as condition texts are
// split at CR LF and not at a lone line feed.

#include <QString>
#include <string>

namespace torvane::widgets {

inline std::string ToEngineText(const QString& boxText) {
  QString s = boxText;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\n'), QStringLiteral("\r\n"));
  return s.toStdString();
}

inline QString FromEngineText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace torvane::widgets
