// The hit-rate interval and p-value against figures computed independently: exact fractions
// (Python's Fraction) for n up to 925, 60-digit mpmath sums of every binomial term for 10000.
// 682 of 925 against 3/4 is also R's binom.test example (published p = 0.3825).
#include <gtest/gtest.h>

#include "run/backtest_decision.h"

namespace torvane {
namespace {

TEST(HitRateConfidence, KnownFigures) {
  const struct {
    const char* name;
    int kept, tested;
    double share, low, high, p;
  } cases[] = {
      {"NoneKept", 0, 10, 0.1, 0, 0.2775328030, 0.612579511},
      {"AllKeptSymmetric", 10, 10, 0.5, 0.7224671970, 1, 0.001953125},
      {"ThreeOfTenSymmetric", 3, 10, 0.5, 0.1077912666, 0.6032218547, 0.34375},
      {"R682Of925", 682, 925, 0.75, 0.7079959874, 0.7646358012, 0.3824915596},
      {"TenThousand", 3600, 10000, 0.34931, 0.3506475854, 0.3694599341, 0.0254874276},
      {"TenThousandTinyShare", 3, 10000, 0.00057, 0.0001020321986, 0.0008817357791, 0.3957719092},
      {"NoDraws", 0, 0, 0.3, 0, 1, 1},
      {"ShareZeroYetKept", 1, 10, 0, 0.0178762129, 0.4041500295, 0},
      {"ShareOneAllKept", 10, 10, 1, 0.7224671970, 1, 1},
      {"ShareOneOneMissed", 9, 10, 1, 0.5958499705, 0.9821237871, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const torvane::HitRateConfidence got = ConfidenceOf(c.kept, c.tested, c.share);
    EXPECT_NEAR(got.low, c.low, 1e-9);
    EXPECT_NEAR(got.high, c.high, 1e-9);
    EXPECT_NEAR(got.pValue, c.p, 1e-9);
  }
}

}  // namespace
}  // namespace torvane
