#pragma once
// Holes and disorder in a history. Periods of the form YYYYNNN run 001, 002, … within a year
// without holes, and a missing draw silently shifts every omission figure after it.

#include <span>
#include <string>
#include <vector>

#include "history/draw.h"

namespace torvane::history {

// A dated draw whose date lies before the date of the dated draw before it.
struct BackwardDate {
  std::string period;
  std::string date;
  std::string previousPeriod;
  std::string previousDate;
};

// Two or more periods drawn on one date.
struct SharedDate {
  std::string date;
  std::vector<std::string> periods;  // in history order
};

struct HistoryCheck {
  std::vector<std::string> missing;  // see MissingPeriods
  std::vector<BackwardDate> backwards;
  std::vector<SharedDate> sharedDates;  // by date

  bool clean() const { return missing.empty() && backwards.empty() && sharedDates.empty(); }
};

// Every YYYYNNN period absent from its year's run, from 001 to the largest NNN of that year
// in the history, oldest first. Periods of any other form are not judged.
std::vector<std::string> MissingPeriods(std::span<const Draw> draws);

// The draws in history order (oldest first), as the store and draw files give them.
HistoryCheck CheckHistory(std::span<const Draw> draws);

// "缺 3 期：2010100、2019007、2026250"; three or more periods in a row as one item
// ("缺 12 期：2026001–2026012"), the first `listed` items and then "等" when there are more;
// empty when nothing is missing.
std::string MissingPeriodsSentence(std::span<const std::string> missing, size_t listed = 10);

}  // namespace torvane::history
