#include "support/random_conditions.h"

#include <cstdio>

namespace torvane::testing {
namespace {

class Dice {
 public:
  explicit Dice(std::mt19937& rng) : rng_(rng) {}
  int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); }  // 0..n
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <size_t N>
  void tick(std::array<bool, N>& boxes, double p) {
    for (bool& b : boxes) b = chance(p);
  }
  std::string digits(int count) {  // `count` random digit characters
    std::string s;
    for (int i = 0; i < count; ++i) s.push_back(static_cast<char>('0' + upTo(9)));
    return s;
  }
  std::string digitSet(double p) {  // distinct ascending digits
    std::string s;
    for (char d = '0'; d <= '9'; ++d)
      if (chance(p)) s.push_back(d);
    return s;
  }
  std::string separator() { return chance(0.5) ? " " : "\r\n"; }

 private:
  std::mt19937& rng_;
};

std::string Key(int key) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%05d", key);
  return buf;
}

// A range text pair as the combo boxes hold it.
void Range(Dice& dice, std::string& min, std::string& max, int top) {
  min = std::to_string(dice.upTo(top / 2));
  max = std::to_string(dice.upTo(top));
}

}  // namespace

Conditions RandomConditions(std::mt19937& rng, std::span<const int> likely) {
  Dice dice(rng);
  Conditions c;
  const double panel = 0.35;

  // A tolerance of 0-0 keeps little once a few panels are set; allow a few kills mostly.
  c.tolerance.min = std::to_string(dice.upTo(2));
  c.tolerance.max = std::to_string(dice.upTo(5));
  if (dice.chance(0.05)) c.tolerance.max = "2.5";  // halves round to the even neighbour
  if (dice.chance(0.02)) c.tolerance.min = "x";    // refused by the run

  if (dice.chance(panel)) {
    const int n = 1 + dice.upTo(6);
    for (int i = 0; i < n; ++i) {
      if (i) c.directKill.text += dice.separator();
      const bool fromLikely = !likely.empty() && dice.chance(0.7);
      c.directKill.text += Key(fromLikely ? likely[dice.upTo(static_cast<int>(likely.size()) - 1)]
                                          : dice.upTo(99999));
    }
  }
  if (dice.chance(panel)) {
    for (auto& row : c.positional.marked)
      if (dice.chance(0.5)) dice.tick(row, 0.3);
    Range(dice, c.positional.rangeMin, c.positional.rangeMax, 5);
  }
  if (dice.chance(panel)) {
    if (dice.chance(0.5)) dice.tick(c.sumSpan.tails, 0.3);
    if (dice.chance(0.5)) {
      const int n = 1 + dice.upTo(4);
      for (int i = 0; i < n; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02d", dice.upTo(45));
        c.sumSpan.sums += (i ? " " : "") + std::string(buf);
      }
    }
    if (dice.chance(0.5)) dice.tick(c.sumSpan.spans, 0.2);
    if (dice.chance(0.3)) dice.tick(c.sumSpan.digits, 0.1);
  }
  if (dice.chance(panel)) {
    const int rows = 1 + dice.upTo(2);
    for (int r = 0; r < rows; ++r) {
      dice.tick(c.banker.digits[r], 0.3);
      dice.tick(c.banker.counts[r], 0.4);
    }
    c.banker.repeat = dice.chance(0.3);
    Range(dice, c.banker.rangeMin, c.banker.rangeMax, 3);
  }
  if (dice.chance(panel)) {
    dice.tick(c.shapes.bigSmall, 0.15);
    dice.tick(c.shapes.oddEven, 0.15);
    dice.tick(c.shapes.primeComposite, 0.15);
    Range(dice, c.shapes.rangeMin, c.shapes.rangeMax, 3);
  }
  if (dice.chance(panel)) dice.tick(c.routes.ticked, 0.05);
  if (dice.chance(panel)) dice.tick(c.special.ticked, 0.2);
  if (dice.chance(panel)) dice.tick(c.ratios.selected, 0.5);
  if (dice.chance(panel)) {
    c.minMax.smallest = dice.chance(0.7) ? dice.digitSet(0.5) : "";
    c.minMax.largest = dice.chance(0.7) ? dice.digitSet(0.5) : "";
  }
  if (dice.chance(panel)) {
    const int n = 1 + dice.upTo(2);
    for (int i = 0; i < n; ++i) {
      if (i) c.compound.text += dice.separator();
      for (int p = 0; p < 5; ++p) c.compound.text += (p ? "*" : "") + dice.digitSet(0.5);
    }
  }
  if (dice.chance(panel)) {
    for (int box = 0; box < 6; ++box) {
      if (!dice.chance(0.3)) continue;
      const int k = 2 + box % 3;
      const int n = 1 + dice.upTo(2);
      for (int i = 0; i < n; ++i)
        c.combinations.texts[box] += (i ? " " : "") + dice.digits(k + dice.upTo(5 - k));
    }
  }
  if (dice.chance(panel)) {
    const int n = 1 + dice.upTo(2);
    for (int i = 0; i < n; ++i) {
      std::string pattern = !likely.empty() && dice.chance(0.5)
                                ? Key(likely[dice.upTo(static_cast<int>(likely.size()) - 1)])
                                : dice.digits(5);
      for (char& ch : pattern)
        if (dice.chance(0.6)) ch = '*';
      pattern[dice.upTo(4)] = static_cast<char>('0' + dice.upTo(9));  // one digit at least
      c.patterns.text += (i ? dice.separator() : "") + pattern;
    }
  }
  return c;
}

std::string DescribeConditions(const Conditions& c) {
  const Conditions none;
  std::string s;
  auto add = [&](bool set, const char* name) {
    if (set) s += std::string(s.empty() ? "" : " ") + name;
  };
  add(c.directKill != none.directKill, "direct");
  add(c.positional != none.positional, "positional");
  add(c.sumSpan != none.sumSpan, "sumSpan");
  add(c.banker != none.banker, "banker");
  add(c.shapes != none.shapes, "shapes");
  add(c.routes != none.routes, "routes");
  add(c.special != none.special, "special");
  add(c.ratios != none.ratios, "ratios");
  add(c.minMax != none.minMax, "minMax");
  add(c.compound != none.compound, "compound");
  add(c.combinations != none.combinations, "combinations");
  add(c.patterns != none.patterns, "patterns");
  return s + (s.empty() ? "" : " ") + "tolerance=" + c.tolerance.min + "-" + c.tolerance.max;
}

RelativeState RandomRelative(std::mt19937& rng) {
  auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
  RelativeState s;
  s.killSame = s.repeats = s.shared = true;  // rows without a ticked box stay unapplied
  for (bool& b : s.samePositions) b = chance(0.2);
  for (bool& b : s.repeatCounts) b = chance(0.6);
  for (bool& b : s.sharedCounts) b = chance(0.6);
  s.sumDiff = {true, std::to_string(rng() % 12), chance(0.3)};
  s.spanDiff = {chance(0.6), std::to_string(rng() % 5), chance(0.3)};
  return s;
}

}  // namespace torvane::testing
