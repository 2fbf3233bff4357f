// Holm's adjustment and binomial quantiles against values worked by hand, and the fast
// two-sided p against the full sum it shortens.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "run/binomial.h"

namespace torvane {
namespace {

TEST(Holm, AdjustsInTheOrderGiven) {
  const struct {
    const char* name;
    std::vector<double> p, adjusted;
  } cases[] = {
      // Sorted 0.005, 0.01, 0.03, 0.04 times 4, 3, 2, 1: 0.02, 0.03, 0.06, 0.04 → 0.06.
      {"FourConditions", {0.01, 0.04, 0.03, 0.005}, {0.03, 0.06, 0.06, 0.02}},
      {"CappedAtOne", {0.5, 0.6}, {1.0, 1.0}},
      {"Ties", {0.02, 0.02, 0.9}, {0.06, 0.06, 0.9}},
      {"One", {0.04}, {0.04}},
      {"None", {}, {}},
  };
  for (const auto& c : cases) {
    const std::vector<double> got = HolmAdjust(c.p);
    ASSERT_EQ(got.size(), c.adjusted.size()) << c.name;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.adjusted[i], 1e-12) << c.name;
  }
}

TEST(BinomialQuantile, MatchesHandWorkedTails) {
  const struct {
    int n;
    double s, q;
    int k;
  } cases[] = {
      // Binomial(30, 0.01): P(0) = 0.7397, P(<=1) = 0.9639, P(<=2) = 0.9967.
      {30, 0.01, 0.025, 0},
      {30, 0.01, 0.975, 2},
      // Binomial(100, 0.5): P(<=39) = 0.0176, P(<=40) = 0.0284, P(<=59) = 0.9716, P(<=60) = 0.9824.
      {100, 0.5, 0.025, 40},
      {100, 0.5, 0.975, 60},
      {10, 0.0, 0.975, 0},
      {10, 1.0, 0.025, 10},
      {0, 0.5, 0.975, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BinomialQuantile(c.n, c.s, c.q), c.k) << c.n << " " << c.s << " " << c.q;
}

// Every outcome no more likely than k, summed over all n + 1 of them.
double FullSum(int k, int n, double s) {
  std::vector<long double> pmf(n + 1);
  for (int j = 0; j <= n; ++j)
    pmf[j] = std::exp(std::lgamma(n + 1.0L) - std::lgamma(j + 1.0L) - std::lgamma(n - j + 1.0L) +
                      j * std::log(static_cast<long double>(s)) +
                      (n - j) * std::log1p(-static_cast<long double>(s)));
  long double p = 0;
  for (long double x : pmf)
    if (x <= pmf[k] * (1 + 1e-7L)) p += x;
  return static_cast<double>(std::min<long double>(p, 1));
}

TEST(TwoSidedBinomialP, AgreesWithTheFullSum) {
  std::mt19937 rng(23);
  for (int i = 0; i < 400; ++i) {
    const int n = 1 + static_cast<int>(rng() % 3000);
    const double s = std::uniform_real_distribution<double>(0.0005, 0.9995)(rng);
    // Near the mean mostly, now and then far out in a tail.
    const double sd = std::sqrt(n * s * (1 - s));
    int k = static_cast<int>(n * s + std::normal_distribution<double>(0, 3)(rng) * sd);
    if (i % 10 == 0) k = static_cast<int>(rng() % (n + 1));
    k = std::clamp(k, 0, n);
    const double full = FullSum(k, n, s);
    EXPECT_NEAR(TwoSidedBinomialP(k, n, s), full, 1e-9 + 1e-9 * full) << k << " " << n << " " << s;
  }
}

}  // namespace
}  // namespace torvane
