// GUI tests run headless: QT_QPA_PLATFORM=offscreen unless the caller chose a platform.
// Settings (the window's and Qt's own file-dialog state) live in a temporary folder and are
// emptied before every test, so no test sees another's or touches the player's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class FreshSettings : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    QSettings().clear();
    QSettings(QSettings::UserScope, QStringLiteral("QtProject")).clear();
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir settingsDir;
  if (!settingsDir.isValid()) return 1;
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(format, QSettings::SystemScope, settingsDir.path());
  }
  // No test reaches the player's draw history, even one that shows a history page by accident.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  qputenv("TORVANE_DB", data.filePath(QStringLiteral("history.db")).toUtf8());
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("torvane-tests"));
  QCoreApplication::setApplicationName(QStringLiteral("torvane-tests"));
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
  return RUN_ALL_TESTS();
}
