#include "controls/t_scroll.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace torvane::controls {

namespace {

constexpr int kButtons = 2 * tScroll::kButtonHeight + 2;  // both end buttons and the 2 px

struct ThumbCase {
  const char* name;
  int track;  // px between the end buttons
  int min, max;
  int thumb;  // expected height; 0 = hidden
};

class ThumbSize : public testing::TestWithParam<ThumbCase> {};

TEST_P(ThumbSize, FollowsTrackAndRange) {
  const ThumbCase& c = GetParam();
  tScroll s;
  s.resize(50, c.track + kButtons);
  s.setMin(c.min);
  s.setMax(c.max);
  EXPECT_EQ(s.width(), tScroll::kWidth);
  if (c.thumb == 0) {
    EXPECT_FALSE(s.thumbVisible());
  } else {
    EXPECT_TRUE(s.thumbVisible());
    EXPECT_EQ(s.thumbHeight(), c.thumb);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ThumbSize,
                         testing::Values(ThumbCase{"TwoValuesHalveTheTrack", 400, 0, 1, 200},
                                         ThumbCase{"IntegerDivision", 400, 0, 2, 133},
                                         ThumbCase{"LongRangeKeepsTheMinimum", 100, 0, 19980, 16},
                                         ThumbCase{"ShiftedRange", 300, 10, 12, 100},
                                         ThumbCase{"EmptyRangeHidesTheThumb", 300, 5, 5, 0},
                                         ThumbCase{"InvertedRangeHidesTheThumb", 300, 6, 5, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TScroll, ThumbTouchesTheIncreaseButtonAtMax) {
  tScroll s;
  s.resize(15, 400 + kButtons);
  s.setMax(1);
  EXPECT_EQ(s.thumbTop(), tScroll::kButtonHeight - 1);
  s.setValue(1);
  EXPECT_EQ(s.thumbTop() + s.thumbHeight() - 1, s.increaseButtonTop());
}

TEST(TScroll, ValueIsClampedAndOnlyAChangeRaisesScroll) {
  tScroll s;
  s.resize(15, 200);
  QSignalSpy spy(&s, &tScroll::scrolled);
  s.setValue(0);
  EXPECT_EQ(spy.count(), 0);
  s.setValue(150);
  EXPECT_EQ(s.value(), 100);
  EXPECT_EQ(spy.count(), 1);
  s.setValue(100);
  EXPECT_EQ(spy.count(), 1);
  s.setValue(-7);
  EXPECT_EQ(s.value(), 0);
  EXPECT_EQ(spy.count(), 2);
}

TEST(TScroll, LoweringMaxLeavesTheValueAlone) {
  tScroll s;
  s.resize(15, 200);
  s.setValue(80);
  s.setMax(50);
  EXPECT_EQ(s.value(), 80);
  s.setValue(79);
  EXPECT_EQ(s.value(), 50);
}

TEST(TScroll, HeldIncreaseButtonRepeatsUntilMax) {
  tScroll s;
  s.resize(15, 200);
  s.setMax(5);
  QSignalSpy spy(&s, &tScroll::scrolled);
  QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(7, 200 - 4));
  EXPECT_EQ(s.value(), 1);
  EXPECT_EQ(s.pressedPart(), ScrollPart::IncreaseButton);
  EXPECT_TRUE(s.repeatTimer().isActive());
  EXPECT_EQ(s.repeatTimer().interval(), 500);
  s.repeatTick();
  EXPECT_EQ(s.value(), 2);
  EXPECT_EQ(s.repeatTimer().interval(), 50);
  int ticks = 0;
  while (s.repeatTimer().isActive() && ticks < 100) {
    s.repeatTick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(s.value(), 5);
  EXPECT_EQ(spy.count(), 5);
  QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(7, 200 - 4));
  EXPECT_EQ(s.pressedPart(), ScrollPart::None);
}

TEST(TScroll, PressedButtonIsWhite) {
  tScroll s;
  s.resize(15, 200);
  QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(7, 3));
  EXPECT_EQ(s.pressedPart(), ScrollPart::DecreaseButton);
  EXPECT_FALSE(s.repeatTimer().isActive());  // already at Min: nothing to repeat
  QImage img = s.grab().toImage();
  EXPECT_EQ(QColor(img.pixel(2, 2)), QColor(255, 255, 255));
  QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(7, 3));
  img = s.grab().toImage();
  EXPECT_EQ(QColor(img.pixel(2, 2)), QColor(192, 192, 255));
}

TEST(TScroll, ReleaseStopsTheRepeat) {
  tScroll s;
  s.resize(15, 200);
  QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(7, 196));
  EXPECT_TRUE(s.repeatTimer().isActive());
  QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(7, 196));
  EXPECT_FALSE(s.repeatTimer().isActive());
}

TEST(TScroll, TrackClickStepsLargeAndRepeatsToTheEnd) {
  tScroll s;
  s.resize(15, 300);
  s.setMax(35);
  s.setLargeChange(10);
  QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(7, 250));  // below the thumb
  EXPECT_EQ(s.value(), 10);
  s.repeatTick();
  s.repeatTick();
  EXPECT_EQ(s.value(), 30);
  EXPECT_TRUE(s.repeatTimer().isActive());
  s.repeatTick();
  EXPECT_EQ(s.value(), 35);
  EXPECT_FALSE(s.repeatTimer().isActive());
  QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(7, 250));

  QTest::mousePress(&s, Qt::RightButton, {}, QPoint(7, 20));  // above it, any button
  EXPECT_EQ(s.value(), 25);
  QTest::mouseRelease(&s, Qt::RightButton, {}, QPoint(7, 20));
}

TEST(TScroll, TrackClickDoesNothingWithoutThumb) {
  tScroll s;
  s.resize(15, 300);
  s.setMax(0);
  QSignalSpy spy(&s, &tScroll::scrolled);
  QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(7, 150));
  EXPECT_EQ(spy.count(), 0);
  EXPECT_FALSE(s.repeatTimer().isActive());
}

TEST(TScroll, DragMovesByValueAndRaisesScrollOnEveryMove) {
  tScroll s;
  s.resize(15, 100 + kButtons);
  s.setMax(4);  // thumb 20 px, scale 20 px per value
  ASSERT_EQ(s.thumbHeight(), 20);
  QSignalSpy spy(&s, &tScroll::scrolled);
  const QPoint grab(7, s.thumbTop() + 5);
  QTest::mousePress(&s, Qt::LeftButton, {}, grab);
  EXPECT_EQ(s.pressedPart(), ScrollPart::Thumb);

  auto move = [&](int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(7, y), s.mapToGlobal(QPointF(7, y)), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s, &e);
  };
  move(grab.y() + 41);
  EXPECT_EQ(s.value(), 2);
  EXPECT_EQ(s.thumbTop(), tScroll::kButtonHeight - 1 + 40);
  move(grab.y() + 43);  // same value, still an event
  EXPECT_EQ(s.value(), 2);
  move(grab.y() + 1000);  // clamped at the bottom
  EXPECT_EQ(s.value(), 4);
  EXPECT_EQ(spy.count(), 3);
  QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(7, 500));
  EXPECT_EQ(s.pressedPart(), ScrollPart::None);
}

}  // namespace
}  // namespace torvane::controls
