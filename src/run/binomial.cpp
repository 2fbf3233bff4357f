#include "run/binomial.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace torvane {

// The pmf is walked outward from the mode in long double, whose range holds every term down to
// 1e-4900; beyond 12 standard deviations on the far side of k no term adds anything a double
// can hold next to the rest, so the walk costs a few standard deviations, not n. The relative
// slack keeps outcomes as likely as k from being lost to rounding.
double TwoSidedBinomialP(int k, int n, double s) {
  s = std::clamp(s, 0.0, 1.0);
  if (s <= 0) return k == 0 ? 1 : 0;
  if (s >= 1) return k == n ? 1 : 0;
  k = std::clamp(k, 0, n);
  const long double ls = std::log(static_cast<long double>(s));
  const long double lf = std::log1p(-static_cast<long double>(s));
  const long double odds = static_cast<long double>(s) / (1 - static_cast<long double>(s));
  const int mode = std::min(n, static_cast<int>(std::floor((n + 1) * s)));
  const long double logMode = std::lgamma(static_cast<long double>(n) + 1) -
                              std::lgamma(static_cast<long double>(mode) + 1) -
                              std::lgamma(static_cast<long double>(n - mode) + 1) + mode * ls +
                              (n - mode) * lf;
  const int reach = static_cast<int>(std::ceil(12 * std::sqrt(n * s * (1 - s)))) + 10;
  const int lo = std::max(0, std::min(k, mode - reach));
  const int hi = std::min(n, std::max(k, mode + reach));

  std::vector<long double> pmf(hi - lo + 1);
  pmf[mode - lo] = std::exp(logMode);
  for (int j = mode; j < hi; ++j)
    pmf[j + 1 - lo] = pmf[j - lo] * (static_cast<long double>(n - j) / (j + 1)) * odds;
  for (int j = mode; j > lo; --j)
    pmf[j - 1 - lo] = pmf[j - lo] * (static_cast<long double>(j) / (n - j + 1)) / odds;
  const long double limit = pmf[k - lo] * (1 + 1e-7L);
  long double p = 0;
  for (long double term : pmf)
    if (term <= limit) p += term;
  return static_cast<double>(std::min<long double>(p, 1));
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
