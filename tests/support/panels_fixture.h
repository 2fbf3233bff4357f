#pragma once
// A host widget with every condition page, driven by widget name like a player would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "core/digit_table.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"
#include "support/fake_dialogs.h"
#include "ui/panels/condition_pages.h"

namespace torvane::ui {

using support::KeysOf;
using support::TableOf;
using widgets::FakeDialogs;

class PanelsTest : public ::testing::Test {
 public:
  PanelsTest() : pages(dialogs, &host) {}

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* w = host.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }

  void click(const QString& name) {
    // Near the left edge: a check box takes clicks on its tick and caption only.
    if (auto* b = find<QAbstractButton>(name))
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
  }

  void type(const QString& name, const QString& text) { QTest::keyClicks(find(name), text); }

  void setCombo(const QString& name, const QString& text) {
    if (auto* c = find<QComboBox>(name)) {
      c->lineEdit()->clear();
      QTest::keyClicks(c->lineEdit(), text);
    }
  }

  // Shows the host and gives it the focus, for tests of leaving a box.
  void showActive() {
    host.resize(1100, 700);
    host.show();
    QApplication::setActiveWindow(&host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  }

  Conditions gathered() const {
    Conditions c;
    pages.gather(c);
    return c;
  }

  // Runs the gathered conditions on base (all numbers when empty).
  RunResult run(const DigitTable& base = DigitTable()) const {
    return RunFilters(base, gathered());
  }

  FakeDialogs dialogs;  // outlives the boxes, whose leave checks may ask
  QWidget host;
  ConditionPages pages;
};

}  // namespace torvane::ui
