#pragma once
// Scheme files (JSON, UTF-8): every condition of the window, read and written whole.

#include <stdexcept>
#include <string>
#include <string_view>

#include "conditions/conditions.h"

namespace torvane {

// A file that cannot be read or is not a valid scheme. The message names the file, the key
// and the value.
class SchemeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Conditions ParseScheme(std::string_view json, const std::string& fileName);
Conditions ReadSchemeFile(const std::string& path);

std::string WriteSchemeText(const Conditions& conditions);
void WriteSchemeFile(const std::string& path, const Conditions& conditions);  // SchemeError

}  // namespace torvane
