// torvane-cli stats: the attribute statistics of the draws of a file or of the store.
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/history_source.h"
#include "core/figure_text.h"
#include "core/text_util.h"
#include "history/attribute_stats.h"

namespace torvane::cli {
namespace {

using history::AttributeStats;
using history::StatsTable;
using history::ValueStats;

std::string StatsCsv(const StatsTable& t) {
  std::string s = "attribute,value,probability,hits,expected,current,longest,expectedGap\n";
  for (const AttributeStats& a : t.attributes) {
    const std::string name = history::AttributeName(a.attribute);
    for (size_t v = 0; v < a.values.size(); ++v) {
      const ValueStats& x = a.values[v];
      s += name + "," + history::ValueLabel(a.attribute, static_cast<int>(v)) + "," +
           FixedText(x.probability, 5) + "," + std::to_string(x.hits) + "," +
           FixedText(x.expected, 2) + "," + std::to_string(x.current) + "," +
           std::to_string(x.longest) + "," + FixedText(x.expectedGap, 2) + "\n";
    }
  }
  return s;
}

std::string StatsText(const StatsTable& t, const std::vector<history::Draw>& draws) {
  std::string s = "指标统计：全部 " + std::to_string(t.draws) + " 期（" + draws.front().period +
                  " 至 " + draws.back().period + "），出现次数按" +
                  (t.window == t.draws ? "全部" : "最近 " + std::to_string(t.window) + " 期") +
                  "，遗漏按全部历史\n";
  s += "开奖没有记忆：久未开出的值，下一期并不因此更容易开出。\n\n";
  std::vector<std::vector<std::string>> rows = {
      {"指标", "值", "理论概率", "出现次数", "期望次数", "当前遗漏", "最大遗漏", "平均遗漏(理论)"}};
  for (const AttributeStats& a : t.attributes)
    for (size_t v = 0; v < a.values.size(); ++v) {
      const ValueStats& x = a.values[v];
      rows.push_back({history::AttributeName(a.attribute),
                      history::ValueLabel(a.attribute, static_cast<int>(v)),
                      PercentText(x.probability, 3), std::to_string(x.hits),
                      FixedText(x.expected, 2), std::to_string(x.current),
                      std::to_string(x.longest), FixedText(x.expectedGap, 2)});
    }
  // A blank line between attributes; the columns stay aligned across them.
  std::istringstream table(AlignedTable(rows, {false, false, true, true, true, true, true, true}));
  std::string line;
  for (size_t row = 0, a = 0, groupEnd = 1; std::getline(table, line); ++row) {
    if (row == groupEnd) {
      if (row > 1) s += "\n";
      groupEnd += t.attributes[a++].values.size();
    }
    s += line + "\n";
  }
  return s;
}

}  // namespace

int RunStats(const CliCommand& command, std::ostream& out) {
  const StatsCommand& sc = command.stats;
  // Every draw: the window only counts hits, omission reaches back over the whole history.
  const std::vector<history::Draw> draws =
      sc.historyFile ? FileDraws(*sc.historyFile, std::nullopt) : StoreDraws(sc.db, std::nullopt);
  const StatsTable table = history::ComputeAttributeStats(draws, sc.last.value_or(0));
  Emit(sc.csv ? StatsCsv(table) : StatsText(table, draws), command.out, out);
  return kExitDone;
}

}  // namespace torvane::cli
