// Text that never went through a box's normalization either works or fails the run with
// RunError; it never crashes or throws anything else.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "conditions/conditions.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::TableOf;

std::string RandomText(std::mt19937& rng) {
  static const std::string alphabet = "0123456789**  \r\n\t.a";
  std::string s;
  const int len = static_cast<int>(rng() % 40);
  for (int i = 0; i < len; ++i) s.push_back(alphabet[rng() % alphabet.size()]);
  if (rng() % 4 == 0) s += "\xE4\xB8\x80";  // a Chinese character
  return s;
}

TEST(DigitTextRobustness, RandomBoxTextsWorkOrFailWithRunError) {
  std::mt19937 rng(4242);
  const DigitTable base = TableOf({0, 12345, 55555, 98765, 99999});
  int failed = 0;
  for (int round = 0; round < 3000; ++round) {
    Conditions c;
    switch (round % 5) {
      case 0:
        c.directKill.text = RandomText(rng);
        break;
      case 1:
        c.compound.text = RandomText(rng);
        break;
      case 2:
        c.patterns.text = RandomText(rng);
        break;
      default:
        c.combinations.texts[rng() % 6] = RandomText(rng);
        break;
    }
    try {
      const RunResult r = RunFilters(base, c);
      EXPECT_LE(r.stats.size(), 1u);
    } catch (const RunError&) {
      ++failed;
    }
  }
  EXPECT_GT(failed, 0);  // the alphabet does produce unreadable texts
}

}  // namespace
}  // namespace torvane
