#pragma once
// Every panel set so that each filter appends its rows: 35 kill rows in all.

#include "conditions/conditions.h"

namespace torvane {

inline Conditions AllConditions() {
  Conditions c;
  c.tolerance = {"0", "9"};
  c.directKill.text = "12345 58920 00000 99999";
  c.positional.marked[0][0] = c.positional.marked[4][5] = c.positional.marked[4][6] = true;
  c.positional.rangeMax = "1";
  c.sumSpan.tails[3] = true;
  c.sumSpan.sums = "01 02 45";
  c.sumSpan.spans[3] = true;
  c.sumSpan.digits[5] = true;
  c.banker.digits[0][1] = c.banker.digits[0][2] = c.banker.digits[0][3] = true;
  c.banker.counts[0][2] = true;
  c.banker.digits[1][9] = true;
  c.banker.rangeMax = "1";
  c.shapes.bigSmall[7] = c.shapes.oddEven[10] = c.shapes.primeComposite[3] = true;
  c.shapes.rangeMax = "1";
  c.routes.ticked[0] = c.routes.ticked[214] = true;
  c.special.ticked.fill(true);
  c.ratios.selected[3] = c.ratios.selected[6 + 2] = c.ratios.selected[12 + 4] = true;
  c.minMax = {"3", "6"};
  c.compound.text = "17*235*12*789*01 \r\n1*2*3*4*5";
  c.combinations.texts = {"89 55", "999", "12345", "01", "123", "24061387"};
  c.patterns.text = "1***7 \r\n12***";
  return c;
}

}  // namespace torvane
