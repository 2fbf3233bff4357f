#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>

#include <csignal>

#include "ui/shell/main_window.h"
#include "widgets/dialogs.h"
#include "widgets/qt_translation.h"

namespace {

// The captions are laid out for SimSun; elsewhere any installed CJK font keeps them readable.
void ChooseFont(QApplication& app) {
  const QStringList wanted = {
      QStringLiteral("SimSun"),
      QStringLiteral("宋体"),
      QStringLiteral("NSimSun"),
      QStringLiteral("WenQuanYi Micro Hei"),
      QStringLiteral("AR PL UMing CN"),
      QStringLiteral("Noto Sans CJK SC"),
      QStringLiteral("Noto Serif CJK SC"),
      QStringLiteral("WenQuanYi Zen Hei"),
  };
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      QFont font(family, 9);
      app.setFont(font);
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a store write or an export fails with a message; the kernel's
  // default would end the window and lose what the player typed.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  // Where QSettings keeps the recent schemes and the window's place.
  QCoreApplication::setOrganizationName(QStringLiteral("torvane"));
  QCoreApplication::setApplicationName(QStringLiteral("torvane"));
  torvane::widgets::InstallQtChineseTranslation();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/torvane.png")));
  QApplication::setDesktopFileName(QStringLiteral("torvane"));
  ChooseFont(app);
  torvane::widgets::QtDialogs dialogs;
  torvane::ui::MainWindow window(dialogs);
  QObject::connect(&window, &torvane::ui::MainWindow::quitRequested, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  window.show();
  return app.exec();
}
