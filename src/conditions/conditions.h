#pragma once
// Every condition the window shows, as plain state. Default-constructed = start values,
// so "clear all conditions" is every state back to its default.

#include <string>

#include "conditions/digit/banker_rows.h"
#include "conditions/digit/combination.h"
#include "conditions/digit/compound_kill.h"
#include "conditions/digit/direct_kill.h"
#include "conditions/digit/pattern_kill.h"
#include "conditions/digit/positional_kill.h"
#include "conditions/relative/relative.h"
#include "conditions/shape/min_max_digit.h"
#include "conditions/shape/ratios.h"
#include "conditions/shape/route_patterns.h"
#include "conditions/shape/shape_patterns.h"
#include "conditions/shape/special_exclusion.h"
#include "conditions/shape/sum_span.h"

namespace torvane {

struct ToleranceState {
  std::string min = "0";  // txtWrong(0)
  std::string max = "0";  // txtWrong(1)
  friend bool operator==(const ToleranceState&, const ToleranceState&) = default;
};

struct Conditions {
  ToleranceState tolerance;
  DirectKillState directKill;
  PositionalKillState positional;
  SumSpanState sumSpan;
  BankerRowsState banker;
  ShapePatternsState shapes;
  RoutePatternsState routes;
  SpecialExclusionState special;
  RatiosState ratios;
  MinMaxDigitState minMax;
  CompoundKillState compound;
  CombinationState combinations;
  PatternKillState patterns;
  RelativeState relative;  // reads a reference draw given beside the conditions
  friend bool operator==(const Conditions&, const Conditions&) = default;
};

}  // namespace torvane
