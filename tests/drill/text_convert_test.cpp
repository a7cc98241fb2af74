#include <gtest/gtest.h>

#include "drill/drill.h"

namespace {

struct TextToIntCase {
  const char* text;
  std::int32_t expected;
};

class TextToInt : public ::testing::TestWithParam<TextToIntCase> {};

TEST_P(TextToInt, ReadsTheLeadingInteger) {
  EXPECT_EQ(drill::textToInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, TextToInt,
                         ::testing::Values(TextToIntCase{"12ab", 12}, TextToIntCase{"ab", 0},
                                           TextToIntCase{"", 0}, TextToIntCase{"  -7", -7},
                                           TextToIntCase{"\xA3\xB1\xA3\xB2", 12},
                                           TextToIntCase{"\xA1\xA1\xA3\xAD\xA3\xB5", -5},
                                           TextToIntCase{"+8", 8}, TextToIntCase{"\t\n42x", 42},
                                           TextToIntCase{"- 3", 0},
                                           TextToIntCase{"2147483647", 2147483647},
                                           TextToIntCase{"-2147483648", INT32_MIN}));

TEST(IntToText, RendersLikePercentD) {
  EXPECT_EQ(drill::intToText(-45), "-45");
  EXPECT_EQ(drill::intToText(0), "0");
  EXPECT_EQ(drill::intToText(INT32_MIN), "-2147483648");
}

}  // namespace
