#include "scheme/scheme_file.h"

namespace torvane {

// Placeholder until the scheme reader lands.
Conditions ParseScheme(std::string_view, const std::string&) { return {}; }
Conditions ReadSchemeFile(const std::string&) { return {}; }
std::string WriteSchemeText(const Conditions&) { return "{}"; }
void WriteSchemeFile(const std::string&, const Conditions&) {}

}  // namespace torvane
