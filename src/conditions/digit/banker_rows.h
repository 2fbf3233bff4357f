#pragma once
// 胆码: six banker rows with wanted counts and a row tolerance, one condition in all.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct BankerRowsState {
  std::array<std::array<bool, 10>, 6> digits{};  // cmdDan selections per row
  std::array<std::array<bool, 6>, 6> counts{};   // cmdDanCount selections per row (0..5)
  bool repeat = false;                           // 胆码计重
  std::string rangeMin = "0";                    // Com_rc(2)
  std::string rangeMax = "0";                    // Com_rc(3)
  friend bool operator==(const BankerRowsState&, const BankerRowsState&) = default;
};

// Appends at most one kill row "胆码". Throws RunError when a row is used and a range
// text does not fit 32 bits.
void FilterBankerRows(const BankerRowsState& state, FilterContext& ctx);

// Whether count c of row r may be selected now (the panel's refusal check).
bool BankerCountAllowed(const BankerRowsState& state, int row, int count);

}  // namespace torvane
