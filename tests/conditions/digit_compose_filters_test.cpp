// 杀/必出 combinations, 杀垃圾复式 and 组合定位杀 through the whole run.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "support/filter_case.h"

namespace torvane {
namespace {

using support::FilterCase;
using support::Kept;
using support::KeysOf;
using support::TableOf;

void Kill(Conditions& c, int k, const char* text) {
  c.combinations.texts[CombinationBox(k, true)] = text;
}
void Must(Conditions& c, int k, const char* text) {
  c.combinations.texts[CombinationBox(k, false)] = text;
}

// --- combinations ----------------------------------------------------------------------

class Combination : public ::testing::TestWithParam<FilterCase> {};
TEST_P(Combination, KillsAsListed) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, Combination,
    ::testing::Values(
    FilterCase{"KillTwoAnyOrderAnyPlace", [](Conditions& c) { Kill(c, 2, "89"); },
               {}, 14670, {89991, 29318, 49918, 98000}, {88888, 99999, 12345}},
    FilterCase{"KillThreeRepeatedDigit", [](Conditions& c) { Kill(c, 3, "999"); },
               {}, 856, {99901, 29399, 49998}, {99000, 9980}},
    FilterCase{"KillTwoDoubleZero", [](Conditions& c) { Kill(c, 2, "00"); },
               {}, 8146, {123, 10203}, {1234, 10000 + 1234}},
    FilterCase{"KillFourSubCombinations", [](Conditions& c) { Kill(c, 4, "12345"); },
               {}, 4320, {84123, 52341, 12350}, {12366, 67890}},
    FilterCase{"KillFourNeedsBothRepeats", [](Conditions& c) { Kill(c, 4, "1123"); },
               {}, 500, {11239, 31912}, {12349, 11229}},
    FilterCase{"KillFourNineDistinctDigits", [](Conditions& c) { Kill(c, 4, "123456789"); },
               {}, 60480, {11234, 98765}, {11223, 12300, 0}},
    FilterCase{"RepeatedTokensOnSeveralLines",
               [](Conditions& c) { Kill(c, 2, "89 \r\n98\r\n\r\n89"); },
               {}, 14670, {89, 9008}, {12345}},
    FilterCase{"MustTwoEitherToken", [](Conditions& c) { Must(c, 2, "89 55"); },
               {}, 77684, {51234, 80000}, {89000, 55123, 98555}},
    FilterCase{"MustFourAnyFourOfSix", [](Conditions& c) { Must(c, 4, "240613"); },
               {}, 88480, {24000, 12578}, {24061, 36210, 12345}},
    FilterCase{"KillFourHintCountsAsEmpty", [](Conditions& c) { Kill(c, 4, kKillFourHint); },
               {}, -1, {}, {}},
    FilterCase{"MustFourHintCountsAsEmpty", [](Conditions& c) { Must(c, 4, kMustFourHint); },
               {}, -1, {}, {}},
    FilterCase{"BlanksAndLineBreaksOnly", [](Conditions& c) { Must(c, 3, "  \r\n "); },
               {}, -1, {}, {}},
    // Only a shorter token: nothing listed, so the must-appear box keeps nothing.
    FilterCase{"MustWithNothingListedKillsAll", [](Conditions& c) { Must(c, 3, "12"); },
               {12345, 11111}, 2, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Numbers such as 00089 match both tokens and are still killed once.
TEST(Combination, SeveralTokensKillTheUnion) {
  Conditions c;
  Kill(c, 2, "89\r\n00");
  const RunResult r = RunFilters({}, c);
  int expected = 0;
  for (int key = 0; key < kNumberSpace; ++key) {
    int counts[10] = {};
    for (int x = key, p = 0; p < kDigits; ++p, x /= 10) ++counts[x % 10];
    if ((counts[8] && counts[9]) || counts[0] >= 2) ++expected;
  }
  ASSERT_EQ(r.stats.size(), 1u);
  EXPECT_EQ(r.stats[0].killed, expected);
}

TEST(Combination, KillAndMustTwinsAreComplements) {
  for (int k = 2; k <= 4; ++k) {
    const char* text = k == 2 ? "89" : k == 3 ? "123 770" : "240613";
    Conditions c;
    Kill(c, k, text);
    Must(c, k, text);
    const RunResult none = RunFilters({}, c);
    EXPECT_EQ(none.results.count(), 0) << k;
    ASSERT_EQ(none.stats.size(), 2u);
    EXPECT_EQ(none.stats[0].killed + none.stats[1].killed, kNumberSpace) << k;
    c.tolerance = {"1", "1"};
    EXPECT_EQ(RunFilters({}, c).results.count(), kNumberSpace) << k;
  }
}

TEST(Combination, KillRowsAreNamedAndInPipelineOrder) {
  Conditions c;
  for (int k = 4; k >= 2; --k) {
    Must(c, k, k == 4 ? "1234" : k == 3 ? "123" : "12");
    Kill(c, k, k == 4 ? "5678" : k == 3 ? "567" : "56");
  }
  const RunResult r = RunFilters({}, c);
  std::vector<std::string> names;
  for (const KillRowStat& s : r.stats) names.push_back(s.name);
  EXPECT_EQ(names, std::vector<std::string>({"杀两码组合", "杀三码组合", "杀四码组合",
                                             "必出两码组合", "必出三码组合", "必出四码组合"}));
}

TEST(Combination, NonDigitFailsTheRun) {
  for (const char* text : {"8a", "12 3*", "89\t55", "\xEF\xBC\x98\xEF\xBC\x99"}) {
    Conditions c;
    Kill(c, 2, text);
    EXPECT_THROW(RunFilters({}, c), RunError) << text;
  }
}

TEST(Combination, LongTokenFromUnnormalizedTextStaysFast) {
  // Every four-digit sub-combination of 400 digits: the digit counts decide, not the
  // C(400, 4) choices of characters.
  std::string token;
  for (int i = 0; i < 400; ++i) token.push_back(static_cast<char>('0' + i % 10));
  Conditions c;
  c.combinations.texts[CombinationBox(4, true)] = token;
  EXPECT_EQ(RunFilters({}, c).results.count(), 0);
}

// Reference: the table filled from every choice of k characters of every token, in every
// order, and every choice of k positions of the number looked up.
std::vector<int> ReferenceMatches(const std::vector<std::string>& tokens, int k) {
  auto index = [](const std::string& digits) {
    int idx = 0;
    for (char ch : digits) idx = idx * 10 + (ch - '0');
    return idx;
  };
  std::vector<char> table(10000, 0);
  for (const std::string& t : tokens) {
    const int L = static_cast<int>(t.size());
    if (L < k) continue;
    std::vector<bool> pick(L, false);
    std::fill(pick.begin(), pick.begin() + k, true);
    do {
      std::string chosen;
      for (int i = 0; i < L; ++i)
        if (pick[i]) chosen.push_back(t[i]);
      std::sort(chosen.begin(), chosen.end());
      do table[index(chosen)] = 1;
      while (std::next_permutation(chosen.begin(), chosen.end()));
    } while (std::prev_permutation(pick.begin(), pick.end()));
  }
  std::vector<std::vector<int>> choices;
  std::vector<bool> pick(kDigits, false);
  std::fill(pick.begin(), pick.begin() + k, true);
  do {
    std::vector<int> positions;
    for (int i = 0; i < kDigits; ++i)
      if (pick[i]) positions.push_back(i);
    choices.push_back(positions);
  } while (std::prev_permutation(pick.begin(), pick.end()));

  std::vector<int> matched;
  for (int key = 0; key < kNumberSpace; ++key) {
    char s[6];
    std::snprintf(s, sizeof s, "%05d", key);
    bool hit = false;
    for (const std::vector<int>& q : choices) {
      std::string chosen;
      for (int p : q) chosen.push_back(s[p]);
      hit = hit || table[index(chosen)];
    }
    if (hit) matched.push_back(key);
  }
  return matched;
}

TEST(Combination, MatchesTheCharacterChoiceReferenceOnRandomTokens) {
  std::mt19937 rng(20261208);
  for (int round = 0; round < 9; ++round) {
    const int k = 2 + round % 3;
    std::vector<std::string> tokens;
    std::string text;
    const int count = 1 + static_cast<int>(rng() % 3);
    for (int t = 0; t < count; ++t) {
      const int len = k == 4 ? 4 + static_cast<int>(rng() % 6) : k;
      std::string tok;
      for (int i = 0; i < len; ++i)
        tok.push_back(static_cast<char>('0' + rng() % std::min(10, 4 + round)));
      tokens.push_back(tok);
      text += tok + (t % 2 ? " \r\n" : " ");
    }
    Conditions c;
    c.combinations.texts[CombinationBox(k, true)] = text;
    const std::vector<int> killed = ReferenceMatches(tokens, k);
    std::vector<int> survivors(kNumberSpace);
    std::iota(survivors.begin(), survivors.end(), 0);
    std::vector<int> expected;
    std::set_difference(survivors.begin(), survivors.end(), killed.begin(), killed.end(),
                        std::back_inserter(expected));
    EXPECT_EQ(KeysOf(RunFilters({}, c).results), expected) << k << " " << text;
  }
}

// --- 杀垃圾复式 and 组合定位杀 -----------------------------------------------------------

class CompoundKill : public ::testing::TestWithParam<FilterCase> {};
TEST_P(CompoundKill, KillsEveryCompoundNumber) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, CompoundKill,
    ::testing::Values(
    FilterCase{"OneEntryKillsEveryCombination",
               [](Conditions& c) { c.compound.text = "17*235*12*789*01"; },
               {}, 72, {12170, 75291, 13180}, {12160, 12172, 42170}},
    FilterCase{"OverlappingEntriesFlagOnce",
               [](Conditions& c) { c.compound.text = "17*235*12*789*01\r\n1*2*1*7*0"; },
               {}, 72, {12170}, {}},
    FilterCase{"SeveralLines",
               [](Conditions& c) { c.compound.text = "17*235*12*789*01\r\n9*9*9*9*9\r\n"; },
               {}, 73, {99999, 12170}, {99998}},
    FilterCase{"CandidatesOfABaseSet",
               [](Conditions& c) { c.compound.text = "1*2*3*4*5\r\n5*4*3*2*1"; },
               {12345, 54321, 12346, 11111}, 2, {12345, 54321}, {12346, 11111}},
    FilterCase{"RepeatedDigitsInASet", [](Conditions& c) { c.compound.text = "11*2*3*4*5"; },
               {}, 1, {12345}, {}},
    FilterCase{"EmptySetAllowsNothing", [](Conditions& c) { c.compound.text = "1****"; },
               {}, 0, {}, {10000, 12345}},
    FilterCase{"HintCountsAsEmpty", [](Conditions& c) { c.compound.text = kCompoundHint; },
               {}, -1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class PatternKill : public ::testing::TestWithParam<FilterCase> {};
TEST_P(PatternKill, KillsEveryMatchingNumber) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, PatternKill,
    ::testing::Values(
    FilterCase{"LastDigitFive", [](Conditions& c) { c.patterns.text = "****5"; },
               {}, 10000, {5, 99995}, {4, 99996}},
    FilterCase{"FirstAndLast", [](Conditions& c) { c.patterns.text = "1***7"; },
               {}, 1000, {10007, 19997}, {10008, 20007}},
    FilterCase{"TwoEntriesOneRow", [](Conditions& c) { c.patterns.text = "12***\r\n***89"; },
               {}, 1990, {12000, 12999, 45689, 12389}, {13000, 11189 + 1}},
    FilterCase{"EveryFirstDigitKillsAll",
               [](Conditions& c) {
                 c.patterns.text = "0****\r\n1****\r\n2****\r\n3****\r\n4****\r\n"
                                   "5****\r\n6****\r\n7****\r\n8****\r\n9****";
               },
               {}, 100000, {0, 99999}, {}},
    FilterCase{"CandidatesOfABaseSet", [](Conditions& c) { c.patterns.text = "1*3*5"; },
               {12345, 10305, 12346, 54321}, 2, {12345, 10305}, {12346, 54321}},
    FilterCase{"HintCountsAsEmpty", [](Conditions& c) { c.patterns.text = kPatternHint; },
               {}, -1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct BadText {
  const char* name;
  const char* compound;
  const char* pattern;
};

class BadComposeText : public ::testing::TestWithParam<BadText> {};

TEST_P(BadComposeText, FailsTheRun) {
  Conditions c;
  c.compound.text = GetParam().compound;
  c.patterns.text = GetParam().pattern;
  EXPECT_THROW(RunFilters({}, c), RunError);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadComposeText,
                         ::testing::Values(BadText{"CompoundLetter", "1*2*3*4*a", ""},
                                           BadText{"CompoundThreeStars", "17*235*12*789", ""},
                                           BadText{"CompoundFiveStars", "1*2*3*4*5*6", ""},
                                           BadText{"CompoundTab", "1*2*3*4*5\t1*2*3*4*5", ""},
                                           BadText{"PatternShort", "", "1**7"},
                                           BadText{"PatternLong", "", "1***7***"},
                                           BadText{"PatternLetter", "", "1**7a"},
                                           BadText{"PatternWideDigit", "", "1***\xEF\xBC\x97"},
                                           BadText{"BadAfterGoodEntry", "", "12***\r\n1*x*2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeKills, SameNumbersFromCompoundAndPatternCountTwice) {
  Conditions c;
  c.compound.text = "1*2*3*4*5";
  c.patterns.text = "12345";
  const DigitTable base = TableOf({12345, 54321});
  const RunResult zero = RunFilters(base, c);
  ASSERT_EQ(zero.stats.size(), 2u);
  EXPECT_EQ(zero.stats[0].name, "杀垃圾复式");
  EXPECT_EQ(zero.stats[1].name, "组合定位杀");
  EXPECT_EQ(KeysOf(zero.results), std::vector<int>({54321}));
  c.tolerance = {"0", "1"};
  EXPECT_FALSE(Kept(RunFilters(base, c), 12345));
  c.tolerance = {"2", "2"};
  EXPECT_EQ(KeysOf(RunFilters(base, c).results), std::vector<int>({12345}));
}

TEST(ComposeKills, NormalizedTextIsWhatTheFilterReads) {
  // What the box keeps after leaving it is readable by the filter.
  Conditions c;
  c.compound.text = NormalizeCompoundText("17*235*12*789*01 bad 9*9*9*9*9");
  c.patterns.text = NormalizePatternText("12***, ***89; *****");
  const RunResult r = RunFilters({}, c);
  ASSERT_EQ(r.stats.size(), 2u);
  EXPECT_EQ(r.stats[0].killed, 73);
  EXPECT_EQ(r.stats[1].killed, 1990);
}

}  // namespace
}  // namespace torvane
