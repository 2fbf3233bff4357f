// The attribute statistics of 10000 draws, to read next to BM_RunAllConditions (at most one).
#include <benchmark/benchmark.h>

#include "history/attribute_stats.h"
#include "support/history_samples.h"

namespace {

void BM_AttributeStats10k(benchmark::State& state) {
  const std::vector<torvane::history::Draw> draws = torvane::testing::GeneratedHistory(10000);
  // The shares over the 100000 numbers are counted once per program, not per refresh.
  torvane::history::ComputeAttributeStats(draws, 100);
  for (auto _ : state)
    benchmark::DoNotOptimize(torvane::history::ComputeAttributeStats(draws, 100));
}
BENCHMARK(BM_AttributeStats10k)->Unit(benchmark::kMicrosecond);

}  // namespace
