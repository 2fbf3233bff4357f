#include "history/history_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane::history {
namespace {

std::vector<Draw> Periods(const std::vector<std::pair<std::string, std::string>>& periodDates) {
  std::vector<Draw> h;
  for (const auto& [period, date] : periodDates) h.push_back(Draw{period, date, {1, 2, 3, 4, 5}});
  return h;
}

TEST(HistoryCheck, FindsHolesInEachYearsRun) {
  const std::vector<Draw> h = Periods({{"2010098", ""},
                                       {"2010099", ""},
                                       {"2010101", ""},
                                       {"2011003", ""},
                                       {"20111201-001", ""},
                                       {"1234", ""}});
  std::vector<std::string> expected;
  for (int n = 1; n <= 97; ++n) expected.push_back(std::to_string(2010000 + n));
  expected.push_back("2010100");
  for (const char* p : {"2011001", "2011002"}) expected.push_back(p);
  EXPECT_EQ(MissingPeriods(h), expected);
}

TEST(HistoryCheck, SaysWhatIsMissing) {
  const struct {
    std::vector<std::string> missing;
    size_t listed;
    const char* sentence;
  } cases[] = {
      {{}, 10, ""},
      {{"2010100", "2019007", "2026250"}, 10, "缺 3 期：2010100、2019007、2026250"},
      {{"2026001", "2026002", "2026003", "2026004", "2026009", "2026010"},
       10,
       "缺 6 期：2026001–2026004、2026009、2026010"},
      {{"2010100", "2019007", "2026250"}, 2, "缺 3 期：2010100、2019007 等"},
  };
  for (const auto& c : cases) EXPECT_EQ(MissingPeriodsSentence(c.missing, c.listed), c.sentence);
}

}  // namespace
}  // namespace torvane::history
