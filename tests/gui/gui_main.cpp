// GUI tests run headless: QT_QPA_PLATFORM=offscreen unless the caller chose a platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // No test reaches the player's draw history, even one that shows a history page by accident.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  qputenv("TORVANE_DB", data.filePath(QStringLiteral("history.db")).toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
