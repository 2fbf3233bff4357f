#pragma once
// What a back-test would have cost and paid: the whole result bought at every tested draw,
// and what random play of as many numbers gives on the same draws.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace torvane {

inline constexpr std::int64_t kDefaultPrice = 2;       // yuan a bet
inline constexpr std::int64_t kDefaultPrize = 100000;  // yuan for a straight hit

// Price, prize and multiple are positive whole yuan (the CLI refuses anything else; a box
// should too).
struct MoneyRules {
  std::int64_t price = kDefaultPrice;
  // Yuan for a straight hit at every draw; none: each draw's stored prize, else kDefaultPrize.
  std::optional<std::int64_t> prize;
  std::int64_t multiple = 1;
};

// The prize a straight hit pays at a draw (before the multiple).
std::int64_t PrizeOf(const MoneyRules& rules, const std::optional<std::int64_t>& storedPrize);

// One tested draw, in whole yuan.
struct DrawMoney {
  int results = 0;           // numbers bought: the run's result count with this draw's reference
  std::int64_t payout = 0;   // what a hit pays at this draw: prize × multiple
  std::int64_t cost = 0;     // results × price × multiple
  std::int64_t won = 0;      // payout when the draw is kept, else 0
  std::int64_t balance = 0;  // won − cost summed over the draws up to this one, oldest first
};

// Per draw, oldest first: results[i] numbers bought, kept[i] whether the draw's number is
// among them, prizes[i] the prize of a straight hit there (all three the same length).
std::vector<DrawMoney> MoneyOfDraws(std::span<const int> results, std::span<const bool> kept,
                                    std::span<const std::int64_t> prizes, std::int64_t price,
                                    std::int64_t multiple);

// Where the balance of random play lands: buying at each draw as many numbers as the run
// gives, picked at random. 95 times in 100 it ends between low and high; expected is its mean.
struct RandomBand {
  double expected = 0;
  double low = 0, high = 0;
  // Exact binomial quantiles of the number of hits (every draw the same count and payout);
  // otherwise a normal approximation of the winnings, each draw with its own chance and payout.
  bool exact = true;
};

// The band after the given draws (their balance counted from 0).
RandomBand BandOf(std::span<const DrawMoney> draws);

struct MoneySummary {
  int draws = 0;
  std::int64_t cost = 0;             // 投入
  int wins = 0;                      // 中奖次数
  std::int64_t won = 0;              // 中奖金额
  std::int64_t net = 0;              // 净输赢: won − cost
  std::optional<double> returnRate;  // 返还率: won ÷ cost; none when nothing was bought
  // What random play returns for every 100 yuan, on average: prize ÷ (price × 1000), the
  // draws weighted by what was bought at them when prizes differ.
  double fairReturnPer100 = 0;
  RandomBand band;
};

// The summary of some of the draws (their balance counted from 0); rules give the price and
// multiple the draws were bought with.
MoneySummary SummarizeMoney(std::span<const DrawMoney> draws, const MoneyRules& rules);

// One point of the 累计盈亏 chart per draw: the balance, random play's expected balance and
// its 95% band, each over the draws up to and including that one.
struct MoneyPoint {
  int draw = 0;  // index into the draws
  std::int64_t balance = 0;
  double expected = 0;
  double low = 0, high = 0;
};
// Every draw, or with maxPoints > 0 at most that many evenly spread, the last draw always
// among them (a chart needs no more points than it has pixels).
std::vector<MoneyPoint> MoneyCurve(std::span<const DrawMoney> draws, int maxPoints = 0);

}  // namespace torvane
