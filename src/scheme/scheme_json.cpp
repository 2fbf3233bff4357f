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

// The library quotes the token it stopped at ("last read: '...'"), which may be a whole
// megabyte-long string; the quote is cut like any value.
std::string CutParseMessage(const std::string& what) {
  static const std::string kLastRead = "last read: '";
  const size_t start = what.find(kLastRead);
  if (start == std::string::npos) return what;
  const size_t from = start + kLastRead.size();
  size_t end = what.rfind("'; expected ");
  if (end == std::string::npos || end < from) end = what.rfind('\'');
  if (end == std::string::npos || end < from) return what;
  return what.substr(0, from) + CutForMessage(std::string_view(what).substr(from, end - from)) +
         what.substr(end);
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
    throw SchemeError("方案文件 " + fileName + " 不是有效的 JSON（第 " + std::to_string(e.byte) +
                      " 字节附近）：" + CutParseMessage(e.what()));
  } catch (const Json::exception& e) {
    // A number too large for a double ("1e999") is reported as out_of_range, not parse_error.
    throw SchemeError("方案文件 " + fileName + " 不是有效的 JSON：" + CutParseMessage(e.what()));
  }
}

}  // namespace torvane::scheme
