#pragma once
// The result count of a run for any reference draw of its 按上期 rows, without running again.
// The other conditions do not read the reference, so their kill sums come from one run; the
// 按上期 rows read a candidate's digits by position and its sum, span and digit set, so only
// candidates whose fate they can change are looked at again, and only through those figures.

#include <array>
#include <cstdint>
#include <vector>

#include "conditions/relative/relative.h"
#include "core/digit_table.h"
#include "core/kill_table.h"
#include "run/filter_run.h"

namespace torvane {

class ReferenceResultCounter {
 public:
  // kills: a run's kill rows over start, the last rules.rows() of them the 按上期 rows (the
  // pipeline appends them last); tolerance: the run's.
  ReferenceResultCounter(const KillTable& kills, const DigitTable& start, ToleranceRange tolerance,
                         const RelativeRules& rules);

  // The result count of the same run with the 按上期 rows reading these five digits.
  int count(const uint8_t* reference) const;

  // Candidates whose result depends on the reference; the rest are decided once.
  int undecided() const { return static_cast<int>(base_.size()); }

 private:
  RelativeRules rules_;
  uint8_t min_ = 0, max_ = 0;  // the tolerance, clamped to the kill sums that occur
  // The differences of sum and span that 和值差 and 跨度差 keep: an interval, empty as 1-0.
  uint8_t sumKeep_[2] = {0, 127}, spanKeep_[2] = {0, 127};
  int always_ = 0;  // inside the tolerance whatever the rows kill
  // The undecided candidates, column-wise, so that one pass over them is plain byte arithmetic.
  std::array<std::vector<uint8_t>, kDigits> digits_;
  std::vector<uint8_t> sum_, span_, setLow_, setHigh_;  // digit set: bits of 0-7, of 8-9
  std::vector<uint8_t> base_;                           // kill sum of the other conditions
};

}  // namespace torvane
