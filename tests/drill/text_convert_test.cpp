#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "case_names.h"
#include "drill/drill.h"

namespace {

struct TextToIntCase {
  const char* name;
  const char* text;
  std::int32_t expected;
};

class TextToInt : public ::testing::TestWithParam<TextToIntCase> {};

TEST_P(TextToInt, ReadsTheLeadingIntegerAfterFoldingFullWidthForms) {
  EXPECT_EQ(drill::textToInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToInt,
    ::testing::Values(
        TextToIntCase{"digitsThenLetters", "12ab", 12}, TextToIntCase{"lettersOnly", "ab", 0},
        TextToIntCase{"empty", "", 0}, TextToIntCase{"spacesMinusSeven", "  -7", -7},
        TextToIntCase{"fullWidthDigits", "\xA3\xB1\xA3\xB2", 12},  // "１２"
        // "　－５": ideographic space, full-width minus, full-width five
        TextToIntCase{"fullWidthSpaceAndMinus", "\xA1\xA1\xA3\xAD\xA3\xB5", -5},
        TextToIntCase{"fullWidthPlus", "\xA3\xAB\xA3\xB9", 9},  // "＋９"
        TextToIntCase{"plusSign", "+8", 8}, TextToIntCase{"controlWhiteSpace", "\t\n\v\f\r42x", 42},
        TextToIntCase{"spaceAfterSign", "- 3", 0}, TextToIntCase{"twoSigns", "+-3", 0},
        TextToIntCase{"leadingZeros", "007", 7}, TextToIntCase{"decimalPoint", "3.9", 3},
        TextToIntCase{"largest", "2147483647", 2147483647},
        TextToIntCase{"smallest", "-2147483648", INT32_MIN},
        TextToIntCase{"aboveRangeSaturates", "99999999999999999999", INT32_MAX},
        TextToIntCase{"belowRangeSaturates", "-99999999999999999999", INT32_MIN},
        // A full-width "~" (A1 AB) is not a digit; "*" forms likewise stop the number.
        TextToIntCase{"tildeStops",
                      "4\xA1\xAB"
                      "5",
                      4},
        // A lone lead byte at the end is kept as it is and stops the number.
        TextToIntCase{"loneLeadByte", "6\xA3", 6},
        // A GBK character that is not a full-width form is kept and is not a digit.
        TextToIntCase{"otherCharacter",
                      "\xCE\xBB"
                      "5",
                      0}),
    drill_test::NameOfCase());

struct IntToTextCase {
  const char* name;
  std::int32_t value;
  const char* expected;
};

class IntToText : public ::testing::TestWithParam<IntToTextCase> {};

TEST_P(IntToText, RendersLikePercentD) {
  EXPECT_EQ(drill::intToText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, IntToText,
                         ::testing::Values(IntToTextCase{"negative", -45, "-45"},
                                           IntToTextCase{"zero", 0, "0"},
                                           IntToTextCase{"fiveThousand", 5000, "5000"},
                                           IntToTextCase{"largest", INT32_MAX, "2147483647"},
                                           IntToTextCase{"smallest", INT32_MIN, "-2147483648"}),
                         drill_test::NameOfCase());

TEST(TextConversion, RoundTripsEveryListPosition) {
  for (std::int32_t v = -1; v <= 5000; ++v) ASSERT_EQ(drill::textToInt(drill::intToText(v)), v);
}

}  // namespace
