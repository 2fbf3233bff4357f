// The 方案 menu lists the last eight schemes loaded or saved, most recent first, across
// starts; a file that has gone is dropped when chosen.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>

#include "scheme/scheme_file.h"
#include "support/main_window_fixture.h"

namespace torvane::ui {
namespace {

using RecentSchemesTest = MainWindowFixture;

QStringList MenuEntries(const MainWindow& w) {
  QStringList tips;
  for (int i = 0;; ++i) {
    auto* a = w.findChild<QAction*>(QStringLiteral("mnuRecentScheme(%1)").arg(i));
    if (!a) return tips;
    tips << a->toolTip();
  }
}

QString SchemeText(int min) {
  return QStringLiteral(R"({"format": "torvane-scheme/1", "tolerance": ["%1", "3"]})").arg(min);
}

TEST_F(RecentSchemesTest, LastEightLoadedOrSavedMostRecentFirst) {
  EXPECT_TRUE(MenuEntries(*window).isEmpty());
  QStringList paths;
  for (int i = 0; i < 10; ++i) {
    const QString name = QStringLiteral("方案%1.json").arg(i);
    if (i % 2 == 0) {
      paths << writeFile(name, SchemeText(i % 3).toUtf8());
      ASSERT_TRUE(window->loadScheme(paths.last())) << i;
    } else {
      paths << dir.filePath(name);
      ASSERT_TRUE(window->saveScheme(paths.last())) << i;
    }
  }
  QStringList expected;
  for (int i = 9; i >= 2; --i) expected << paths[i];
  EXPECT_EQ(MenuEntries(*window), expected);

  // Loading one already listed moves it to the front, still listed once.
  ASSERT_TRUE(window->loadScheme(paths[4]));
  expected.removeAll(paths[4]);
  expected.prepend(paths[4]);
  EXPECT_EQ(MenuEntries(*window), expected);
  EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mnuRecentScheme(0)"))->text(),
            QStringLiteral("&1 ") + QDir::toNativeSeparators(paths[4]));

  // The next start lists the same.
  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  EXPECT_EQ(MenuEntries(fresh), expected);
}

TEST_F(RecentSchemesTest, ChoosingAnEntryLoadsIt) {
  const QString path = writeFile(QStringLiteral("two.json"), SchemeText(2).toUtf8());
  ASSERT_TRUE(window->loadScheme(path));
  window->applyConditions(Conditions());
  window->findChild<QAction*>(QStringLiteral("mnuRecentScheme(0)"))->trigger();
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(window->runPanel()->toleranceText(0), QStringLiteral("2"));
  EXPECT_EQ(window->runPanel()->toleranceText(1), QStringLiteral("3"));
}

TEST_F(RecentSchemesTest, AMissingFileIsDroppedWithANote) {
  const QString kept = writeFile(QStringLiteral("kept.json"), SchemeText(1).toUtf8());
  const QString gone = writeFile(QStringLiteral("gone.json"), SchemeText(1).toUtf8());
  ASSERT_TRUE(window->loadScheme(kept));
  ASSERT_TRUE(window->loadScheme(gone));
  ASSERT_TRUE(QFile::remove(gone));
  const Conditions before = window->gatherConditions();

  window->findChild<QAction*>(QStringLiteral("mnuRecentScheme(0)"))->trigger();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("warning"));
  EXPECT_TRUE(dialogs.calls[0].text.contains(QDir::toNativeSeparators(gone)))
      << dialogs.calls[0].text.toStdString();
  EXPECT_EQ(MenuEntries(*window), QStringList{kept});
  EXPECT_EQ(QSettings().value(QStringLiteral("recentSchemes")).toStringList(), QStringList{kept});
  EXPECT_EQ(window->gatherConditions(), before);
}

TEST_F(RecentSchemesTest, ARefusedSchemeIsNotListed) {
  const QString bad = writeFile(QStringLiteral("bad.json"), "{ \"tolerance\": ");
  EXPECT_FALSE(window->loadScheme(bad));
  EXPECT_TRUE(MenuEntries(*window).isEmpty());
}

}  // namespace
}  // namespace torvane::ui
