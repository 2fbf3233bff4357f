// "开始缩水" with every condition set, as the player waits for it: the conditions read from
// the panels, the run, the result panel and page grid rebuilt, and the events that lay out
// and paint the window processed. Against BM_EngineRunAllConditions, the engine run alone
// on the same conditions.
// The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>

#include "run/filter_run.h"
#include "support/every_panel_set.h"
#include "support/fake_dialogs.h"
#include "ui/shell/main_window.h"

namespace {

using torvane::support::EveryPanelSetKeepingMost;
using torvane::widgets::FakeDialogs;

void ProcessEverything() {
  QCoreApplication::processEvents();
  // Buttons dropped with deleteLater go when the event loop gets back to them.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_RunButtonAllConditions(benchmark::State& state) {
  FakeDialogs dialogs;
  torvane::ui::MainWindow window(dialogs);
  window.applyConditions(EveryPanelSetKeepingMost());
  window.show();
  ProcessEverything();
  auto* run = window.findChild<QPushButton*>(QStringLiteral("cmdFilter(0)"));
  const int expected = torvane::RunFilters({}, EveryPanelSetKeepingMost()).results.count();
  if (run) run->click();
  ProcessEverything();
  if (!run || window.results().count() != expected || !dialogs.calls.empty()) {
    state.SkipWithError("the window's run does not give the engine's results");
    return;
  }
  for (auto _ : state) {
    run->click();
    ProcessEverything();
  }
  state.counters["results"] = expected;
}
BENCHMARK(BM_RunButtonAllConditions)->Unit(benchmark::kMillisecond);

}  // namespace
