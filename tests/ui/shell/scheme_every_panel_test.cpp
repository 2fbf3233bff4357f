// A scheme with every panel set survives the window, a fresh window and torvane-cli alike.
#include <QAction>
#include <sstream>

#include "cli/cli.h"
#include "core/number_text.h"
#include "scheme/scheme_file.h"
#include "support/main_window_fixture.h"

namespace torvane::ui {

using widgets::FakeDialogs;
namespace {

class SchemeEveryPanelTest : public MainWindowFixture {};

QAction* Menu(MainWindow& w, const char* name) {
  return w.findChild<QAction*>(QString::fromUtf8(name));
}

TEST_F(SchemeEveryPanelTest, WindowFreshWindowAndCliAgree) {
  const Conditions every = ReadSchemeFile(TORVANE_TEST_DATA "/schemes/every_panel.json");
  window->applyConditions(every);
  const Conditions shown = window->gatherConditions();
  EXPECT_EQ(shown, every);

  const QString path = dir.filePath(QStringLiteral("every.json"));
  dialogs.files.push_back(path);
  Menu(*window, "mnuSaveScheme")->trigger();

  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  freshDialogs.files.push_back(path);
  Menu(fresh, "mnuLoadScheme")->trigger();
  EXPECT_EQ(fresh.gatherConditions(), shown);

  pressRun(0);
  fresh.findChild<QPushButton*>(QStringLiteral("cmdFilter(0)"))->click();
  const DigitTable& shrunk = window->resultPanel()->results();
  EXPECT_GT(shrunk.count(), 0);
  EXPECT_LT(shrunk.count(), 100000);
  EXPECT_EQ(fresh.resultPanel()->results(), shrunk);

  std::ostringstream out, err;
  ASSERT_EQ(cli::RunCli({"run", path.toStdString()}, out, err), cli::kExitDone) << err.str();
  EXPECT_EQ(ParseNumberText(out.str(), ParseMode::List).table, shrunk);
}

}  // namespace
}  // namespace torvane::ui
