// The back-test of every condition over 10000 draws, next to BM_RunAllConditions, its decision
// figures, and a 10000-line draw file into a fresh store.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "run/backtest.h"
#include "run/backtest_decision.h"
#include "run/filter_run.h"
#include "store/history_store.h"
#include "store/import_file.h"
#include "support/every_panel_set.h"

namespace {

using torvane::history::Draw;

std::vector<Draw> RandomDraws(int count) {
  std::mt19937 rng(2004);
  std::vector<Draw> draws(count);
  for (int i = 0; i < count; ++i) {
    draws[i].period = std::to_string(2004001 + i);
    draws[i].date = "2004-11-14";
    for (auto& d : draws[i].digits) d = static_cast<std::uint8_t>(rng() % 10);
  }
  return draws;
}

// The whole back-test: the draws, plus the run over all 100000 numbers for the result count.
void BM_Backtest10k(benchmark::State& state) {
  const torvane::Conditions all = torvane::support::EveryPanelSet();
  const std::vector<Draw> draws = RandomDraws(10000);
  for (auto _ : state) benchmark::DoNotOptimize(torvane::Backtest(all, {}, draws));
}
BENCHMARK(BM_Backtest10k)->Unit(benchmark::kMicrosecond);

// The per-draw part alone, which must cost at most half of BM_RunAllConditions.
void BM_BacktestDraws10k(benchmark::State& state) {
  const torvane::Conditions all = torvane::support::EveryPanelSet();
  const std::vector<Draw> draws = RandomDraws(10000);
  if (torvane::JudgeDraws(all, {}, draws).conditions.size() != 35) {
    state.SkipWithError("expected 35 applied conditions");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::JudgeDraws(all, {}, draws));
}
BENCHMARK(BM_BacktestDraws10k)->Unit(benchmark::kMicrosecond);

// Interval, worth, leave-one-out and the tolerance table from one run's kill rows over all
// 100000 numbers and 10000 judged draws; must cost at most 2 x BM_RunAllConditions.
void BM_BacktestDecision10k(benchmark::State& state) {
  const torvane::Conditions all = torvane::support::EveryPanelSet();
  const std::vector<Draw> draws = RandomDraws(10000);
  const torvane::AppliedConditions applied = torvane::ApplyConditions(torvane::MakeFullSet(), all);
  const torvane::BacktestReport report = torvane::Backtest(all, {}, draws);
  if (report.decision.toleranceTable.size() != 55) {
    state.SkipWithError("expected the tolerance table of 0-9");
    return;
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(
        torvane::DecideBacktest(applied.kills, report.judged, report.resultCount, report.kept));
}
BENCHMARK(BM_BacktestDecision10k)->Unit(benchmark::kMicrosecond);

// The whole back-test with every 按上期 row as well, each draw read against the one before:
// at most 3 × BM_RunAllConditions.
void BM_Backtest10kRelative(benchmark::State& state) {
  torvane::Conditions all = torvane::support::EveryPanelSet();
  all.relative = torvane::support::EveryRelativeRow();
  const std::vector<Draw> draws = RandomDraws(10001);
  const std::span<const Draw> tested = std::span(draws).subspan(1);
  if (torvane::Backtest(all, {}, tested, &draws[0]).judged.conditions.size() != 40) {
    state.SkipWithError("expected 40 applied conditions");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::Backtest(all, {}, tested, &draws[0]));
}
BENCHMARK(BM_Backtest10kRelative)->Unit(benchmark::kMicrosecond);

// The whole back-test with money and every 按上期 row, each draw bought with its own result
// count: at most 5000 × BM_PlainPass. The tolerance 0-9 leaves 26193 numbers whose fate the
// 按上期 rows decide draw by draw (with 1-3 the other rows already kill every number).
void BM_BacktestMoney10kRelative(benchmark::State& state) {
  torvane::Conditions all = torvane::support::EveryPanelSetKeepingMost();
  all.relative = torvane::support::EveryRelativeRow();
  const std::vector<Draw> draws = RandomDraws(10001);
  const std::span<const Draw> tested = std::span(draws).subspan(1);
  const torvane::BacktestReport r = torvane::Backtest(all, {}, tested, &draws[0]);
  if (r.judged.conditions.size() != 40 || r.money.size() != 10000 ||
      r.money.front().results == r.money.back().results) {
    state.SkipWithError("expected 40 applied conditions and counts that differ by draw");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(torvane::Backtest(all, {}, tested, &draws[0]));
}
BENCHMARK(BM_BacktestMoney10kRelative)->Unit(benchmark::kMicrosecond);

class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "torvane_bench_XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A 10000-line draw file into a fresh store; with figures, each line also carries quoted
// amounts with thousands separators (sales, winning bets, prize), named by the header.
void ImportDrawFile10k(benchmark::State& state, bool figures) {
  TempFolder dir;
  if (dir.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string file = (dir.path() / "draws.txt").string();
  {
    std::ofstream out(file);
    out << (figures ? "期号,日期,开奖号码,总销售额(元),中奖注数,单注奖金(元)\n"
                    : "期号,日期,开奖号码\n");
    int i = 0;
    for (const Draw& d : RandomDraws(10000)) {
      out << d.period << ',' << d.date << ',' << d.NumberText();
      if (figures) out << ",\"9,916," << 100 + i % 900 << "\"," << i % 50 << ",\"100,000\"";
      out << '\n';
      ++i;
    }
  }
  int run = 0;
  for (auto _ : state) {
    const std::string db = (dir.path() / ("history" + std::to_string(run++) + ".db")).string();
    torvane::store::HistoryStore store(db, torvane::store::OpenMode::ReadWrite);
    const torvane::store::FileImport imported = torvane::store::ImportDrawFile(store, file);
    if (!imported.ok || imported.counts.added != 10000 ||
        (figures && !store.Find("2004001")->prize)) {
      state.SkipWithError("the import did not add 10000 draws");
      break;
    }
  }
}

void BM_HistoryImport10k(benchmark::State& state) {
  ImportDrawFile10k(state, false);
}
BENCHMARK(BM_HistoryImport10k)->Unit(benchmark::kMillisecond);

// At most 1.3 x BM_HistoryImport10k.
void BM_HistoryImport10kFigures(benchmark::State& state) {
  ImportDrawFile10k(state, true);
}
BENCHMARK(BM_HistoryImport10kFigures)->Unit(benchmark::kMillisecond);

}  // namespace
