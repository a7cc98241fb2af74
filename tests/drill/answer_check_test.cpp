#include <gtest/gtest.h>

#include <string>

#include "case_names.h"
#include "drill/drill.h"

namespace {

const std::string kWide = "\xA1\xA1";  // the ideographic space "　"

struct TrimCase {
  const char* name;
  std::string text;
  std::string expected;
};

class TrimBlanks : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimBlanks, DropsAsciiAndIdeographicBlanksAtBothEnds) {
  EXPECT_EQ(drill::trimBlanks(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrimBlanks,
    ::testing::Values(
        TrimCase{"empty", "", ""}, TrimCase{"onlySpaces", "    ", ""},
        TrimCase{"onlyWideSpaces", kWide + kWide, ""}, TrimCase{"plain", "12345", "12345"},
        TrimCase{"asciiFrame", "   -9876  ", "-9876"},
        TrimCase{"wideFrame", kWide + "42" + kWide + kWide, "42"},
        TrimCase{"mixedFrame", " " + kWide + " 7 " + kWide + " ", "7"},
        TrimCase{"innerBlanksKept", " 1 2" + kWide + "3 ", "1 2" + kWide + "3"},
        TrimCase{"tabIsNotABlank", "\t5\t", "\t5\t"},
        TrimCase{"lineBreakIsNotABlank", " 5\n ", "5\n"},
        // A trailing lone lead byte goes alone; the blanks in front of it stay.
        TrimCase{"loneLeadByteAfterBlanks", "5  \xB0", "5  "},
        TrimCase{"loneLeadByteAfterWideBlank", "5" + kWide + "\xA1", "5" + kWide},
        TrimCase{"loneLeadByteOnly", "\xA1", ""}, TrimCase{"blanksThenLoneLeadByte", "  \xA1", ""},
        // A1 A1 inside a character pair walk: B0 A1 is one character, A1 A1 the next one.
        TrimCase{"wideSpaceAfterGbkCharacter", "\xB0\xA1\xA1\xA1", "\xB0\xA1"},
        // The first A1 is the trail byte of B0 A1, so the last two bytes are no A1 A1 blank:
        // the final A1 is a lone lead byte and goes alone.
        TrimCase{"trailByteA1IsNotPartOfABlank", "x\xB0\xA1\xA1", "x\xB0\xA1"},
        // A full-width exclamation mark (A3 A1) is not a blank.
        TrimCase{"fullWidthPunctuationKept", kWide + "\xA3\xA1" + kWide, "\xA3\xA1"}),
    drill_test::NameOfCase());

struct CheckCase {
  const char* name;
  std::string answer;
  std::string typed;
  bool ok;
};

class CheckAnswer : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckAnswer, ComparesTheTrimmedAnswerWithTheTypedTextByteForByte) {
  EXPECT_EQ(drill::checkAnswer(GetParam().answer, GetParam().typed), GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckAnswer,
    ::testing::Values(CheckCase{"framedBySpaces", "     123456  ", "123456", true},
                      CheckCase{"framedByWideSpaces", kWide + "-17" + kWide, "-17", true},
                      CheckCase{"typedTrailingSpace", " 123 ", "123 ", false},
                      CheckCase{"typedLeadingSpace", "123", " 123", false},
                      CheckCase{"typedLeadingZero", "  123 ", "0123", false},
                      CheckCase{"missingMinus", " -5 ", "5", false},
                      CheckCase{"fullWidthDigits", " 12 ", "\xA3\xB1\xA3\xB2", false},
                      CheckCase{"fraction", " 0.4 ", "0.4", true},
                      CheckCase{"fractionAsNumber", " 0.4 ", "0.40", false},
                      CheckCase{"bothEmpty", "", "", true},
                      CheckCase{"emptyAnswerSomethingTyped", "", "1", false},
                      CheckCase{"onlyBlanksNothingTyped", "   " + kWide, "", true}),
    drill_test::NameOfCase());

}  // namespace
