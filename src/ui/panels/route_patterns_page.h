#pragma once
// fraTab(2): the 243 "杀012排列" boxes, nine per row.

#include <QWidget>
#include <array>

#include "conditions/shape/route_patterns.h"

class QCheckBox;

namespace torvane::ui {

class RoutePatternsPage : public QWidget {
  Q_OBJECT
 public:
  explicit RoutePatternsPage(QWidget* parent = nullptr);

  RoutePatternsState state() const;
  void setState(const RoutePatternsState& s);

 signals:
  void helpRequested(int index);

 private:
  std::array<QCheckBox*, 243> boxes_{};  // chk012(j)
};

}  // namespace torvane::ui
