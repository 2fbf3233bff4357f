// Number text, group conversion and set operations on 100000 numbers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/digit_table.h"
#include "core/number_text.h"
#include "run/filter_run.h"
#include "setops/set_operation.h"
#include "setops/vote_merge.h"

namespace {

using namespace torvane;

// All 100000 numbers in random order, a fifth of them again, space separated (~720 KB).
std::string ShuffledNumberText() {
  std::vector<int> keys(kNumberSpace);
  std::iota(keys.begin(), keys.end(), 0);
  std::mt19937 rng(20261208);
  std::shuffle(keys.begin(), keys.end(), rng);
  for (int i = 0; i < kNumberSpace / 5; ++i) keys.push_back(keys[rng() % kNumberSpace]);
  std::string text;
  text.reserve(keys.size() * 6);
  for (int k : keys) {
    char buf[6];
    for (int p = 4; p >= 0; --p, k /= 10) buf[p] = static_cast<char>('0' + k % 10);
    buf[5] = ' ';
    text.append(buf, 6);
  }
  return text;
}

void BM_ParseNumberText100k(benchmark::State& state) {
  const std::string text = ShuffledNumberText();
  for (auto _ : state) {
    ParsedNumbers parsed = ParseNumberText(text, ParseMode::Base);
    if (parsed.table.count() != kNumberSpace) state.SkipWithError("parse lost numbers");
    benchmark::DoNotOptimize(parsed);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseNumberText100k)->Unit(benchmark::kMicrosecond);

// The canonical text of all 100000 numbers, ten to a line, parsed as the base box does.
void BM_ParseFullSet(benchmark::State& state) {
  const std::string text = FormatNumberText(MakeFullSet(), 10);
  for (auto _ : state) {
    ParsedNumbers parsed = ParseNumberText(text, ParseMode::Base);
    benchmark::DoNotOptimize(parsed.text.data());
  }
}
BENCHMARK(BM_ParseFullSet)->Unit(benchmark::kMillisecond);

// Ten files of all 100000 numbers, each in its own order, ten to a line, voted on: from the
// texts to the numbers in every set. At most ten times BM_ParseFullSet.
void BM_MergeTenFullSets(benchmark::State& state) {
  std::vector<std::string> texts;
  for (unsigned i = 0; i < 10; ++i) {
    std::vector<int> keys(kNumberSpace);
    std::iota(keys.begin(), keys.end(), 0);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(100 + i));
    DigitTable set;
    for (int k : keys) set.appendKey(k);
    texts.push_back(FormatNumberText(set, 10));
  }
  for (auto _ : state) {
    VoteTally tally;
    for (const std::string& text : texts) tally.addPresence(MarkNumberText(text).present);
    DigitTable kept = tally.keep(10, 10);
    if (kept.count() != kNumberSpace) state.SkipWithError("the vote lost numbers");
    benchmark::DoNotOptimize(kept);
  }
}
BENCHMARK(BM_MergeTenFullSets)->Unit(benchmark::kMillisecond);

void BM_GroupConversion100k(benchmark::State& state) {
  const DigitTable all = MakeFullSet();
  for (auto _ : state) benchmark::DoNotOptimize(ConvertToGroup(all));
}
BENCHMARK(BM_GroupConversion100k)->Unit(benchmark::kMicrosecond);

// A: even keys, B: keys divisible by three; 50000 and 33334 numbers.
void BM_SetOperation100k(benchmark::State& state) {
  DigitTable a, b;
  for (int k = 0; k < kNumberSpace; ++k) {
    if (k % 2 == 0) a.appendKey(k);
    if (k % 3 == 0) b.appendKey(k);
  }
  const auto op = static_cast<SetOp>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ApplySetOperation(a, b, op));
}
BENCHMARK(BM_SetOperation100k)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
