#pragma once
// The binomial figures the back-test reports: exact p-values and quantiles, and Holm's
// adjustment when many p-values are read at once.

#include <span>
#include <vector>

namespace torvane {

// Two-sided exact p of k successes in n tries of chance s: the total probability of every
// outcome no more likely than k. s outside 0-1 is clamped.
double TwoSidedBinomialP(int k, int n, double s);

// The smallest k with P(X <= k) >= q for X ~ Binomial(n, s); 0 <= q <= 1.
int BinomialQuantile(int n, double s, double q);

// Holm's step-down adjustment, in the order given: the i-th smallest p times (m − i + 1),
// never below the adjusted p before it, at most 1.
std::vector<double> HolmAdjust(std::span<const double> pValues);

}  // namespace torvane
