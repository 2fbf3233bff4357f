#include "core/errors.h"

#include "core/text_util.h"

namespace torvane {
namespace {

constexpr size_t kQuotedChars = 20;  // a box can hold a whole list; the line stays short

std::string Describe(RunError::Problem problem, const std::string& box, const std::string& text) {
  if (box.empty()) return std::string();
  const std::string quoted = "“" + CutForMessage(text, kQuotedChars) + "”";
  switch (problem) {
    case RunError::Problem::Empty:
      return box + "是空的";
    case RunError::Problem::NotANumber:
      return box + quoted + "不是数字";
    case RunError::Problem::OutOfRange:
      return box + quoted + "超出范围";
    case RunError::Problem::Unreadable:
      break;
  }
  return box + quoted + "无法识别";
}

}  // namespace

RunError::RunError(Problem problem, std::string box, std::string text)
    : std::runtime_error(Describe(problem, box, text)),
      problem_(problem),
      box_(std::move(box)),
      text_(std::move(text)) {}

std::string DescribeRunError(const RunError& e) {
  return Describe(e.problem(), e.box(), e.text());
}

}  // namespace torvane
