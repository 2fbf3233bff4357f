// The shrink run over all 100000 numbers: nothing set, and every condition set.
#include <benchmark/benchmark.h>

#include "all_conditions.h"
#include "conditions/conditions.h"
#include "run/filter_run.h"

namespace {

using torvane::AllConditions;
using torvane::Conditions;

void BM_RunNoConditions(benchmark::State& state) {
  const Conditions none;
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, none));
}
BENCHMARK(BM_RunNoConditions)->Unit(benchmark::kMicrosecond);

void BM_RunAllConditions(benchmark::State& state) {
  const Conditions all = AllConditions();
  const size_t rows = torvane::RunFilters({}, all).stats.size();
  if (rows != 35) {
    state.SkipWithError(
        ("expected 35 kill rows, the run appended " + std::to_string(rows)).c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::RunFilters({}, all));
}
BENCHMARK(BM_RunAllConditions)->Unit(benchmark::kMicrosecond);

// One panel at a time, to see which filter a slow BM_RunAllConditions spends its time in.
struct Single {
  const char* name;
  void (*set)(Conditions&);
};
const Single kSingles[] = {
    {"direct", [](Conditions& c) { c.directKill = AllConditions().directKill; }},
    {"positional", [](Conditions& c) { c.positional = AllConditions().positional; }},
    {"sumSpan", [](Conditions& c) { c.sumSpan = AllConditions().sumSpan; }},
    {"banker", [](Conditions& c) { c.banker = AllConditions().banker; }},
    {"shapes", [](Conditions& c) { c.shapes = AllConditions().shapes; }},
    {"routes", [](Conditions& c) { c.routes = AllConditions().routes; }},
    {"special", [](Conditions& c) { c.special = AllConditions().special; }},
    {"ratios", [](Conditions& c) { c.ratios = AllConditions().ratios; }},
    {"minMax", [](Conditions& c) { c.minMax = AllConditions().minMax; }},
    {"compound", [](Conditions& c) { c.compound = AllConditions().compound; }},
    {"combinations", [](Conditions& c) { c.combinations = AllConditions().combinations; }},
    {"patterns", [](Conditions& c) { c.patterns = AllConditions().patterns; }},
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
