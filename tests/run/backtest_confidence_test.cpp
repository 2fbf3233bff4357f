// The hit-rate interval and p-value: known figures, and the p-value against a plain sum of the
// binomial probabilities.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "run/backtest_decision.h"

namespace torvane {
namespace {

struct KnownCase {
  const char* name;
  int kept, tested;
  double share;
  double low, high, p;
  double tolerance;
};
void PrintTo(const KnownCase& c, std::ostream* os) {
  *os << c.name;
}

class HitRateConfidenceKnown : public ::testing::TestWithParam<KnownCase> {};

TEST_P(HitRateConfidenceKnown, IntervalAndPValue) {
  const KnownCase& c = GetParam();
  const HitRateConfidence got = ConfidenceOf(c.kept, c.tested, c.share);
  EXPECT_NEAR(got.low, c.low, c.tolerance);
  EXPECT_NEAR(got.high, c.high, c.tolerance);
  EXPECT_NEAR(got.pValue, c.p, c.tolerance);
}

// Figures from exact fractions (Python's Fraction); 682 of 925 against 3/4 is R's binom.test
// example, published with four decimals.
INSTANTIATE_TEST_SUITE_P(
    Figures, HitRateConfidenceKnown,
    ::testing::Values(
        KnownCase{"NoneKept", 0, 10, 0.1, 0, 0.2775328030, 0.612579511, 1e-9},
        KnownCase{"AllKeptSymmetric", 10, 10, 0.5, 0.7224671970, 1, 0.001953125, 1e-9},
        KnownCase{"ThreeOfTen", 3, 10, 0.5, 0.1077912666, 0.6032218547, 0.34375, 1e-9},
        KnownCase{"MiddleOfSymmetric", 5, 10, 0.5, 0.2365930890, 0.7634069110, 1, 1e-9},
        KnownCase{"SevenOfTwenty", 7, 20, 0.5, 0.1811918231, 0.5671457249, 0.2631759644, 1e-9},
        KnownCase{"Published682Of925", 682, 925, 0.75, 0.7079959874, 0.7646358012, 0.3825, 1e-4},
        KnownCase{"BelowAThirdOf200", 40, 200, 0.3, 0.1504520089, 0.2608551871, 0.0019367256, 1e-9},
        KnownCase{"TinyShare", 2, 3000, 0.0057, 0.00018284308617, 0.0024276338610, 1.428104208e-05,
                  1e-11},
        KnownCase{"NoDraws", 0, 0, 0.3, 0, 1, 1, 0},
        KnownCase{"ShareZeroNothingKept", 0, 10, 0, 0, 0.2775328030, 1, 1e-9},
        KnownCase{"ShareZeroYetKept", 1, 10, 0, 0.0178762129, 0.4041500295, 0, 1e-9},
        KnownCase{"ShareOneAllKept", 10, 10, 1, 0.7224671970, 1, 1, 1e-9},
        KnownCase{"ShareOneOneMissed", 9, 10, 1, 0.5958499705, 0.9821237871, 0, 1e-9}),
    [](const auto& info) { return std::string(info.param.name); });

// Sum of C(n, j) s^j (1-s)^(n-j) over every j no more likely than k, each term on its own.
double PlainTwoSidedP(int k, int n, double s) {
  const auto pmf = [&](int j) {
    return std::exp(std::lgamma(n + 1.0L) - std::lgamma(j + 1.0L) - std::lgamma(n - j + 1.0L) +
                    j * std::log(static_cast<long double>(s)) +
                    (n - j) * std::log1p(-static_cast<long double>(s)));
  };
  const long double limit = pmf(k) * (1 + 1e-7L);
  long double p = 0;
  for (int j = 0; j <= n; ++j)
    if (const long double q = pmf(j); q <= limit) p += q;
  return static_cast<double>(std::min(p, 1.0L));
}

struct PlainCase {
  const char* name;
  int tested;
  double share;
  int kStep;  // every kStep-th k, and those around n * share
};
void PrintTo(const PlainCase& c, std::ostream* os) {
  *os << c.name;
}

class BinomialPValue : public ::testing::TestWithParam<PlainCase> {};

TEST_P(BinomialPValue, MatchesThePlainSum) {
  const PlainCase& c = GetParam();
  std::vector<int> ks;
  for (int k = 0; k <= c.tested; k += c.kStep) ks.push_back(k);
  const int mean = static_cast<int>(c.tested * c.share);
  for (int k = std::max(0, mean - 3); k <= std::min(c.tested, mean + 3); ++k) ks.push_back(k);
  ks.push_back(c.tested);
  for (int k : ks) {
    const double expected = PlainTwoSidedP(k, c.tested, c.share);
    EXPECT_NEAR(ConfidenceOf(k, c.tested, c.share).pValue, expected, 1e-9 * expected + 1e-300)
        << "k = " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Shares, BinomialPValue,
                         ::testing::Values(PlainCase{"Ten_Half", 10, 0.5, 1},
                                           PlainCase{"Sixty_Tiny", 60, 0.0057, 1},
                                           PlainCase{"TwoHundred_Third", 200, 1 / 3.0, 1},
                                           PlainCase{"Thousand_NearlyAll", 1000, 0.99731, 53},
                                           PlainCase{"TenThousand_Share035", 10000, 0.34931, 1009},
                                           PlainCase{"TenThousand_Tiny", 10000, 0.00057, 2003}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
