// Putting a whole base set into the base box: one setPlainText of the canonical text of
// all 100000 numbers, against the parse that produces that text and a ten-number text.
// The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "core/digit_table.h"
#include "core/number_text.h"
#include "widgets/box_text.h"
#include "widgets/hinted_text_edit.h"

namespace {

const std::string& FullText() {
  static const std::string text = FormatNumberText(torvane::MakeFullSet(), 10);
  return text;
}

void BM_ParseFullSet(benchmark::State& state) {
  for (auto _ : state) {
    auto parsed = torvane::ParseNumberText(FullText(), torvane::ParseMode::Base);
    benchmark::DoNotOptimize(parsed.text.data());
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ParseFullSet)->Unit(benchmark::kMillisecond);

void SetBoxText(benchmark::State& state, const QString& text) {
  torvane::widgets::HintedTextEdit box;
  box.setLineWrapMode(QPlainTextEdit::NoWrap);  // as the base box
  box.resize(600, 400);
  box.show();
  for (auto _ : state) {
    box.setText(text);
    QCoreApplication::processEvents();  // includes the layout and paint the player waits for
    state.PauseTiming();
    box.setText(QString());
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_BaseBoxTenNumbers(benchmark::State& state) {
  SetBoxText(state, QStringLiteral("00001 00002 00003 00004 00005 00006 00007 00008 00009 00010"));
}
BENCHMARK(BM_BaseBoxTenNumbers)->Unit(benchmark::kMillisecond);

void BM_BaseBoxFullSet(benchmark::State& state) {
  SetBoxText(state, torvane::widgets::FromEngineText(FullText()));
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_BaseBoxFullSet)->Unit(benchmark::kMillisecond);

// Text conversion the page does around the parse (UTF-16 <-> UTF-8, CR LF folding).
void BM_BoxTextConversion(benchmark::State& state) {
  const QString shown = torvane::widgets::FromEngineText(FullText());
  for (auto _ : state) {
    std::string engine = torvane::widgets::ToEngineText(shown);
    QString back = torvane::widgets::FromEngineText(engine);
    benchmark::DoNotOptimize(back.data());
  }
}
BENCHMARK(BM_BoxTextConversion)->Unit(benchmark::kMillisecond);

}  // namespace
