// Hints and leave-normalization of the condition text boxes of the combination page.
#include "conditions/digit/combination.h"
#include "conditions/digit/compound_kill.h"
#include "conditions/digit/direct_kill.h"
#include "conditions/digit/pattern_kill.h"
#include "core/number_text.h"

namespace torvane {

const char* const kDirectKillHint = "输入要排除的5位数号码，号码之间用空格分开\r\n鼠标双击方框可清空号码";
const char* const kCompoundHint =
    "输入格式举例：\r\n17*235*12*789*01\r\n\r\n中间用*分开5个位置，每行一个复式";
const char* const kPatternHint =
    "输入格式举例：\r\n1***7\r\n1**78\r\n1*782\r\n\r\n比如输入12***表示杀12开头的所有号码";
const char* const kKillFourHint =
    "输入格式举例：\r\n2406\r\n240613\r\n24061387\r\n\r\n当输入号码超过4个时表示杀输入号码的任意4码组合";
const char* const kMustFourHint =
    "输入格式举例：\r\n2406\r\n240613\r\n24061387\r\n\r\n当输入号码超过4个时表示必出输入号码的任意4码组合";

std::string NormalizeCombinationText(int composeIndex, const std::string& text) {
  int k = composeIndex <= 3 ? composeIndex + 1 : composeIndex - 2;  // 1,2,3 -> 2,3,4; 4,5,6 -> 2,3,4
  int maxLen = k == 4 ? 9 : k;
  return NormalizeConditionText(text, 10, k, maxLen, "", 0);
}

std::string NormalizeCompoundText(const std::string& text) {
  return NormalizeConditionText(text, 1, 5, 49, "*", 4);
}

std::string NormalizePatternText(const std::string& text) {
  return NormalizeConditionText(text, 1, 5, 5, "*", 0);
}

}  // namespace torvane
