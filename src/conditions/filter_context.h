#pragma once
// What every filter gets: the candidates and the kill table it appends to.

#include "core/digit_table.h"
#include "core/kill_table.h"

namespace torvane {

struct FilterContext {
  const DigitTable& candidates;
  KillTable& kills;
};

}  // namespace torvane
