#pragma once
// The trailing columns of a draw file: which of them are the sales, the winning bets and the
// prize per bet, and how their amounts are written.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"

namespace torvane::history {

enum class FigureColumn { None, Sales, Winners, Prize };

// A header line that names its columns.
struct ColumnTitles {
  std::optional<size_t> numberColumn;  // the column titled 号码 or number
  std::vector<FigureColumn> columns;   // one per title
};

// A line of titles with at least two columns, one of them the number (号码, number) or a
// figure (销售/销量/sales, 注数/winners, 奖金/prize); nullopt for anything else, such as a
// title line above the table.
std::optional<ColumnTitles> ReadColumnTitles(const std::vector<std::string>& titles);

// "26455603", "9,916,601", "100,000.00", "100000元": a whole amount, thousands separated by
// commas in threes, any decimals zero; nullopt for anything else ("-", "1.5", "12,34").
std::optional<std::int64_t> ParseAmount(std::string_view text);

// Fills the draw's figures from the fields after its number. With titles, a field counts
// when its column is titled as a figure: columns counted on from the number's column, or,
// when the titles name no number column, from the right end. Without titles, the first three
// fields are sales, winners and prize. A field that is not an amount leaves its figure unknown.
void ReadFigures(std::span<const std::string> trailing, const ColumnTitles* titles, Draw& draw);

}  // namespace torvane::history
