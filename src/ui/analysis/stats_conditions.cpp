#include "ui/analysis/stats_conditions.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace torvane::ui {
namespace {

using history::Attribute;

int SpecialBoxOf(const std::string& shape) {
  for (int i = 0; i < 14; ++i)
    if (shape == SpecialCaption(i)) return i;
  return -1;
}

// The sum box keeps what it holds; new sums go after it, two digits each as its hint asks.
void AddSums(std::string& sums, const std::set<int>& add) {
  const QString held = QString::fromStdString(sums).trimmed();
  std::set<int> present;
  for (const QString& piece :
       held.split(QRegularExpression(QStringLiteral("\\D+")), Qt::SkipEmptyParts))
    present.insert(piece.toInt());
  QStringList text;
  if (!held.isEmpty()) text << held;
  for (int s : add)
    if (!present.count(s)) text << QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
  sums = text.join(QLatin1Char(' ')).toStdString();
}

}  // namespace

QStringList AddKillConditions(Conditions& c, const std::vector<ValueChoice>& chosen) {
  std::set<int> sums;
  std::array<std::set<int>, 3> ratioKills;
  for (const ValueChoice& v : chosen) {
    const int a = static_cast<int>(v.attribute);
    switch (v.attribute) {
      case Attribute::Sum:
        sums.insert(v.value);
        break;
      case Attribute::SumTail:
        c.sumSpan.tails[v.value] = true;
        break;
      case Attribute::Span:
        c.sumSpan.spans[v.value] = true;
        break;
      case Attribute::BigSmall:
      case Attribute::OddEven:
      case Attribute::PrimeComposite:
        ratioKills[a - static_cast<int>(Attribute::BigSmall)].insert(v.value);
        break;
      case Attribute::Shape:
        c.special.ticked[SpecialBoxOf(history::ValueLabel(v.attribute, v.value))] = true;
        break;
      default:  // 万位 .. 个位
        c.positional.marked[a][v.value] = true;
    }
  }
  if (!sums.empty()) AddSums(c.sumSpan.sums, sums);

  // A ratio button keeps its ratio, and no button at all keeps every ratio: killing a ratio
  // means keeping the others. Killing every one cannot be shown, as no button would be left.
  QStringList refused;
  for (int k = 0; k < 3; ++k) {
    if (ratioKills[k].empty()) continue;
    bool* kept = &c.ratios.selected[6 * k];
    const bool none = std::none_of(kept, kept + 6, [](bool b) { return b; });
    std::array<bool, 6> after{};
    for (int n = 0; n < 6; ++n) after[n] = (none || kept[n]) && !ratioKills[k].count(n);
    const auto attribute = static_cast<Attribute>(static_cast<int>(Attribute::BigSmall) + k);
    if (std::none_of(after.begin(), after.end(), [](bool b) { return b; })) {
      refused << QStringLiteral(
                     "%1：杀掉这些比例后一个比例也不剩，比例按钮表示保留的比例，"
                     "没有按钮被选中就等于不限制，所以没有设置。")
                     .arg(QString::fromUtf8(history::AttributeName(attribute)));
      continue;
    }
    std::copy(after.begin(), after.end(), kept);
  }
  return refused;
}

}  // namespace torvane::ui
