// The engine run over all 100000 numbers with every condition set: the baseline the window's
// actions are measured against. The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include "run/filter_run.h"
#include "support/every_panel_set.h"

namespace {

void BM_EngineRunAllConditions(benchmark::State& state) {
  const torvane::Conditions all = torvane::support::EveryPanelSetKeepingMost();
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, all));
}
BENCHMARK(BM_EngineRunAllConditions)->Unit(benchmark::kMillisecond);

}  // namespace
