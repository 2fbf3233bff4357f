#include "run/money.h"

#include <algorithm>
#include <cmath>

#include "core/digit_table.h"
#include "run/binomial.h"

namespace torvane {
namespace {

constexpr double kZ95 = 1.959964;

// Running sums for the band of random play over the draws so far.
struct BandSums {
  int draws = 0;
  std::int64_t cost = 0;
  double mean = 0, variance = 0;  // of the winnings
  bool uniform = true;            // every draw the same count and payout
  int results = 0;
  std::int64_t payout = 0;

  void add(const DrawMoney& d) {
    if (draws == 0) {
      results = d.results;
      payout = d.payout;
    }
    uniform = uniform && d.results == results && d.payout == payout;
    ++draws;
    cost += d.cost;
    const double p = static_cast<double>(d.results) / kNumberSpace;
    const double v = static_cast<double>(d.payout);
    mean += p * v;
    variance += p * (1 - p) * v * v;
  }

  RandomBand band() const {
    RandomBand b;
    const double spent = static_cast<double>(cost);
    b.expected = mean - spent;
    b.low = b.high = b.expected;
    if (draws == 0) return b;
    b.exact = uniform;
    if (uniform) {
      const double p = static_cast<double>(results) / kNumberSpace;
      b.low = BinomialQuantile(draws, p, 0.025) * static_cast<double>(payout) - spent;
      b.high = BinomialQuantile(draws, p, 0.975) * static_cast<double>(payout) - spent;
      return b;
    }
    const double half = kZ95 * std::sqrt(variance);
    // Winnings are never below 0.
    b.low = std::max(-spent, b.expected - half);
    b.high = b.expected + half;
    return b;
  }
};

}  // namespace

std::int64_t PrizeOf(const MoneyRules& rules, const std::optional<std::int64_t>& storedPrize) {
  if (rules.prize) return *rules.prize;
  return storedPrize && *storedPrize > 0 ? *storedPrize : kDefaultPrize;
}

std::vector<DrawMoney> MoneyOfDraws(std::span<const int> results, std::span<const bool> kept,
                                    std::span<const std::int64_t> prizes, std::int64_t price,
                                    std::int64_t multiple) {
  std::vector<DrawMoney> out(results.size());
  std::int64_t balance = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    DrawMoney& d = out[i];
    d.results = results[i];
    d.payout = prizes[i] * multiple;
    d.cost = static_cast<std::int64_t>(d.results) * price * multiple;
    d.won = kept[i] ? d.payout : 0;
    balance += d.won - d.cost;
    d.balance = balance;
  }
  return out;
}

RandomBand BandOf(std::span<const DrawMoney> draws) {
  BandSums sums;
  for (const DrawMoney& d : draws) sums.add(d);
  return sums.band();
}

MoneySummary SummarizeMoney(std::span<const DrawMoney> draws, const MoneyRules& rules) {
  MoneySummary s;
  s.draws = static_cast<int>(draws.size());
  double bought = 0, prizeWeighted = 0, prizePlain = 0;
  for (const DrawMoney& d : draws) {
    s.cost += d.cost;
    s.won += d.won;
    s.wins += d.won > 0 ? 1 : 0;
    const double prize = static_cast<double>(d.payout) /
                         static_cast<double>(std::max<std::int64_t>(rules.multiple, 1));
    bought += d.results;
    prizeWeighted += d.results * prize;
    prizePlain += prize;
  }
  s.net = s.won - s.cost;
  if (s.cost > 0) s.returnRate = static_cast<double>(s.won) / static_cast<double>(s.cost);
  // The mean prize, weighted by what was bought (plain when nothing was).
  const double prize = bought > 0    ? prizeWeighted / bought
                       : s.draws > 0 ? prizePlain / s.draws
                       : rules.prize ? static_cast<double>(*rules.prize)
                                     : static_cast<double>(kDefaultPrize);
  s.fairReturnPer100 = prize / (static_cast<double>(std::max<std::int64_t>(rules.price, 1)) * 1000);
  s.band = BandOf(draws);
  return s;
}

std::vector<MoneyPoint> MoneyCurve(std::span<const DrawMoney> draws, int maxPoints) {
  const int n = static_cast<int>(draws.size());
  std::vector<MoneyPoint> out;
  if (n == 0) return out;
  const int points = maxPoints > 0 ? std::min(maxPoints, n) : n;
  // Evenly spread, the last one on the last draw; strictly rising as points <= n.
  const auto drawOf = [&](int j) {
    return points == 1 ? n - 1
                       : static_cast<int>(static_cast<long long>(j) * (n - 1) / (points - 1));
  };
  out.reserve(points);
  BandSums sums;
  std::int64_t balance = 0;
  for (int i = 0, next = drawOf(0); i < n; ++i) {
    sums.add(draws[i]);
    balance += draws[i].won - draws[i].cost;
    if (i != next) continue;
    const RandomBand b = sums.band();
    out.push_back({i, balance, b.expected, b.low, b.high});
    const int made = static_cast<int>(out.size());
    next = made < points ? drawOf(made) : n;
  }
  return out;
}

}  // namespace torvane
