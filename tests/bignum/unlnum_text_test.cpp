// Parsing and rendering: the validity table, the limb layout of valid texts and what renders
// back.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "unlnum_support.h"

namespace {

using unlnum_test::Layout;
using unlnum_test::layoutOf;

const Layout kPlainZero{0, {0}, {}};

struct InvalidText {
  const char* name;
  std::string text;
};

class InvalidTextTest : public testing::TestWithParam<InvalidText> {};

TEST_P(InvalidTextTest, LeavesAPlainZeroAndReportsFalse) {
  UnlNum x = unlnum_test::parsed("-123456789012.75");  // an old value that must not survive
  EXPECT_FALSE(UnlNum::fromText(x, GetParam().text));
  EXPECT_EQ(layoutOf(x), kPlainZero);
  EXPECT_EQ(UnlNum::toText(x), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, InvalidTextTest,
    testing::Values(InvalidText{"Empty", ""}, InvalidText{"MinusOnly", "-"},
                    InvalidText{"MinusZero", "-0"}, InvalidText{"MinusZeroPoint", "-0."},
                    InvalidText{"ZeroPoint", "0."}, InvalidText{"DoubleZero", "00"},
                    InvalidText{"LeadingZeros", "007"}, InvalidText{"ZeroFive", "05"},
                    InvalidText{"ZeroTwelve", "012"}, InvalidText{"MinusZeroFive", "-05"},
                    InvalidText{"MinusLeadingZeros", "-007"}, InvalidText{"PointFirst", ".5"},
                    InvalidText{"MinusPoint", "-.5"}, InvalidText{"PlusSign", "+5"},
                    InvalidText{"Exponent", "1e5"}, InvalidText{"DoubleMinus", "--5"},
                    InvalidText{"TrailingMinus", "5-"}, InvalidText{"MinusAfterPoint", "0.-5"},
                    InvalidText{"ZeroMinus", "0-"}, InvalidText{"TwoPoints", "1.2.3"},
                    InvalidText{"AdjacentPoints", "1..2"}, InvalidText{"LeadingSpace", " 5"},
                    InvalidText{"TrailingSpace", "5 "}, InvalidText{"Letters", "abc"},
                    InvalidText{"Comma", "1,5"}, InvalidText{"EmbeddedNul", std::string("1\0", 2)},
                    InvalidText{"FullwidthDigit", "\xA3\xB1"}),
    unlnum_test::RowName());

struct ValidText {
  const char* name;
  const char* text;
  Layout layout;
  const char* rendered;
};

class ValidTextTest : public testing::TestWithParam<ValidText> {};

TEST_P(ValidTextTest, GivesTheLimbLayoutAndRendering) {
  UnlNum x;
  ASSERT_TRUE(UnlNum::fromText(x, GetParam().text));
  EXPECT_EQ(layoutOf(x), GetParam().layout);
  EXPECT_EQ(UnlNum::toText(x), GetParam().rendered);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ValidTextTest,
    testing::Values(
        ValidText{"Zero", "0", {0, {0}, {}}, "0"}, ValidText{"FivePoint", "5.", {0, {5}, {}}, "5"},
        ValidText{"MinusFivePoint", "-5.", {1, {5}, {}}, "-5"},
        ValidText{"MinusZeroPointFive", "-0.5", {1, {0}, {500000000}}, "-0.5"},
        ValidText{"MinusZeroPointZero", "-0.0", {1, {0}, {0}}, "-0"},
        ValidText{"ZeroPointZero", "0.0", {0, {0}, {0}}, "0"},
        ValidText{"NineDigits", "123456789", {0, {123456789}, {}}, "123456789"},
        ValidText{"TenDigits", "1234567890", {0, {234567890, 1}, {}}, "1234567890"},
        ValidText{"OneBillion", "1000000000", {0, {0, 1}, {}}, "1000000000"},
        ValidText{"ThirteenDigits", "1234567890123", {0, {567890123, 1234}, {}}, "1234567890123"},
        ValidText{"EighteenNines",
                  "999999999999999999",
                  {0, {999999999, 999999999}, {}},
                  "999999999999999999"},
        ValidText{"IntegerZerosKept", "1000", {0, {1000}, {}}, "1000"},
        ValidText{"IntegerZerosKeptBehindAPoint", "1000.000", {0, {1000}, {0}}, "1000"},
        ValidText{"MinusSevenPointTwoFive", "-7.25", {1, {7}, {250000000}}, "-7.25"},
        ValidText{"Half", "0.5", {0, {0}, {500000000}}, "0.5"},
        ValidText{"FiveHundredths", "0.05", {0, {0}, {50000000}}, "0.05"},
        ValidText{"OneBillionth", "0.000000001", {0, {0}, {1}}, "0.000000001"},
        ValidText{"TenBillionth", "0.0000000001", {0, {0}, {0, 100000000}}, "0.0000000001"},
        ValidText{"TenBillionthPadded", "0.000000000100", {0, {0}, {0, 100000000}}, "0.0000000001"},
        ValidText{"TrailingZeroLimbKept", "2.500000000000", {0, {2}, {500000000, 0}}, "2.5"},
        ValidText{"OnePointNineZeros", "1.000000000", {0, {1}, {0}}, "1"},
        ValidText{"TenPointTen", "10.10", {0, {10}, {100000000}}, "10.1"},
        ValidText{"EighteenFractionDigits",
                  "100.000000000000000001",
                  {0, {100}, {0, 1}},
                  "100.000000000000000001"},
        ValidText{"BothPartsLong",
                  "-1234567890123.123456789123456789",
                  {1, {567890123, 1234}, {123456789, 123456789}},
                  "-1234567890123.123456789123456789"}),
    unlnum_test::RowName());

TEST(UnlNumText, FiveThousandDigitTextsRenderBackUnchanged) {
  std::mt19937_64 rng(unlnum_test::testSeed());
  const std::string digits = unlnum_test::randomDigits(rng, 5000);
  for (const std::string& text : {digits, "-" + digits}) {
    UnlNum x = unlnum_test::parsed(text);
    EXPECT_EQ(x.intLimbs().size(), 556u);
    EXPECT_EQ(x.intLimbs().back(), std::stoul(digits.substr(0, 5)));  // 5000 = 555 * 9 + 5
    EXPECT_EQ(UnlNum::toText(x), text);
  }
}

TEST(UnlNumText, RandomTextsWithoutTrailingFractionZerosRenderBackUnchanged) {
  const std::uint64_t seed = unlnum_test::testSeed();
  std::mt19937_64 rng(seed);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  for (int round = 0; round < 500; ++round) {
    std::string text = rng() % 2 == 0 ? "-" : "";
    const std::size_t intLength = length(rng) + 1;
    text += rng() % 4 == 0 ? "0" : unlnum_test::randomDigits(rng, intLength);
    const std::size_t fracLength = length(rng);
    if (fracLength > 0) {
      std::string frac = unlnum_test::anyDigits(rng, fracLength);
      frac.back() = '7';
      text += "." + frac;
    }
    if (text == "-0") {
      continue;
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ", text " + text);
    UnlNum x = unlnum_test::parsed(text);
    EXPECT_EQ(UnlNum::toText(x), text);
    EXPECT_EQ(x.fracLimbs().size(), (fracLength + 8) / 9);
  }
}

TEST(UnlNumText, RenderingOfAZeroWithSignOneIsNotValidText) {
  const UnlNum negativeZero = unlnum_test::parsed("-0.0");
  const std::string text = UnlNum::toText(negativeZero);
  EXPECT_EQ(text, "-0");
  UnlNum reparsed;
  EXPECT_FALSE(UnlNum::fromText(reparsed, text));
}

TEST(UnlNumText, HundredThousandDigitTextWithFraction) {
  std::mt19937_64 rng(unlnum_test::testSeed());
  const std::string text = "-" + unlnum_test::randomDigits(rng, 100000) + "." +
                           unlnum_test::randomDigits(rng, 100000) + "1";
  const UnlNum x = unlnum_test::parsed(text);
  EXPECT_EQ(x.intLimbs().size(), 11112u);
  EXPECT_EQ(x.fracLimbs().size(), 11112u);
  EXPECT_EQ(UnlNum::toText(x), text);
}

TEST(UnlNumText, DefaultNumberIsAPlainZero) {
  const UnlNum x;
  EXPECT_EQ(layoutOf(x), kPlainZero);
  EXPECT_EQ(UnlNum::toText(x), "0");
}

TEST(UnlNumText, CopiesAreIndependent) {
  UnlNum original = unlnum_test::parsed("-12345678901234567890.5");
  const UnlNum copy = original;
  ASSERT_TRUE(UnlNum::fromText(original, "7"));
  EXPECT_EQ(UnlNum::toText(copy), "-12345678901234567890.5");
  EXPECT_EQ(UnlNum::toText(original), "7");
}

}  // namespace
