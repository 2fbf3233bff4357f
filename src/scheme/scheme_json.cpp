#include "scheme/scheme_json.h"

#include <algorithm>
#include <set>
#include <vector>

#include "core/text_util.h"
#include "scheme/scheme_file.h"

namespace torvane::scheme {
namespace {

using Json = nlohmann::json;

constexpr int kMaxNesting = 32;

// Deepest nesting of arrays and objects outside strings. A scheme is four levels deep; a
// file nested millions deep would overflow the stack of the recursive JSON code.
int NestingDepth(std::string_view text) {
  int depth = 0, deepest = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (inString) {
      if (ch == '\\')
        ++i;
      else if (ch == '"')
        inString = false;
    } else if (ch == '"') {
      inString = true;
    } else if (ch == '[' || ch == '{') {
      deepest = std::max(deepest, ++depth);
    } else if (ch == ']' || ch == '}') {
      --depth;
    }
  }
  return deepest;
}

// Follows the parser through objects and arrays, so a repeated key is named by its path.
class DuplicateKeyCheck {
 public:
  explicit DuplicateKeyCheck(const std::string& file) : file_(file) {}

  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        open_.push_back({event == Json::parse_event_t::array_start, NextPath(), {}, {}, 0});
        break;
      case Json::parse_event_t::key: {
        Level& object = open_.back();
        object.key = parsed.get<std::string>();
        if (!object.keys.insert(object.key).second)
          throw SchemeError("方案文件 " + file_ + " 无效：键 " +
                            CutForMessage(KeyPath(object.path, object.key)) +
                            " 写了不止一次，只能写一次");
        break;
      }
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        open_.pop_back();
        ValueDone();
        break;
      case Json::parse_event_t::value:
        ValueDone();
        break;
    }
    return true;
  }

 private:
  struct Level {
    bool array;
    std::string path;
    std::set<std::string> keys;  // objects: the keys met so far
    std::string key;             // objects: the key whose value comes next
    size_t items;                // arrays: the items met so far
  };

  std::string NextPath() const {
    if (open_.empty()) return {};
    const Level& parent = open_.back();
    return parent.array ? ItemPath(parent.path, parent.items) : KeyPath(parent.path, parent.key);
  }
  void ValueDone() {
    if (!open_.empty() && open_.back().array) ++open_.back().items;
  }

  const std::string& file_;
  std::vector<Level> open_;
};

// Length of the valid UTF-8 character starting at s[i], or 0.
size_t Utf8CharLength(std::string_view s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

bool ValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const size_t n = Utf8CharLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// Where the parser stopped, in the player's words: line and column (characters) of the last
// byte it read, and the byte itself. byte counts from 1; past the end means the end.
std::string Position(std::string_view text, size_t byte) {
  const size_t before = std::min(byte > 0 ? byte - 1 : 0, text.size());
  const std::string_view read = text.substr(0, before);
  const size_t lineStart = read.rfind('\n') == std::string_view::npos ? 0 : read.rfind('\n') + 1;
  const size_t line = 1 + std::count(read.begin(), read.end(), '\n');
  size_t column = 1;
  for (size_t i = lineStart; i < before; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;
  std::string s = "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列（第 " +
                  std::to_string(byte) + " 字节）";
  // What stands just before, when it reads as text.
  std::string_view near = text.substr(lineStart, before - lineStart);
  const bool cut = near.size() > 24;
  while (near.size() > 24) {
    size_t step = 1;
    while (step < near.size() && (static_cast<unsigned char>(near[step]) & 0xC0) == 0x80) ++step;
    near.remove_prefix(step);
  }
  const std::string_view trimmed = TrimBlanks(near);
  if (!trimmed.empty() && ValidUtf8(trimmed) &&
      std::none_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= 0 && c < 0x20; }))
    s += std::string("，“") + (cut ? "…" : "") + std::string(trimmed) + "”之后";
  return s;
}

// Why the parser stopped, from the kind of its message; the message itself is never shown.
std::string Reason(std::string_view text, size_t byte, const std::string& what) {
  if (!ValidUtf8(text.substr(0, std::min(byte, text.size()))))
    return "含有不是 UTF-8 的字节：方案文件须存为 UTF-8 编码";
  const auto has = [&](const char* part) { return what.find(part) != std::string::npos; };
  if (has("unexpected end of input"))
    return "文件到这里就结束了，缺少后面的内容（括号或引号没有配对）";
  if (has("control character")) return "字符串里有控制字符（换行、制表符须写成 \\n、\\t）";
  if (has("invalid literal")) return "这里的内容不是 JSON 的值（文字须用英文双引号括起来）";
  if (has("invalid number")) return "这里的数字写法不对";
  if (has("invalid string")) return "这里的字符串写法不对（检查反斜杠 \\ 的转义）";
  if (has("unexpected")) return "这里的符号放错了位置（检查逗号、冒号、引号和括号）";
  return "这里不合 JSON 的格式";
}

// The number the library quotes in an overflow message ("number overflow parsing '1e999'").
std::string QuotedNumber(const std::string& what) {
  const size_t from = what.find('\'');
  const size_t to = what.rfind('\'');
  if (from == std::string::npos || to <= from) return {};
  return CutForMessage(std::string_view(what).substr(from + 1, to - from - 1));
}

}  // namespace

std::string KeyPath(const std::string& parent, const std::string& key) {
  return parent.empty() ? key : parent + "." + key;
}

std::string ItemPath(const std::string& parent, size_t index) {
  return parent + "[" + std::to_string(index) + "]";
}

Json ParseSchemeJson(std::string_view text, const std::string& fileName) {
  if (NestingDepth(text) > kMaxNesting)
    throw SchemeError("方案文件 " + fileName + " 不是方案文件：嵌套超过 " +
                      std::to_string(kMaxNesting) + " 层");
  try {
    return Json::parse(text, DuplicateKeyCheck(fileName));
  } catch (const Json::parse_error& e) {
    throw SchemeError("方案文件 " + fileName + " 不是有效的 JSON：" + Position(text, e.byte) +
                      "：" + Reason(text, e.byte, e.what()));
  } catch (const Json::exception& e) {
    // A number too large for a double ("1e999") is reported as out_of_range, not parse_error.
    const std::string number = QuotedNumber(e.what());
    throw SchemeError(
        "方案文件 " + fileName + " 不是有效的 JSON：" +
        (number.empty() ? std::string("含有无法读取的值") : "数 " + number + " 超出范围"));
  }
}

}  // namespace torvane::scheme
