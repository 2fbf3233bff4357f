// The A/B page at full size: leaving a box that holds all 100000 numbers, and an operation
// whose result (one line of up to 100000 numbers) goes into the result box, both with the
// layout and paint the player waits for. The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "core/digit_table.h"
#include "core/number_text.h"
#include "support/fake_dialogs.h"
#include "ui/basesets/set_ops_page.h"
#include "widgets/box_text.h"
#include "widgets/hinted_text_edit.h"

namespace {

using torvane::ui::SetOpsPage;
using torvane::widgets::FakeDialogs;

QString FullText() {
  return torvane::widgets::FromEngineText(torvane::FormatNumberText(torvane::MakeFullSet(), 5));
}

void BM_SetOpsLeaveFullBox(benchmark::State& state) {
  FakeDialogs dialogs;
  SetOpsPage page(dialogs);
  page.resize(1000, 650);
  page.show();
  const QString full = FullText();
  for (auto _ : state) {
    state.PauseTiming();
    page.box(0)->setPlainText(full + QStringLiteral(" 00000"));  // typed: not canonical
    QCoreApplication::processEvents();
    state.ResumeTiming();
    page.commitBox(0);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_SetOpsLeaveFullBox)->Unit(benchmark::kMillisecond)->Iterations(5);

// Arg: 3 = intersection of the full set with itself (100000), 5 = full minus itself (0).
void BM_SetOpsOperationOnFullSets(benchmark::State& state) {
  FakeDialogs dialogs;
  SetOpsPage page(dialogs);
  page.resize(1000, 650);
  page.show();
  const QString full = FullText();
  page.box(0)->setPlainText(full + QStringLiteral(" "));
  page.commitBox(0);
  page.box(1)->setPlainText(full + QStringLiteral(" "));
  page.commitBox(1);
  for (auto _ : state) {
    page.button(static_cast<int>(state.range(0)))->click();
    QCoreApplication::processEvents();
    state.PauseTiming();
    dialogs.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SetOpsOperationOnFullSets)
    ->Arg(3)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// "AB并集" with A and B each all 100000 numbers: the operation, the result box and the
// counts, and the layout and paint of the page.
void BM_SetOpsUnionFullSets(benchmark::State& state) {
  FakeDialogs dialogs;
  SetOpsPage page(dialogs);
  page.resize(1000, 650);
  page.show();
  const QString full = FullText();
  for (int i = 0; i < 2; ++i) {
    page.box(i)->setPlainText(full + QStringLiteral(" "));
    page.commitBox(i);
  }
  QCoreApplication::processEvents();
  for (auto _ : state) {
    page.button(4)->click();
    QCoreApplication::processEvents();
    state.PauseTiming();
    dialogs.reset();
    state.ResumeTiming();
  }
  if (page.countLabel(2)->text() != QStringLiteral("100000"))
    state.SkipWithError("the union did not give all 100000 numbers");
}
BENCHMARK(BM_SetOpsUnionFullSets)->Unit(benchmark::kMillisecond);

}  // namespace
