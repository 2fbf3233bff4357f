#include "history/draw_file.h"

#include <algorithm>
#include <unordered_map>

#include "core/number_file.h"
#include "core/text_util.h"
#include "history/draw_line.h"

namespace torvane::history {
namespace {

// Calls f(lineNumber, line) for every line until f returns false; LF, CR LF and a lone CR
// all end a line.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  int number = 0;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = std::min(text.find_first_of("\r\n", i), text.size());
    if (!f(++number, text.substr(i, end - i))) return;
    i = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

std::string Quoted(std::string_view line) {
  return "“" + QuoteLine(line) + "”";
}

struct Seen {
  int line;      // where the period first appeared
  size_t index;  // its draw in the result
};

}  // namespace

DrawFileResult ParseDrawText(std::string_view text) {
  DrawFileResult r;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

  std::unordered_map<std::string, Seen> seen;
  bool failed = false;
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    DrawLine parsed = ParseDrawLine(line);
    if (parsed.kind == LineKind::Blank) return true;
    if (parsed.kind == LineKind::NotADraw) {
      if (r.draws.empty() && LooksLikeHeader(line)) {
        ++r.skippedHeaders;
        return true;
      }
      r.error = "第 " + std::to_string(lineNo) + " 行不是开奖记录（" + parsed.reason + "）：" +
                Quoted(line);
      failed = true;
      return false;
    }
    Draw& d = parsed.draw;
    auto [it, fresh] = seen.try_emplace(d.period, Seen{lineNo, r.draws.size()});
    if (fresh) {
      r.draws.push_back(std::move(d));
      return true;
    }
    Draw& kept = r.draws[it->second.index];
    if (kept.digits != d.digits) {
      r.error = "第 " + std::to_string(it->second.line) + " 行与第 " + std::to_string(lineNo) +
                " 行是同一期 " + d.period + "，号码却不同（" + kept.NumberText() + " 与 " +
                d.NumberText() + "）";
      failed = true;
      return false;
    }
    ++r.duplicates;
    if (kept.date.empty()) kept.date = d.date;
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
  std::string csv = "period,date,number\n";
  csv.reserve(csv.size() + draws.size() * 28);
  for (const Draw& d : draws)
    csv += CsvField(d.period) + "," + CsvField(d.date) + "," + d.NumberText() + "\n";
  return csv;
}

}  // namespace torvane::history
