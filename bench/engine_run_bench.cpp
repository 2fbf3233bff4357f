// The shrink run over all 100000 numbers: nothing set, and every condition set.
#include <benchmark/benchmark.h>

#include "conditions/conditions.h"
#include "run/filter_run.h"
#include "support/every_panel_set.h"

namespace {

using torvane::Conditions;
using torvane::support::EveryPanelSet;  // each filter appends its rows: 35 kill rows in all

void BM_RunNoConditions(benchmark::State& state) {
  const Conditions none;
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, none));
}
BENCHMARK(BM_RunNoConditions)->Unit(benchmark::kMicrosecond);

void BM_RunAllConditions(benchmark::State& state) {
  const Conditions all = EveryPanelSet();
  const size_t rows = torvane::RunFilters({}, all).stats.size();
  if (rows != 35u) {
    state.SkipWithError(
        ("expected 35 kill rows, the run appended " + std::to_string(rows)).c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, all));
}
BENCHMARK(BM_RunAllConditions)->Unit(benchmark::kMicrosecond);

// The same run with every 按上期 row as well (40 kill rows): at most 1.2 × BM_RunAllConditions.
void BM_RunAllConditionsRelative(benchmark::State& state) {
  Conditions all = EveryPanelSet();
  all.relative = torvane::support::EveryRelativeRow();
  torvane::DigitTable reference;
  reference.appendKey(49330);
  if (torvane::RunFilters({}, all, reference).stats.size() != 40u) {
    state.SkipWithError("expected 40 kill rows");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, all, reference));
}
BENCHMARK(BM_RunAllConditionsRelative)->Unit(benchmark::kMicrosecond);

// One panel at a time, to see which filter a slow BM_RunAllConditions spends its time in.
struct Single {
  const char* name;
  void (*set)(Conditions&);
};
const Single kSingles[] = {
    {"direct", [](Conditions& c) { c.directKill = EveryPanelSet().directKill; }},
    {"positional", [](Conditions& c) { c.positional = EveryPanelSet().positional; }},
    {"sumSpan", [](Conditions& c) { c.sumSpan = EveryPanelSet().sumSpan; }},
    {"banker", [](Conditions& c) { c.banker = EveryPanelSet().banker; }},
    {"shapes", [](Conditions& c) { c.shapes = EveryPanelSet().shapes; }},
    {"routes", [](Conditions& c) { c.routes = EveryPanelSet().routes; }},
    {"special", [](Conditions& c) { c.special = EveryPanelSet().special; }},
    {"ratios", [](Conditions& c) { c.ratios = EveryPanelSet().ratios; }},
    {"minMax", [](Conditions& c) { c.minMax = EveryPanelSet().minMax; }},
    {"compound", [](Conditions& c) { c.compound = EveryPanelSet().compound; }},
    {"combinations", [](Conditions& c) { c.combinations = EveryPanelSet().combinations; }},
    {"patterns", [](Conditions& c) { c.patterns = EveryPanelSet().patterns; }},
};

void BM_RunOnePanel(benchmark::State& state) {
  const Single& single = kSingles[state.range(0)];
  Conditions c;
  single.set(c);
  state.SetLabel(single.name);
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, c));
}
BENCHMARK(BM_RunOnePanel)->DenseRange(0, 11)->Unit(benchmark::kMicrosecond);

// One pattern a hundred thousand times: should cost about what BM_RunOnePanel/11 does.
void BM_RunRepeatedPattern(benchmark::State& state) {
  Conditions c;
  for (int i = 0; i < 100000; ++i) c.patterns.text += i ? " \r\n1****" : "1****";
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, c));
}
BENCHMARK(BM_RunRepeatedPattern)->Unit(benchmark::kMillisecond);

}  // namespace
