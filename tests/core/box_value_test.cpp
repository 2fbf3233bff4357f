#include "core/box_value.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace torvane {
namespace {

struct ValueCase {
  const char* name;
  const char* text;
  int expected;
};

class BoxValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(BoxValueTest, RoundsLeadingNumberHalfToEven) {
  EXPECT_EQ(BoxValue16(GetParam().text), GetParam().expected) << GetParam().text;
  EXPECT_EQ(BoxValue32(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, BoxValueTest,
                         ::testing::Values(ValueCase{"TwoAndAHalfDownToEven", "2.5", 2},
                                           ValueCase{"ThreeAndAHalfUpToEven", "3.5", 4},
                                           ValueCase{"OneAndAHalfUpToEven", "1.5", 2},
                                           ValueCase{"LettersAfterTheNumberIgnored", "3abc", 3},
                                           ValueCase{"NoNumberIsZero", "abc", 0},
                                           ValueCase{"EmptyIsZero", "", 0},
                                           ValueCase{"LeadingBlankSkipped", " 3", 3},
                                           ValueCase{"BlankInsideTheNumberSkipped", "1 2", 12},
                                           ValueCase{"TabAndLineFeedSkipped", "1\t2\n", 12},
                                           ValueCase{"OneLetterAfterTheNumberIgnored", "2x", 2},
                                           ValueCase{"MinusSignKept", "-3", -3},
                                           ValueCase{"ExponentApplied", "1e2", 100},
                                           ValueCase{"ExponentWithoutDigitsIgnored", "1e", 1},
                                           ValueCase{"HalfWithoutLeadingZeroDownToEven", ".5", 0},
                                           ValueCase{"AboveHalfUp", "0.51", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoxValue, RangeChecksDependOnTheCaller) {
  EXPECT_THROW(BoxValue16("32768"), RunError);
  EXPECT_EQ(BoxValue16("-32768"), -32768);
  EXPECT_EQ(BoxValue32("70000"), 70000);
  EXPECT_THROW(BoxValue32("2147483648"), RunError);
  EXPECT_THROW(BoxValue32("1e400"), RunError);
}

TEST(ToleranceValue, IsStrict) {
  EXPECT_EQ(ToleranceValue("05"), 5);
  EXPECT_EQ(ToleranceValue("2.5"), 2);
  EXPECT_EQ(ToleranceValue("3."), 3);
  EXPECT_EQ(ToleranceValue(" 7 "), 7);
  for (const char* bad : {"", ".", "ab", "3a", "-1", "256"})
    EXPECT_THROW(ToleranceValue(bad), RunError) << bad;
}

}  // namespace
}  // namespace torvane
