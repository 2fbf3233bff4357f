// "回测当前条件" on the window with every condition set over 300 or 7300 draws: the back-test, both
// tables and both charts refreshed and painted. Compare with BM_EngineRunAllConditions; the
// page may cost at most five times that. The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <random>

#include "run/backtest.h"
#include "store/history_store.h"
#include "support/every_panel_set.h"
#include "support/fake_dialogs.h"
#include "ui/backtest/backtest_page.h"
#include "ui/shell/main_window.h"
#include "ui/shell/tab_bar.h"

namespace {

constexpr int kDraws = 7300;  // twenty years of daily draws

std::vector<torvane::history::Draw> GeneratedDraws() {
  std::mt19937 rng(2004);
  std::vector<torvane::history::Draw> draws(kDraws);
  for (int i = 0; i < kDraws; ++i) {
    draws[i].period = std::to_string((2004 + i / 365) * 1000 + i % 365 + 1);
    for (auto& d : draws[i].digits) d = static_cast<std::uint8_t>(rng() % 10);
  }
  return draws;
}

void BM_BacktestPage(benchmark::State& state) {
  QTemporaryDir dir;
  const QByteArray oldDb = qgetenv("TORVANE_DB");
  qputenv("TORVANE_DB", dir.filePath(QStringLiteral("history.db")).toUtf8());
  torvane::store::HistoryStore(dir.filePath(QStringLiteral("history.db")).toStdString(),
                               torvane::store::OpenMode::ReadWrite)
      .Import(GeneratedDraws());
  {
    torvane::widgets::FakeDialogs dialogs;
    torvane::ui::MainWindow window(dialogs);
    window.resize(1350, 720);
    window.show();
    window.applyConditions(torvane::support::EveryPanelSet());
    window.selectTab(13);
    torvane::ui::BacktestPage* page = window.backtestPage();
    // Arg: the draws tested, 300 (最近 300 期) or all of them (全部): the page's own cost should
    // hardly differ, as the tables and the line show a bounded amount whatever the count.
    const int tested = static_cast<int>(state.range(0));
    page->rangeBox()->setCurrentIndex(page->rangeBox()->findData(tested == kDraws ? 0 : tested));
    QCoreApplication::processEvents();
    for (auto _ : state) {
      page->runButton()->click();
      QCoreApplication::processEvents();  // the layout and paint the player waits for
    }
    if (!page->report() || page->report()->tested != tested ||
        page->report()->conditions.size() != 35 || !dialogs.calls.empty())
      state.SkipWithError("the back-test did not run over every draw with 35 conditions");
  }
  qputenv("TORVANE_DB", oldDb);
}
BENCHMARK(BM_BacktestPage)->Arg(300)->Arg(kDraws)->Unit(benchmark::kMillisecond);

// The engine's part of the page: the back-test alone over the same draws.
void BM_BacktestEngine7300(benchmark::State& state) {
  const torvane::Conditions all = torvane::support::EveryPanelSet();
  const std::vector<torvane::history::Draw> draws = GeneratedDraws();
  for (auto _ : state) benchmark::DoNotOptimize(torvane::Backtest(all, {}, draws));
}
BENCHMARK(BM_BacktestEngine7300)->Unit(benchmark::kMillisecond);

}  // namespace
