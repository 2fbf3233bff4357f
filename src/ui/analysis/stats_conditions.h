#pragma once
// From chosen attribute values to kill conditions: the state the panels would hold had the
// player clicked them (定位杀 marks, 杀和值 text, 杀和尾 and 杀跨度 ticks, ratio buttons,
// 特别排除 shapes), added to what the panels hold already.

#include <QStringList>
#include <vector>

#include "conditions/conditions.h"
#include "history/attribute_stats.h"

namespace torvane::ui {

struct ValueChoice {
  history::Attribute attribute;
  int value;
};

// Adds the kills to c; returns, one line each, the values no panel can kill.
QStringList AddKillConditions(Conditions& c, const std::vector<ValueChoice>& chosen);

}  // namespace torvane::ui
