// Addition: carries and borrows across the point, the ordering of magnitudes that differ only in
// trailing zero fraction limbs, and the zeros with sign 1 that come from it.

#include <gtest/gtest.h>

#include <string>

#include "unlnum_support.h"

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;
using unlnum_test::parsed;

struct AddCase {
  const char* name;
  const char* a;
  const char* b;
  Layout sum;
  const char* rendered;
};

class AddTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddTest, GivesTheLayoutAndRendering) {
  const UnlNum a = parsed(GetParam().a);
  const UnlNum b = parsed(GetParam().b);
  const std::optional<UnlNum> sum = UnlNum::add(a, b);
  ASSERT_TRUE(sum.has_value());
  EXPECT_EQ(layoutOf(*sum), GetParam().sum);
  EXPECT_EQ(UnlNum::toText(*sum), GetParam().rendered);
  EXPECT_EQ(UnlNum::toText(a), UnlNum::toText(parsed(GetParam().a))) << "operand changed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddTest,
    testing::Values(
        AddCase{"ZeroPlusZero", "0", "0", {0, {0}, {}}, "0"},
        AddCase{"CarryIntoNewLimb", "999999999", "1", {0, {0, 1}, {}}, "1000000000"},
        AddCase{"BothNegative", "-5", "-7", {1, {12}, {}}, "-12"},
        AddCase{"NegativePlusLarger", "-5", "7", {0, {2}, {}}, "2"},
        AddCase{"PositivePlusLargerNegative", "5", "-7", {1, {2}, {}}, "-2"},
        AddCase{"OppositesGiveAPlainZero", "7", "-7", {0, {0}, {}}, "0"},
        AddCase{"OppositeFractionsGiveAPlainZero", "2.5", "-2.5", {0, {0}, {}}, "0"},
        AddCase{"BorrowEmptiesTopLimb", "1000000000", "-1", {0, {999999999}, {}}, "999999999"},
        AddCase{"FractionCarryIntoInteger", "0.999999999", "0.000000001", {0, {1}, {0}}, "1"},
        AddCase{"HalvesKeepAZeroFractionLimb", "0.5", "0.5", {0, {1}, {0}}, "1"},
        AddCase{"IntegerMinusBillionth", "1", "-0.000000001", {0, {0}, {999999999}}, "0.999999999"},
        AddCase{"BorrowThroughTwoFractionLimbs",
                "1",
                "-0.000000000000000001",
                {0, {0}, {999999999, 999999999}},
                "0.999999999999999999"},
        AddCase{"BorrowThroughIntegerLimbs",
                "1000000000000000000",
                "-0.5",
                {0, {999999999, 999999999}, {500000000}},
                "999999999999999999.5"},
        AddCase{"MixedSignsWithFractions", "1.5", "-0.25", {0, {1}, {250000000}}, "1.25"},
        AddCase{"MixedSignsWithFractionsNegative", "-1.5", "0.25", {1, {1}, {250000000}}, "-1.25"},
        AddCase{"NegativeCarryAcrossPoint",
                "-999999999.999999999",
                "-0.000000001",
                {1, {0, 1}, {0}},
                "-1000000000"},
        AddCase{"CarryAcrossPointAndLimbs",
                "999999999999999999.5",
                "0.5",
                {0, {0, 0, 1}, {0}},
                "1000000000000000000"},
        AddCase{"LongerFractionCountsAsLarger", "1", "-1.000000000", {1, {0}, {0}}, "-0"},
        AddCase{"LongerFractionFirst", "1.000000000", "-1", {0, {0}, {0}}, "0"},
        AddCase{"NegativeLongerFractionFirst", "-1.000000000", "1", {1, {0}, {0}}, "-0"},
        AddCase{"NegativeShorterFractionFirst", "-1", "1.000000000", {0, {0}, {0}}, "0"},
        AddCase{"ZeroLimbTailAgainstSameHead", "0.500000000000", "-0.5", {0, {0}, {0, 0}}, "0"},
        AddCase{"NegativeZerosKeepTheirSign", "-0.0", "-0.0", {1, {0}, {0}}, "-0"},
        AddCase{"ZeroPlusNegativeZero", "0", "-0.0", {1, {0}, {0}}, "-0"},
        AddCase{"ShorterOperandFirst",
                "0.25",
                "123456789012.000000000000000001",
                {0, {456789012, 123}, {250000000, 1}},
                "123456789012.250000000000000001"}),
    unlnum_test::RowName());

TEST(UnlNumAdd, RunOfNinesPlusOneCarriesToTheTop) {
  const std::string nines(5000, '9');
  const std::optional<UnlNum> sum = UnlNum::add(parsed(nines), parsed("1"));
  ASSERT_TRUE(sum.has_value());
  EXPECT_EQ(UnlNum::toText(*sum), "1" + std::string(5000, '0'));
  EXPECT_EQ(sum->intLimbs().size(), 556u);
  EXPECT_EQ(sum->intLimbs().back(), 100000u);
}

TEST(UnlNumAdd, TwentyAddendsSummedInOrderGiveTheExactTotal) {
  const char* addends[] = {"123456789012", "-999999999999", "5",   "-1234", "88888888888", "1",
                           "-1",           "700",           "-70", "7"};
  UnlNum sum;
  for (int round = 0; round < 2; ++round) {
    for (const char* text : addends) {
      std::optional<UnlNum> next = UnlNum::add(sum, parsed(text));
      ASSERT_TRUE(next.has_value());
      sum = *next;
    }
  }
  EXPECT_EQ(UnlNum::toText(sum), "-1575308645382");
}

}  // namespace
