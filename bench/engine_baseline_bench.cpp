#include <benchmark/benchmark.h>

#include "core/digit_table.h"

namespace {

// The baseline: one pass computing the digit sum of every candidate.
void BM_PlainPass(benchmark::State& state) {
  const torvane::DigitTable all = torvane::MakeFullSet();
  for (auto _ : state) {
    unsigned total = 0;
    for (int i = 0; i < all.count(); ++i) {
      const uint8_t* r = all.row(i);
      total += r[0] + r[1] + r[2] + r[3] + r[4];
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);

}  // namespace
