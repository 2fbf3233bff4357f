#pragma once
// Scheme text to JSON: the checks that come before any key is read.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace torvane::scheme {

// Dotted key paths as refusals name them: "banker.rows[0].counts".
std::string KeyPath(const std::string& parent, const std::string& key);
std::string ItemPath(const std::string& parent, size_t index);

// Parses the text, refusing (SchemeError, naming fileName) bad JSON, nesting deeper than 32
// levels and a key written twice in one object, which JSON itself lets the last one win.
nlohmann::json ParseSchemeJson(std::string_view text, const std::string& fileName);

}  // namespace torvane::scheme
