#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "case_names.h"
#include "drill/drill.h"

namespace {

using drill::OperationType;

struct DescriptionCase {
  const char* name;
  OperationType type;
  std::int32_t d1, d2;
  const char* timeText;
  std::string expected;  // GBK bytes
};

class DescribeQuestionType : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(DescribeQuestionType, GivesTheExactGbkBytes) {
  const DescriptionCase& c = GetParam();
  EXPECT_EQ(drill::describeQuestionType(c.type, c.d1, c.d2, c.timeText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DescribeQuestionType,
    ::testing::Values(
        // "12 位数加法 10 秒"
        DescriptionCase{"additionTwelveDigitsTenSeconds", OperationType::Addition, 12, 3, "10",
                        "12 \xCE\xBB\xCA\xFD\xBC\xD3\xB7\xA8 10 \xC3\xEB"},
        // "7 位数加减混合 25 秒"
        DescriptionCase{"mixed", OperationType::MixedAddSub, 7, 30, "25",
                        "7 \xCE\xBB\xCA\xFD\xBC\xD3\xBC\xF5\xBB\xEC\xBA\xCF 25 \xC3\xEB"},
        // "7 位数加减混合  秒": no time item, nothing between the two pieces
        DescriptionCase{"mixedWithoutTime", OperationType::MixedAddSub, 7, 7, "",
                        "7 \xCE\xBB\xCA\xFD\xBC\xD3\xBC\xF5\xBB\xEC\xBA\xCF  \xC3\xEB"},
        // "5　位数　×　3　位数"
        DescriptionCase{"multiplication", OperationType::Multiplication, 5, 3, "4",
                        "5\xA1\xA1\xCE\xBB\xCA\xFD\xA1\xA1\xA1\xC1\xA1\xA1"
                        "3\xA1\xA1\xCE\xBB\xCA\xFD"},
        // "5　位数　÷　3　位数"
        DescriptionCase{"division", OperationType::Division, 5, 3, "4",
                        "5\xA1\xA1\xCE\xBB\xCA\xFD\xA1\xA1\xA1\xC2\xA1\xA1"
                        "3\xA1\xA1\xCE\xBB\xCA\xFD"},
        // Digit counts of 0 (empty lists) are described as they stand.
        DescriptionCase{"divisionOfEmptyLists", OperationType::Division, 0, 0, "",
                        "0\xA1\xA1\xCE\xBB\xCA\xFD\xA1\xA1\xA1\xC2\xA1\xA1"
                        "0\xA1\xA1\xCE\xBB\xCA\xFD"},
        DescriptionCase{"noSelection", static_cast<OperationType>(-1), 5, 3, "4", ""},
        DescriptionCase{"beyondTheList", static_cast<OperationType>(4), 5, 3, "4", ""}),
    drill_test::NameOfCase());

TEST(QuestionTypeCaption, PutsTheFixedPrefixInFront) {
  // "  计算题型： " then the description
  const std::string prefix = "  \xBC\xC6\xCB\xE3\xCC\xE2\xD0\xCD\xA3\xBA ";
  const std::string description =
      drill::describeQuestionType(OperationType::Addition, 12, 12, "10");
  EXPECT_EQ(drill::questionTypeCaption(description), prefix + description);
  EXPECT_EQ(drill::questionTypeCaption(""), prefix);
}

struct TitleCase {
  const char* name;
  std::int32_t d1, d2;
  bool big;
};

class UsesBigNumberTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(UsesBigNumberTitle, WhenEitherCountExceedsTwenty) {
  EXPECT_EQ(drill::usesBigNumberTitle(GetParam().d1, GetParam().d2), GetParam().big);
}

INSTANTIATE_TEST_SUITE_P(Table, UsesBigNumberTitle,
                         ::testing::Values(TitleCase{"bothTwenty", 20, 20, false},
                                           TitleCase{"firstAbove", 21, 1, true},
                                           TitleCase{"secondAbove", 1, 21, true},
                                           TitleCase{"hiddenSecondListAbove", 10, 30, true},
                                           TitleCase{"emptyLists", 0, 0, false},
                                           TitleCase{"largestDefault", 5000, 5000, true},
                                           TitleCase{"negative", -1, 20, false}),
                         drill_test::NameOfCase());

TEST(VerdictText, IsCorrectOrWrongWithIdeographicSpaces) {
  EXPECT_EQ(drill::verdictText(true), "\xD5\xFD\xA1\xA1\xC8\xB7\xA1\xA1\xA3\xA1");  // 正　确　！
  EXPECT_EQ(drill::verdictText(false), "\xB4\xED\xA1\xA1\xCE\xF3\xA1\xA1\xA3\xA1");  // 错　误　！
}

}  // namespace
