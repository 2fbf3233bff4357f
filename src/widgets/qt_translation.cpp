#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace torvane::widgets {

QTranslator* InstallQtChineseTranslation() {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(QCoreApplication::instance());
  // qtbase holds the widgets' texts; qt_zh_CN is the older catalogue that loads it.
  for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
    if (translator->load(QString::fromLatin1(name), folder) &&
        QCoreApplication::installTranslator(translator))
      return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace torvane::widgets
