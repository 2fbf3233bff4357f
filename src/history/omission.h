#pragma once
// Omission statistics (遗漏) per position and digit of a history.
//
// The window is the last N draws of the history (all of it when N is 0 or not smaller than
// the history); it only counts hits. Omission reaches back over the whole history, oldest
// first, indexed 0..n-1: for position p and digit d shown by the draws i1 < i2 < ... < ik,
//   hits    = the showings inside the window;
//   current = n-1-ik, the draws since d last showed at p (0 when it showed in the newest
//             draw), or n when it never showed;
//   largest = the longest run of draws without d at p: the largest of the leading gap i1,
//             the gaps i(j+1)-ij-1 between showings and the current gap; n when it never
//             showed.
// A window that cut omission short would call a digit absent for 82 draws "30".

#include <array>
#include <span>

#include "history/draw.h"

namespace torvane::history {

struct OmissionCell {
  int current = 0;
  int largest = 0;
  int hits = 0;
  friend bool operator==(const OmissionCell&, const OmissionCell&) = default;
};

struct OmissionTable {
  int draws = 0;                                      // the size of the window
  int historyDraws = 0;                               // n, the whole history
  std::array<std::array<OmissionCell, 10>, 5> cells;  // [position][digit]
};

// history oldest first (see SortHistory); lastN 0 means every draw.
OmissionTable ComputeOmission(std::span<const Draw> history, int lastN = 0);

}  // namespace torvane::history
