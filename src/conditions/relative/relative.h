#pragma once
// 按上期条件: rows that read a reference draw (in a run the newest draw, in a back-test the
// draw before the judged one). Each applied row appends one kill row.

#include <array>
#include <cstdint>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

// 和值差 / 跨度差: keep candidates whose sum (span) differs from the reference's by at most k,
// or with atLeast, by at least k.
struct RelativeDiffRow {
  bool apply = false;
  std::string k = "0";  // the box text as typed
  bool atLeast = false;
  friend bool operator==(const RelativeDiffRow&, const RelativeDiffRow&) = default;
};

struct RelativeState {
  bool killSame = false;                // 杀上期定位
  std::array<bool, 5> samePositions{};  // 万位 … 个位
  bool repeats = false;                 // 上期重号个数
  std::array<bool, 6> repeatCounts{};   // keep 0 … 5 positions equal to the reference
  RelativeDiffRow sumDiff;              // 和值差
  RelativeDiffRow spanDiff;             // 跨度差
  bool shared = false;                  // 上期号码出现个数
  std::array<bool, 6> sharedCounts{};   // keep 0 … 5 of the reference's distinct digits
  friend bool operator==(const RelativeState&, const RelativeState&) = default;
};

// The kill-row names, in run order.
extern const char* const kRelativeRowNames[5];

// True when at least one row would append a kill row: its tick is on and, for the rows of
// ticks, at least one position or count is ticked.
bool RelativeApplied(const RelativeState& state);

// What the rows read of a number besides its digits by position.
struct RelativeFigures {
  int sum = 0, span = 0;
  unsigned digitSet = 0;  // bit d: digit d occurs
};
RelativeFigures FiguresOf(const uint8_t* digits);

// The applied rows as tables, the k boxes read: what they kill depends on the reference only
// through its digits by position, its sum, its span and its set of digits.
struct RelativeRules {
  bool same = false, repeats = false, sum = false, span = false, shared = false;
  unsigned samePositions = 0;            // bit p: position p ticked in 杀上期定位
  std::array<uint8_t, 6> killRepeats{};  // by the positions equal to the reference
  std::array<uint8_t, 46> killSum{};     // by |sum − reference sum|
  std::array<uint8_t, 10> killSpan{};    // by |span − reference span|
  std::array<uint8_t, 6> killShared{};   // by the reference's distinct digits it holds

  // Kill rows appended: 0 … 5.
  int rows() const { return same + repeats + sum + span + shared; }
  bool readsPositions() const { return same || repeats; }
  // What 杀上期定位 and 上期重号个数 kill, by the mask of positions equal to the reference.
  int positionKills(unsigned agree) const;
  // What 和值差, 跨度差 and 上期号码出现个数 kill.
  int figureKills(const RelativeFigures& candidate, const RelativeFigures& reference) const;
};

// Throws RunError for a k text that does not fit.
RelativeRules ReadRelativeRules(const RelativeState& state);

// Appends the applied rows in order. reference holds one row used for every candidate, or
// one row per candidate. Throws RunError when a row is applied and there is no reference,
// and for a k text that does not fit (as the range boxes do).
void FilterRelative(const RelativeState& state, const DigitTable& reference, FilterContext& ctx);

}  // namespace torvane
