#pragma once
// What the 走势图 shows, computed once when the history or the window changes, so painting
// a screen only reads it.
//
// The window is the last N draws (all when N is 0 or not smaller than the history), oldest
// first. For a draw, the omission of digit d at position p is the number of draws since d
// last showed at p, that draw included, counted over the whole history: 0 when d shows in
// the draw itself, i+1 for the draw at history index i when d never showed before. So the
// first rows of a window go on from the draws before it rather than starting again at 0.
//
// The four statistics rows, per position and digit, over the window shown:
//   出现次数  the draws of the window in which d shows at p;
//   平均遗漏  the draws of the window without d at p, shared out over the runs the showings
//             cut the window into: (draws - hits) / (hits + 1), rounded;
//   最大遗漏  the largest omission number in the column, i.e. the longest run without d that
//             ends inside the window, its draws before the window counted too;
//   当前遗漏  the omission at the newest draw (0 when d showed there).

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "history/draw.h"

namespace torvane::ui {

struct TrendRow {
  QString period;
  history::Digits digits{};
  std::array<std::array<int, 10>, 5> omission{};  // [position][digit]
  std::uint8_t sum = 0, span = 0;
  std::uint8_t big = 0, odd = 0, prime = 0;  // counts of big (5-9), odd and prime digits
  const char* shape = "";                    // 形态, e.g. "AABCD"
};

enum TrendStat { StatHits, StatMeanGap, StatLongest, StatCurrent, StatCount };

struct TrendChart {
  int historySize = 0;
  std::vector<TrendRow> rows;  // the window, oldest first
  // [statistic][position][digit]; all zero for an empty window.
  std::array<std::array<std::array<int, 10>, 5>, StatCount> stats{};
};

// history oldest first (see SortHistory); lastN 0 means every draw.
TrendChart BuildTrendChart(std::span<const history::Draw> history, int lastN);

}  // namespace torvane::ui
