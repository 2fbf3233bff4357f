#pragma once
// Typed failures of the engine. A run that throws hands back nothing half-built.

#include <stdexcept>
#include <string>

namespace torvane {

// A box value that does not fit the integer the caller needs, or a tolerance text
// that is not a number. The window shows its general error message for these, and on a
// second line which box held what.
class RunError : public std::runtime_error {
 public:
  enum class Problem {
    Empty,       // the box holds nothing
    NotANumber,  // text: the box text
    OutOfRange,  // text: the number as written
    Unreadable,  // text: the entry of the box that could not be read
  };

  using std::runtime_error::runtime_error;
  // box: the box's name as the player sees it, e.g. "容错级别的最小值".
  RunError(Problem problem, std::string box, std::string text);

  // Empty when the error names no box.
  const std::string& box() const { return box_; }
  const std::string& text() const { return text_; }
  Problem problem() const { return problem_; }

 private:
  Problem problem_ = Problem::Unreadable;
  std::string box_;
  std::string text_;
};

// One line in the window's words: "容错级别的最小值是空的", "杀直选“1234”无法识别".
// Empty when the error names no box.
std::string DescribeRunError(const RunError& e);

}  // namespace torvane
