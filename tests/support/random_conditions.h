#pragma once
// Random conditions over every panel, for property tests that compare two ways of deciding.

#include <random>
#include <span>
#include <string>

#include "conditions/conditions.h"

namespace torvane::testing {

// Each panel is set with some chance, with values its controls can hold: positional marks and
// range, banker rows, shapes and their range, routes, special, ratios, min/max, compound,
// combinations, patterns, direct kill, sum tails/sums/spans/any digit, and a tolerance (now
// and then one a run refuses). Direct kill and patterns draw part of their numbers from
// `likely` (keys 0..99999), so they hit the numbers a test is about.
Conditions RandomConditions(std::mt19937& rng, std::span<const int> likely = {});

// 按上期 rows, each applied with some chance, ticks and k values at random.
RelativeState RandomRelative(std::mt19937& rng);

// The panels set in c, for a failure message: "positional banker sums tolerance=0-2".
std::string DescribeConditions(const Conditions& c);

}  // namespace torvane::testing
