#include "run/binomial.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace torvane {

namespace {

// log P(X = j) for X ~ Binomial(n, s).
double LogPmf(int j, int n, double s) {
  return std::lgamma(n + 1.0) - std::lgamma(j + 1.0) - std::lgamma(n - j + 1.0) + j * std::log(s) +
         (n - j) * std::log1p(-s);
}

}  // namespace

// The pmf is walked outward from the mode, each term relative to the mode's, so nothing
// underflows near the outcomes that matter; on each side the walk stops once the terms no
// longer add to the sum at double precision, which is a few standard deviations past k or its
// mirror, not n terms. The relative slack keeps outcomes as likely as k from being lost to
// rounding.
double TwoSidedBinomialP(int k, int n, double s) {
  s = std::clamp(s, 0.0, 1.0);
  if (s <= 0) return k == 0 ? 1 : 0;
  if (s >= 1) return k == n ? 1 : 0;
  k = std::clamp(k, 0, n);
  const double odds = s / (1 - s);
  const int mode = std::min(n, static_cast<int>(std::floor((n + 1) * s)));
  const double logMode = LogPmf(mode, n, s);
  const double limit = std::exp(LogPmf(k, n, s) - logMode) * (1 + 1e-7);
  double sum = 1 <= limit ? 1 : 0;  // the mode itself
  // Upward, then downward from the mode.
  double t = 1;
  for (int j = mode; j < n; ++j) {
    t *= (n - j) / (j + 1.0) * odds;
    if (t > limit) continue;
    sum += t;
    if (t == 0 || t < 1e-17 * sum) break;
  }
  t = 1;
  for (int j = mode; j > 0; --j) {
    t *= j / (n - j + 1.0) / odds;
    if (t > limit) continue;
    sum += t;
    if (t == 0 || t < 1e-17 * sum) break;
  }
  return std::min(1.0, std::exp(logMode) * sum);
}

int BinomialQuantile(int n, double s, double q) {
  if (n <= 0 || s <= 0) return 0;
  if (s >= 1) return n;
  // Below mean − 12 sd the lower tail is far under any q asked for (< 1e-30): start there.
  const double mean = n * s, sd = std::sqrt(n * s * (1 - s));
  const int from = std::max(0, static_cast<int>(std::floor(mean - 12 * sd)) - 1);
  const long double ls = std::log(static_cast<long double>(s));
  const long double lf = std::log1p(-static_cast<long double>(s));
  long double logPmf = std::lgamma(static_cast<long double>(n) + 1) -
                       std::lgamma(static_cast<long double>(from) + 1) -
                       std::lgamma(static_cast<long double>(n - from) + 1) + from * ls +
                       (n - from) * lf;
  long double cdf = 0;
  for (int k = from; k < n; ++k) {
    cdf += std::exp(logPmf);
    if (cdf >= q - 1e-12L) return k;
    logPmf += std::log(static_cast<long double>(n - k) / (k + 1)) + ls - lf;
  }
  return n;
}

std::vector<double> HolmAdjust(std::span<const double> p) {
  const size_t m = p.size();
  std::vector<size_t> order(m);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return p[a] < p[b]; });
  std::vector<double> adjusted(m);
  double running = 0;
  for (size_t i = 0; i < m; ++i) {
    running = std::max(running, std::min(1.0, static_cast<double>(m - i) * p[order[i]]));
    adjusted[order[i]] = running;
  }
  return adjusted;
}

}  // namespace torvane
