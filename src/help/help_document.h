#pragma once
// The help document behind the "说明" buttons: blocks fenced by a key marker "[*key*]" on a
// line of its own, the same marker closing the block.

#include <optional>
#include <string>
#include <string_view>

namespace torvane {

constexpr int kHelpButtonCount = 24;
// The banker panel's button opens a picture instead of a text block.
constexpr int kHelpPictureIndex = 6;

// Block key of help button index; empty for the picture button and for any index outside
// 0..23.
std::string_view HelpKeyForIndex(int index);

// "[*key*]" + "\r\n" + the text between the first and the second occurrence of the marker
// (to the end of the document when it occurs once). nullopt for an empty key or a key
// whose marker does not occur.
std::optional<std::string> FindHelpBlock(std::string_view document, std::string_view key);

// GBK bytes to UTF-8. A byte sequence that is not GBK becomes U+FFFD and decoding goes on.
std::string DecodeGbkText(std::string_view bytes);

}  // namespace torvane
