#include "results/page_size.h"

#include "core/box_value.h"
#include "core/errors.h"

namespace torvane::results {

PageSizeCheck CheckPageSize(const QString& text) {
  const std::string s = text.toStdString();
  long long a = 0;
  try {
    a = BoxValue32(s);
  } catch (const RunError&) {
    // Beyond 32 bits: only the side matters.
    a = LeadingNumber(s) < 0 ? kMinPageSize - 1LL : kMaxPageSize + 1LL;
  }
  const QString range = QStringLiteral("分组注数输入范围 1000-100000 ！\r\n\r\n");
  if (a < kMinPageSize)
    return {kMinPageSize, range + QStringLiteral("当前输入低于下限，已自动设置为1000！")};
  if (a > kMaxPageSize)
    return {kMaxPageSize, range + QStringLiteral("当前输入超出上限，已自动设置为100000！")};
  return {static_cast<int>(a), QString()};
}

}  // namespace torvane::results
