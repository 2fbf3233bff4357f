#pragma once
// Typed failures of the engine. A run that throws hands back nothing half-built.

#include <stdexcept>
#include <string>

namespace torvane {

// A box value that does not fit the integer the caller needs, or a tolerance text
// that is not a number. The window shows its general error message for these.
class RunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace torvane
