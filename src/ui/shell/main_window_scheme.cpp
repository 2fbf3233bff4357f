// The "方案" menu: scheme files hold every condition of the window. A file that is refused
// changes nothing.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <exception>

#include "scheme/scheme_file.h"
#include "ui/shell/main_window.h"
#include "widgets/dialogs.h"

namespace torvane::ui {
namespace {

const QString kSchemeFilter = QStringLiteral("方案文件 (*.json)");
const QString kUnreadable = QStringLiteral("方案文件 %1 无法载入");
constexpr int kRecentCaptionChars = 60;  // a recent entry's path is cut to about this

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

void MainWindow::buildSchemeMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("方案"));
  schemeMenu_ = menu;
  menu->setObjectName(QStringLiteral("mnuScheme"));
  QAction* load = menu->addAction(QStringLiteral("载入方案…"));
  QAction* save = menu->addAction(QStringLiteral("保存方案…"));
  menu->addSeparator();
  recentEnd_ = menu->addSeparator();
  QAction* quit = menu->addAction(QStringLiteral("退出"));
  load->setObjectName(QStringLiteral("mnuLoadScheme"));
  save->setObjectName(QStringLiteral("mnuSaveScheme"));
  quit->setObjectName(QStringLiteral("mnuExit"));
  connect(load, &QAction::triggered, this, &MainWindow::chooseAndLoadScheme);
  connect(save, &QAction::triggered, this, &MainWindow::chooseAndSaveScheme);
  connect(quit, &QAction::triggered, this, &QWidget::close);
  showRecentSchemes();
}

// Numbered entries between the two separators, the path cut in the middle when long.
void MainWindow::showRecentSchemes() {
  qDeleteAll(recentActions_);
  recentActions_.clear();
  const QFontMetrics fm(schemeMenu_->font());
  const int width = fm.horizontalAdvance(QLatin1Char('x')) * kRecentCaptionChars;
  const QStringList& paths = recent_.paths();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QString shown = fm.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, width);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), schemeMenu_);
    action->setObjectName(QStringLiteral("mnuRecentScheme(%1)").arg(i));
    action->setToolTip(path);
    action->setStatusTip(path);
    schemeMenu_->insertAction(recentEnd_, action);
    connect(action, &QAction::triggered, this, [this, path] { openRecentScheme(path); });
    recentActions_ << action;
  }
  recentEnd_->setVisible(!paths.isEmpty());
}

bool MainWindow::openRecentScheme(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    recent_.remove(path);
    showRecentSchemes();
    dialogs_.warning(this, QStringLiteral("Torvane"),
                     QStringLiteral("方案文件 %1 已不存在，已从最近的方案中去掉。")
                         .arg(QDir::toNativeSeparators(path)));
    return false;
  }
  return loadScheme(path);
}

void MainWindow::chooseAndLoadScheme() {
  const QString path = dialogs_.openFile(this, kSchemeFilter);
  if (!path.isEmpty()) loadScheme(path);
}

void MainWindow::chooseAndSaveScheme() {
  QString path = dialogs_.saveFile(this, kSchemeFilter, QStringLiteral("方案.json"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
  saveScheme(path);
}

bool MainWindow::loadScheme(const QString& path) {
  Conditions scheme;
  try {
    scheme = ReadSchemeFile(LocalPath(path));
  } catch (const std::exception& e) {
    dialogs_.warning(this, QStringLiteral("Torvane"), QString::fromUtf8(e.what()));
    return false;
  } catch (...) {
    dialogs_.warning(this, QStringLiteral("Torvane"), kUnreadable.arg(path));
    return false;
  }
  const Conditions before = gatherConditions();
  try {
    applyConditions(scheme);
  } catch (const std::exception& e) {
    // A panel refused part of it: put back what was shown.
    applyConditions(before);
    dialogs_.warning(this, QStringLiteral("Torvane"), QString::fromUtf8(e.what()));
    return false;
  } catch (...) {
    applyConditions(before);
    dialogs_.warning(this, QStringLiteral("Torvane"), kUnreadable.arg(path));
    return false;
  }
  recent_.add(path);
  showRecentSchemes();
  return true;
}

bool MainWindow::saveScheme(const QString& path) {
  try {
    WriteSchemeFile(LocalPath(path), gatherConditions());
  } catch (const std::exception& e) {
    dialogs_.warning(this, QStringLiteral("Torvane"), QString::fromUtf8(e.what()));
    return false;
  } catch (...) {
    dialogs_.warning(this, QStringLiteral("Torvane"),
                     QStringLiteral("方案文件 %1 无法写入").arg(path));
    return false;
  }
  recent_.add(path);
  showRecentSchemes();
  return true;
}

}  // namespace torvane::ui
