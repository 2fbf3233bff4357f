// A compound or pattern box holding the same entry many times shrinks exactly as the entry
// once does, while the box text (what the window shows) keeps every copy.
#include <gtest/gtest.h>

#include "conditions/digit/condition_tokens.h"
#include "run/filter_run.h"
#include "scheme/scheme_file.h"

namespace torvane {
namespace {

std::string Repeated(const std::string& entry, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += (i ? "\\n" : "") + entry;
  return s;
}

struct RepeatCase {
  const char* name;
  const char* key;       // "compound" or "patterns"
  std::string repeated;  // JSON string content
  std::string once;      // the same numbers written once
  size_t entries;        // entries the loaded box still holds
};
void PrintTo(const RepeatCase& c, std::ostream* os) {
  *os << c.name;
}

class SchemeRepeatedEntries : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(SchemeRepeatedEntries, ShrinkAsTheEntryOnce) {
  const RepeatCase& p = GetParam();
  const auto load = [&](const std::string& text) {
    return ParseScheme(std::string("{\"") + p.key + "\": \"" + text + "\"}", "plan.json");
  };
  const Conditions repeated = load(p.repeated);
  const Conditions once = load(p.once);
  const std::string& box =
      p.key == std::string("compound") ? repeated.compound.text : repeated.patterns.text;
  EXPECT_EQ(ConditionEntries(box).size(), p.entries);

  const RunResult a = RunFilters({}, repeated);
  const RunResult b = RunFilters({}, once);
  ASSERT_EQ(a.stats.size(), 1u);
  ASSERT_EQ(b.stats.size(), 1u);
  EXPECT_EQ(a.stats[0].name, b.stats[0].name);
  EXPECT_EQ(a.stats[0].killed, b.stats[0].killed);
  EXPECT_TRUE(a.results == b.results);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SchemeRepeatedEntries,
    ::testing::Values(RepeatCase{"PatternThousandTimes", "patterns", Repeated("1****", 1000),
                                 "1****", 1000},
                      RepeatCase{"CompoundThousandTimes", "compound",
                                 Repeated("17*235*12*789*01", 1000), "17*235*12*789*01", 1000},
                      // Different texts allowing the same digits are one compound.
                      RepeatCase{"CompoundSameDigitsWrittenApart", "compound",
                                 "12*3*4*5*6 21*3*4*5*6 112*3*44*5*6", "12*3*4*5*6", 3},
                      // Repeats among different entries: each different entry still kills.
                      RepeatCase{"RepeatsAmongDifferentPatterns", "patterns",
                                 "1**** *2*** 1**** ***89 *2*** 1****", "1**** *2*** ***89", 6}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
