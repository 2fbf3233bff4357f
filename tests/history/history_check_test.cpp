#include "history/history_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane::history {
namespace {

TEST(HistoryCheck, FindsHolesInEachYearsRun) {
  std::vector<Draw> h;
  for (const char* p : {"2010098", "2010099", "2010101", "2011003", "20111201-001", "1234"})
    h.push_back(Draw{p, "", {1, 2, 3, 4, 5}});
  std::vector<std::string> expected;
  for (int n = 1; n <= 97; ++n) expected.push_back(std::to_string(2010000 + n));
  for (const char* p : {"2010100", "2011001", "2011002"}) expected.push_back(p);
  EXPECT_EQ(MissingPeriods(h), expected);
}

TEST(HistoryCheck, SaysWhatIsMissing) {
  const std::vector<std::string> three = {"2010100", "2019007", "2026250"};
  const struct {
    std::vector<std::string> missing;
    size_t listed;
    const char* sentence;
  } cases[] = {
      {{}, 10, ""},
      {three, 10, "缺 3 期：2010100、2019007、2026250"},
      {{"2026001", "2026002", "2026003", "2026004", "2026009", "2026010"},
       10,
       "缺 6 期：2026001–2026004、2026009、2026010"},
      {three, 2, "缺 3 期：2010100、2019007 等"},
  };
  for (const auto& c : cases) EXPECT_EQ(MissingPeriodsSentence(c.missing, c.listed), c.sentence);
}

}  // namespace
}  // namespace torvane::history
