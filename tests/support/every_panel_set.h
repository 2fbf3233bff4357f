#pragma once
// One sample of every condition set at once, shared by the panel, scheme and run tests and
// the run benchmark.

#include "conditions/conditions.h"

namespace torvane::support {

// Every field differs from its start value (but for ranges already at "0"), texts as the
// boxes hold them once left. A run on it appends all 35 kill rows the pipeline has.
inline Conditions EveryPanelSet() {
  Conditions c;
  c.tolerance = {"1", "3"};
  c.directKill.text = "12345 58920";
  c.positional.marked[0][0] = c.positional.marked[4][5] = c.positional.marked[4][6] = true;
  c.positional.rangeMin = "1";
  c.positional.rangeMax = "1.5";
  c.sumSpan.tails[3] = true;
  c.sumSpan.sums = "01 02 45";
  c.sumSpan.spans[0] = c.sumSpan.spans[9] = true;
  c.sumSpan.digits[5] = true;
  c.banker.digits[0][1] = c.banker.digits[0][2] = c.banker.digits[0][3] = true;
  c.banker.counts[0][2] = true;
  c.banker.digits[5][9] = true;
  c.banker.counts[5][0] = c.banker.counts[5][5] = true;
  c.banker.repeat = true;
  c.banker.rangeMin = "0";
  c.banker.rangeMax = "1";
  c.shapes.bigSmall[7] = c.shapes.bigSmall[31] = true;
  c.shapes.oddEven[10] = true;
  c.shapes.primeComposite[21] = true;
  c.shapes.rangeMin = "1";
  c.shapes.rangeMax = "2";
  c.routes.ticked[0] = c.routes.ticked[214] = c.routes.ticked[242] = true;
  c.special.ticked.fill(true);
  c.ratios.selected[3] = c.ratios.selected[6 + 2] = c.ratios.selected[12 + 5] = true;
  c.minMax = {"3", "6"};
  c.compound.text = "17*235*12*789*01 \r\n1*2*3*4*5";
  c.combinations.texts = {"89 55", "999", "12345 2406", "01", "123", "24061387"};
  c.patterns.text = "1***7 \r\n12***";
  return c;
}

// The same conditions with a tolerance of 0-9, which keeps most numbers: a run with a large
// result to show, for measuring the window's side of a run.
inline Conditions EveryPanelSetKeepingMost() {
  Conditions c = EveryPanelSet();
  c.tolerance = {"0", "9"};
  return c;
}

// Every 按上期 row applied: five more kill rows, which need a reference draw.
inline RelativeState EveryRelativeRow() {
  RelativeState s;
  s.killSame = s.repeats = s.shared = true;
  s.samePositions[0] = s.samePositions[3] = true;
  s.repeatCounts[0] = s.repeatCounts[1] = true;
  s.sumDiff = {true, "8", false};
  s.spanDiff = {true, "1", true};
  s.sharedCounts[1] = s.sharedCounts[2] = s.sharedCounts[3] = true;
  return s;
}

}  // namespace torvane::support
