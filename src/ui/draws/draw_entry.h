#pragma once
// The add-a-draw row: what it proposes and how it reads what was typed.

#include <optional>
#include <string>
#include <string_view>

#include "history/draw.h"

namespace torvane::ui {

// The period after `newest` when it is digits only ("2024099" -> "2024100", "999" ->
// "1000"); empty otherwise, and for an empty history.
std::string NextPeriod(std::string_view newest);

struct DrawEntry {
  std::optional<history::Draw> draw;
  std::string error;  // in Chinese, when there is no draw
};

// Period and number as typed (blanks at both ends ignored), date as YYYY-MM-DD or empty.
DrawEntry ReadDrawEntry(std::string_view period, std::string_view number, std::string date);

}  // namespace torvane::ui
