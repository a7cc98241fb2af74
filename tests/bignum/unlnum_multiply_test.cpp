// Multiplication: the zero and one shortcuts, and exactly fa + fb fraction limbs otherwise.

#include <gtest/gtest.h>

#include <string>

#include "unlnum_support.h"

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;
using unlnum_test::parsed;

struct MultiplyCase {
  const char* name;
  const char* a;
  const char* b;
  Layout product;
  const char* rendered;
};

class MultiplyTest : public testing::TestWithParam<MultiplyCase> {};

TEST_P(MultiplyTest, GivesTheLayoutAndRendering) {
  const std::optional<UnlNum> product =
      UnlNum::multiply(parsed(GetParam().a), parsed(GetParam().b));
  ASSERT_TRUE(product.has_value());
  EXPECT_EQ(layoutOf(*product), GetParam().product);
  EXPECT_EQ(UnlNum::toText(*product), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiplyTest,
    testing::Values(
        MultiplyCase{"ZeroTimesNegative", "0", "-5", {0, {0}, {}}, "0"},
        MultiplyCase{"NegativeTimesZero", "-5", "0", {0, {0}, {}}, "0"},
        MultiplyCase{"NegativeZeroTimesFraction", "-0.0", "2.5", {0, {0}, {}}, "0"},
        MultiplyCase{"ZeroFractionBeatsOne", "1", "0.000", {0, {0}, {}}, "0"},
        MultiplyCase{"OneTimesNegative", "1", "-7", {1, {7}, {}}, "-7"},
        MultiplyCase{"MinusOneTimesNegative", "-1", "-7", {0, {7}, {}}, "7"},
        MultiplyCase{"MinusOneTimesPositive", "-1", "7", {1, {7}, {}}, "-7"},
        MultiplyCase{
            "OneWithZeroLimbCopiesTheOther", "1.000000000", "3.5", {0, {3}, {500000000}}, "3.5"},
        MultiplyCase{
            "OtherIsOneWithZeroLimb", "3.5", "-1.000000000", {1, {3}, {500000000}}, "-3.5"},
        MultiplyCase{"BothOnesCopyTheSecond",
                     "-1.000000000",
                     "1.000000000000000000",
                     {1, {1}, {0, 0}},
                     "-1"},
        MultiplyCase{"LargestLimbSquared",
                     "999999999",
                     "999999999",
                     {0, {1, 999999998}, {}},
                     "999999998000000001"},
        MultiplyCase{"TimesOneBillion",
                     "123456789",
                     "1000000000",
                     {0, {0, 123456789}, {}},
                     "123456789000000000"},
        MultiplyCase{"MixedSigns", "-2", "3", {1, {6}, {}}, "-6"},
        MultiplyCase{"FractionLimbKeptWhenProductIsWhole", "2", "3.5", {0, {7}, {0}}, "7"},
        MultiplyCase{
            "HalfSquaredHasTwoFractionLimbs", "0.5", "0.5", {0, {0}, {250000000, 0}}, "0.25"},
        MultiplyCase{"BillionthTimesFive", "0.000000001", "5", {0, {0}, {5}}, "0.000000005"},
        MultiplyCase{"PointMovesAcrossALimb",
                     "1000000000.5",
                     "0.000000001",
                     {0, {1}, {0, 500000000}},
                     "1.0000000005"},
        MultiplyCase{"BillionthSquared",
                     "0.000000001",
                     "0.000000001",
                     {0, {0}, {0, 1}},
                     "0.000000000000000001"},
        MultiplyCase{"NegativeWholeFromFractions", "2.5", "-0.4", {1, {1}, {0, 0}}, "-1"},
        MultiplyCase{
            "TrailingZeroLimbsAddUp", "1.500000000000", "2.000000000", {0, {3}, {0, 0, 0}}, "3"}),
    unlnum_test::RowName());

}  // namespace
