#include "history/draw_file.h"

#include <unordered_map>

#include "core/number_file.h"
#include "core/text_util.h"
#include "history/draw_fields.h"
#include "history/draw_line.h"
#include "history/trailing_columns.h"

namespace torvane::history {
namespace {

std::string Quoted(std::string_view line) {
  return "“" + QuoteLine(line) + "”";
}

struct Seen {
  int line;      // where the period first appeared
  size_t index;  // its draw in the result
};

// A repeated draw adds what the first line lacked; the name of a figure both give
// differently, else nullptr.
const char* MergeFigures(Draw& kept, const Draw& again) {
  struct Figure {
    std::optional<std::int64_t> Draw::*member;
    const char* name;
  };
  static constexpr Figure kFigures[] = {
      {&Draw::sales, "销售额"}, {&Draw::winners, "中奖注数"}, {&Draw::prize, "单注奖金"}};
  for (const Figure& f : kFigures) {
    const auto& theirs = again.*f.member;
    auto& ours = kept.*f.member;
    if (ours && theirs && *ours != *theirs) return f.name;
  }
  for (const Figure& f : kFigures)
    if (!(kept.*f.member)) kept.*f.member = again.*f.member;
  if (kept.date.empty()) kept.date = again.date;
  return nullptr;
}

}  // namespace

DrawFileResult ParseDrawText(std::string_view text) {
  DrawFileResult r;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const Separator separator = FileSeparator(text);

  std::optional<ColumnTitles> titles;
  std::unordered_map<std::string, Seen> seen;
  bool failed = false;
  auto refuse = [&](std::string error) {
    r.error = std::move(error);
    failed = true;
    return false;
  };
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    DrawLine parsed = ParseDrawLine(line, separator);
    if (parsed.kind == LineKind::Blank) return true;
    auto where = [lineNo] { return "第 " + std::to_string(lineNo) + " 行"; };
    if (parsed.kind == LineKind::NotADraw) {
      if (r.draws.empty() && LooksLikeHeader(line)) {
        ++r.skippedHeaders;
        // The last line that titles the columns names the figures.
        if (auto t = ReadColumnTitles(SplitLine(line, separator).fields)) titles = std::move(t);
        return true;
      }
      return refuse(where() + "不是开奖记录（" + parsed.reason + "）：" + Quoted(line));
    }
    Draw& d = parsed.draw;
    ReadFigures(parsed.trailing, titles ? &*titles : nullptr, d);
    auto [it, fresh] = seen.try_emplace(d.period, Seen{lineNo, r.draws.size()});
    if (fresh) {
      r.draws.push_back(std::move(d));
      return true;
    }
    Draw& kept = r.draws[it->second.index];
    const std::string both =
        "第 " + std::to_string(it->second.line) + " 行与" + where() + "是同一期 " + d.period;
    if (kept.digits != d.digits)
      return refuse(both + "，号码却不同（" + kept.NumberText() + " 与 " + d.NumberText() + "）");
    if (const char* figure = MergeFigures(kept, d)) return refuse(both + "，" + figure + "却不同");
    ++r.duplicates;
    return true;
  });
  if (failed) {
    r.draws.clear();
    return r;
  }
  if (r.draws.empty()) {
    r.error = "文件中没有开奖记录（每行应为：期号 [日期] 五位号码）";
    return r;
  }
  SortHistory(r.draws);
  r.ok = true;
  return r;
}

DrawFileResult ReadDrawFile(const std::string& path) {
  FileReadResult file = ReadNumberFile(path);
  if (!file.ok) {
    DrawFileResult r;
    r.error = "无法读取开奖文件 " + path + "：" + file.reason;
    return r;
  }
  DrawFileResult r = ParseDrawText(file.text);
  if (!r.ok) r.error = "开奖文件 " + path + " 有误：" + r.error;
  return r;
}

std::string DrawsCsv(std::span<const Draw> draws) {
  std::string csv = "period,date,number,sales,winners,prize\n";
  csv.reserve(csv.size() + draws.size() * 48);
  auto figure = [&](const std::optional<std::int64_t>& v) {
    csv += ',';
    if (v) csv += std::to_string(*v);
  };
  for (const Draw& d : draws) {
    csv += CsvField(d.period) + "," + CsvField(d.date) + "," + d.NumberText();
    figure(d.sales);
    figure(d.winners);
    figure(d.prize);
    csv += '\n';
  }
  return csv;
}

}  // namespace torvane::history
