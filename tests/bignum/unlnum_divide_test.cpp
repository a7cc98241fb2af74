// Division: the four shortcuts in their order, the scale rule, truncation toward zero and the
// sign of a zero quotient.

#include <gtest/gtest.h>

#include <string>

#include "unlnum_support.h"

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;
using unlnum_test::parsed;

struct DivideCase {
  const char* name;
  const char* a;
  const char* b;
  std::int32_t places;
  Layout quotient;
  const char* rendered;
};

class DivideTest : public testing::TestWithParam<DivideCase> {};

TEST_P(DivideTest, GivesTheLayoutAndRendering) {
  const std::optional<UnlNum> quotient =
      UnlNum::divide(parsed(GetParam().a), parsed(GetParam().b), GetParam().places);
  ASSERT_TRUE(quotient.has_value());
  EXPECT_EQ(layoutOf(*quotient), GetParam().quotient);
  EXPECT_EQ(UnlNum::toText(*quotient), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, DivideTest,
    testing::Values(
        DivideCase{"NegativePlacesGiveZero", "7", "1", -1, {0, {0}, {}}, "0"},
        DivideCase{"NegativePlacesBeforeEquality", "-5", "-5", -9, {0, {0}, {}}, "0"},
        DivideCase{"ZeroDividend", "0", "7", 0, {0, {0}, {}}, "0"},
        DivideCase{"NegativeZeroDividend", "-0.0", "-7", 3, {0, {0}, {}}, "0"},
        DivideCase{"ByZero", "7", "0", 0, {0, {0}, {}}, "0"},
        DivideCase{"NegativeByZero", "-7", "0", 5, {0, {0}, {}}, "0"},
        DivideCase{"ByZeroFraction", "7", "0.000", 0, {0, {0}, {}}, "0"},
        DivideCase{"ZeroByZero", "0", "0", 0, {0, {0}, {}}, "0"},
        DivideCase{"ByOne", "7", "1", 0, {0, {7}, {}}, "7"},
        DivideCase{"ByMinusOne", "7", "-1", 0, {1, {7}, {}}, "-7"},
        DivideCase{"ByOneIgnoresPlaces", "1.23456", "1", 2, {0, {1}, {234560000}}, "1.23456"},
        DivideCase{"ByOneKeepsZeroLimbs",
                   "-2.500000000000",
                   "-1.000000000",
                   0,
                   {0, {2}, {500000000, 0}},
                   "2.5"},
        DivideCase{"OneByOneIsACopy", "1.000000000", "1", 30, {0, {1}, {0}}, "1"},
        DivideCase{"EqualWithPlaces", "5", "5", 3, {0, {1}, {0}}, "1"},
        DivideCase{"EqualWithoutPlaces", "5", "5", 0, {0, {1}, {}}, "1"},
        DivideCase{"EqualWithTenPlaces", "-2.5", "-2.5", 10, {0, {1}, {0, 0}}, "1"},
        DivideCase{"OppositesUseLongDivision", "5", "-5", 3, {1, {1}, {0}}, "-1"},
        DivideCase{"OppositesWithoutPlaces", "5", "-5", 0, {1, {1}, {}}, "-1"},
        DivideCase{"ZeroLimbTailIsNotEqual", "2.5", "2.500000000000", 0, {0, {1}, {}}, "1"}),
    unlnum_test::RowName());

INSTANTIATE_TEST_SUITE_P(
    LongDivision, DivideTest,
    testing::Values(
        DivideCase{"TenByFour", "10", "4", 0, {0, {2}, {}}, "2"},
        DivideCase{"SevenByTwoThreePlaces", "7", "2", 3, {0, {3}, {500000000}}, "3.5"},
        DivideCase{"TwoThirdsTruncated", "2", "3", 2, {0, {0}, {660000000}}, "0.66"},
        DivideCase{"OneThirdFivePlaces", "1", "3", 5, {0, {0}, {333330000}}, "0.33333"},
        DivideCase{
            "TwoThirdsTenPlaces", "2", "3", 10, {0, {0}, {666666666, 600000000}}, "0.6666666666"},
        DivideCase{"NegativeTowardZero", "-7", "2", 0, {1, {3}, {}}, "-3"},
        DivideCase{"NegativeDivisorTowardZero", "7", "-2", 0, {1, {3}, {}}, "-3"},
        DivideCase{"BothNegative", "-7", "-2", 0, {0, {3}, {}}, "3"},
        DivideCase{"ZeroQuotient", "1", "3", 0, {0, {0}, {}}, "0"},
        DivideCase{"ZeroQuotientKeepsSign", "-1", "3", 0, {1, {0}, {}}, "-0"},
        DivideCase{"LongerDivisorRaisesScale", "5", "123", 0, {0, {0}, {40000000}}, "0.04"},
        DivideCase{"RaisedScaleStillZero", "1", "30", 0, {0, {0}, {}}, "0"},
        DivideCase{"RaisedScaleByThree", "5", "1234", 0, {0, {0}, {4000000}}, "0.004"},
        DivideCase{"RaisedScaleZeroWithSign", "-12", "345", 1, {1, {0}, {}}, "-0"},
        DivideCase{"PlacesCoverLongerDivisor", "5", "123", 3, {0, {0}, {40000000}}, "0.04"},
        DivideCase{"ByHalf", "1", "0.5", 0, {0, {2}, {}}, "2"},
        DivideCase{"ByThreeTenths", "1", "0.3", 0, {0, {3}, {}}, "3"},
        DivideCase{"HalfByQuarter", "0.5", "0.25", 0, {0, {2}, {}}, "2"},
        DivideCase{"DividendFractionSetsScale", "1.5", "2", 0, {0, {0}, {750000000}}, "0.75"},
        DivideCase{
            "TinyDividend", "0.000000000123", "3", 0, {0, {0}, {0, 41000000}}, "0.000000000041"},
        DivideCase{"DividendScaleBeatsFewerPlaces", "1.5", "2", 4, {0, {0}, {750000000}}, "0.75"},
        DivideCase{"PlacesBeyondDividendScale",
                   "1.5",
                   "7",
                   12,
                   {0, {0}, {214285714, 285000000}},
                   "0.214285714285"},
        DivideCase{"IntegerQuotientOfLimbs",
                   "123456789012345678901234567890",
                   "987654321",
                   0,
                   {0, {437499901, 999998873, 124}, {}},
                   "124999998873437499901"},
        DivideCase{"ExactByFraction", "10", "2.5", 0, {0, {4}, {}}, "4"},
        DivideCase{"NegativeFractionQuotient", "-10", "4", 1, {1, {2}, {500000000}}, "-2.5"}),
    unlnum_test::RowName());

}  // namespace
