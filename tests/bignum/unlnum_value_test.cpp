// Assignment from machine values of the four kinds.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>
#include <string>

#include "unlnum_support.h"

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;

const Layout kPlainZero{0, {0}, {}};

struct Int32Case {
  const char* name;
  std::int32_t value;
  Layout layout;
  const char* rendered;
};

class FromInt32Test : public testing::TestWithParam<Int32Case> {};

TEST_P(FromInt32Test, TakesTheMagnitudeInOneOrTwoLimbs) {
  UnlNum x = unlnum_test::parsed("-5.5");
  ASSERT_TRUE(UnlNum::fromValue(x, GetParam().value));
  EXPECT_EQ(layoutOf(x), GetParam().layout);
  EXPECT_EQ(UnlNum::toText(x), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FromInt32Test,
    testing::Values(
        Int32Case{"Zero", 0, {0, {0}, {}}, "0"}, Int32Case{"MinusOne", -1, {1, {1}, {}}, "-1"},
        Int32Case{"LargestOneLimb", 999999999, {0, {999999999}, {}}, "999999999"},
        Int32Case{"SmallestTwoLimbs", 1000000000, {0, {0, 1}, {}}, "1000000000"},
        Int32Case{
            "Max", std::numeric_limits<std::int32_t>::max(), {0, {147483647, 2}, {}}, "2147483647"},
        Int32Case{"Min",
                  std::numeric_limits<std::int32_t>::min(),
                  {1, {147483648, 2}, {}},
                  "-2147483648"}),
    unlnum_test::RowName());

TEST(UnlNumFromValue, Int64GoesThroughItsDecimalText) {
  const struct {
    std::int64_t value;
    const char* text;
  } cases[] = {{0, "0"},
               {-5, "-5"},
               {1000000000000000000, "1000000000000000000"},
               {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
               {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"}};
  for (const auto& c : cases) {
    UnlNum x;
    EXPECT_TRUE(UnlNum::fromValue(x, c.value)) << c.text;
    EXPECT_EQ(UnlNum::toText(x), c.text);
    EXPECT_EQ(layoutOf(x), layoutOf(unlnum_test::parsed(c.text))) << c.text;
  }
}

struct DoubleCase {
  const char* name;
  double value;
  bool taken;
  const char* rendered;
  std::size_t fracLimbs;
};

class FromDoubleTest : public testing::TestWithParam<DoubleCase> {};

// The text is "%.13g", so an exponent form, "-0", "nan" and "inf" are refused by the syntax.
TEST_P(FromDoubleTest, GoesThroughThirteenSignificantDigits) {
  UnlNum x = unlnum_test::parsed("-42.42");
  EXPECT_EQ(UnlNum::fromValue(x, GetParam().value), GetParam().taken);
  EXPECT_EQ(UnlNum::toText(x), GetParam().rendered);
  EXPECT_EQ(x.fracLimbs().size(), GetParam().fracLimbs);
  if (!GetParam().taken) {
    EXPECT_EQ(layoutOf(x), kPlainZero);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FromDoubleTest,
    testing::Values(
        DoubleCase{"Zero", 0.0, true, "0", 0}, DoubleCase{"NegativeZero", -0.0, false, "0", 0},
        DoubleCase{"OneTenth", 0.1, true, "0.1", 1},
        DoubleCase{"MinusTwoPointFive", -2.5, true, "-2.5", 1},
        DoubleCase{"OneThird", 1.0 / 3.0, true, "0.3333333333333", 2},
        DoubleCase{"ThirteenDigitInteger", 1e12, true, "1000000000000", 0},
        DoubleCase{"RoundedToThirteenDigits", 123456789.123456789, true, "123456789.1235", 1},
        DoubleCase{"ExponentAbove", 1e13, false, "0", 0},
        DoubleCase{"TenToTheTwenty", 1e20, false, "0", 0},
        DoubleCase{"SmallestPlain", 0.0001, true, "0.0001", 1},
        DoubleCase{"ExponentBelow", 0.00001, false, "0", 0},
        DoubleCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), false, "0", 0},
        DoubleCase{"Infinity", std::numeric_limits<double>::infinity(), false, "0", 0}),
    unlnum_test::RowName());

TEST(UnlNumFromValue, FloatIsWidenedToDouble) {
  UnlNum x;
  ASSERT_TRUE(UnlNum::fromValue(x, 0.1f));
  EXPECT_EQ(UnlNum::toText(x), "0.1000000014901");
  ASSERT_TRUE(UnlNum::fromValue(x, -2.5f));
  EXPECT_EQ(UnlNum::toText(x), "-2.5");
  EXPECT_FALSE(UnlNum::fromValue(x, 1e20f));
  EXPECT_EQ(layoutOf(x), kPlainZero);
}

// The C library's own "%.13g" (in the C locale) must agree with what fromValue parses.
TEST(UnlNumFromValue, DoubleTextMatchesPrintf) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  const double values[] = {0.5,   -0.75,         3.14159265358979, 2.0 / 3.0, 1234.5678,
                           -1e-4, 9999999999999, 0.1 + 0.2,        1e-3,      -123456.0};
  for (const double value : values) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.13g", value);
    UnlNum x;
    ASSERT_TRUE(UnlNum::fromValue(x, value)) << expected;
    EXPECT_EQ(UnlNum::toText(x), expected);
  }
}

}  // namespace
