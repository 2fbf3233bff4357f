#pragma once
// Qt's own texts (standard buttons, file dialogs) in Chinese, from the translation files
// Qt installs (Debian qt6-translations-l10n), so they match the program's own captions.

class QTranslator;

namespace torvane::widgets {

// Installs the translator into the application, which owns it; nullptr when the
// translation file is not installed (Qt's English texts stay).
QTranslator* InstallQtChineseTranslation();

}  // namespace torvane::widgets
