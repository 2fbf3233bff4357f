#pragma once
// The window's tabs by control index (cmdTab(N)), so a page can bring another to the front
// without knowing it.

namespace torvane::ui {

constexpr int kTabCount = 18;

constexpr int kBaseTab = 0;       // 大底号码
constexpr int kMainTab = 1;       // 杀直选号码: the page with most condition panels
constexpr int kSetOpsTab = 3;     // 交集功能
constexpr int kHistoryTab = 12;   // 开奖历史
constexpr int kBacktestTab = 13;  // 条件回测
constexpr int kTrendTab = 14;     // 走势图
constexpr int kStatsTab = 15;     // 指标统计
constexpr int kRelativeTab = 16;  // 按上期条件
constexpr int kMergeTab = 17;     // 大底合并

}  // namespace torvane::ui
