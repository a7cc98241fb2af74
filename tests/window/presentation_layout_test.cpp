// How the presentation lays out a problem: the font sizes above 80 digits and their floor, the
// × and ÷ question on one line or two, the answer with or without blank runs, and the answer
// box's alignment at 60 bytes.

#include <string>
#include <vector>

#include "presentation_window_fixture.h"
#include "window/presentation.h"

namespace presentation_test {
namespace {

using drill::OperationType;
using toolkit::Alignment;
using toolkit::Operation;

struct SizeCase {
  const char* name;
  int d1, d2;
  int question, answer;
};

class PresentationFontSizeTest : public DrillWindow,
                                 public ::testing::WithParamInterface<SizeCase> {};

TEST_P(PresentationFontSizeTest, SetsTheQuestionBoxThenTheAnswerBox) {
  const SizeCase& c = GetParam();
  choose(OperationType::Multiplication, 2, 1);
  ui_.click(Control::选择框1);
  state_.digitCount1 = c.d1;
  state_.digitCount2 = c.d2;
  state_.operandA = number("12");
  state_.operandB = number("3");
  state_.productOrQuotient = number("36");
  ui_.clearRecords();

  handlers_.startPresentation();

  // The countdown sets 36 first; the problem's sizes follow, 编辑框3 before 编辑框2.
  std::vector<std::pair<Control, int>> sizes;
  for (const auto& entry : ui_.log()) {
    if (entry.operation == Operation::SetFontSize) sizes.emplace_back(*entry.control, entry.value);
  }
  const std::vector<std::pair<Control, int>> expected{
      {Control::编辑框3, 36}, {Control::编辑框3, c.question}, {Control::编辑框2, c.answer}};
  EXPECT_EQ(sizes, expected);
  EXPECT_EQ(ui_.fontSize(Control::编辑框3), c.question);
  EXPECT_EQ(ui_.fontSize(Control::编辑框2), c.answer);
}

// g = trunc((d1 + d2 + 500) / 70); sizes trunc(36 - 0.85 g) and trunc(29 - 0.85 g), at least 8.
INSTANTIATE_TEST_SUITE_P(
    DigitCounts, PresentationFontSizeTest,
    ::testing::Values(SizeCase{"Both80", 80, 80, 36, 29}, SizeCase{"Small", 5, 3, 36, 29},
                      SizeCase{"First81", 81, 1, 29, 22},      // g = 8
                      SizeCase{"Second81", 1, 81, 29, 22},     // g = 8
                      SizeCase{"Sum129", 81, 48, 29, 22},      // still g = 8
                      SizeCase{"Sum130", 81, 49, 28, 21},      // g = 9
                      SizeCase{"G20", 450, 450, 19, 12},       // exact in doubles: 19, not 18
                      SizeCase{"G24", 590, 590, 15, 8},        // the answer box just reaches 8
                      SizeCase{"G25", 625, 625, 14, 8},        // 7 by the rule alone
                      SizeCase{"G30", 800, 800, 10, 8},        // 3 by the rule alone
                      SizeCase{"G32", 870, 870, 8, 8},         // question 8 by the rule
                      SizeCase{"G33", 905, 905, 8, 8},         // question 7 by the rule alone
                      SizeCase{"Both5000", 5000, 5000, 8, 8},  // -91 and -98 by the rule alone
                      SizeCase{"Max100000", 100000, 100000, 8, 8}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FontSizeRule, KeepsEverySizeBetweenTheFloorAndTheBaseSize) {
  int previousQuestion = 36;
  for (int sum = 2; sum <= 12000; ++sum) {
    const int d1 = sum / 2;
    const window::presentation::FontSizes sizes = window::presentation::fontSizesFor(d1, sum - d1);
    ASSERT_GE(sizes.question, 8) << sum;
    ASSERT_GE(sizes.answer, 8) << sum;
    ASSERT_LE(sizes.question, 36) << sum;
    ASSERT_LE(sizes.answer, 29) << sum;
    ASSERT_LE(sizes.question, previousQuestion) << "sizes never grow with more digits: " << sum;
    previousQuestion = sizes.question;
  }
}

struct QuestionCase {
  const char* name;
  OperationType type;
  std::size_t digitsA, digitsB;
  bool twoLines;
};

class OperandQuestionTest : public DrillWindow,
                            public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(OperandQuestionTest, BreaksTheLineAbove44Bytes) {
  const QuestionCase& c = GetParam();
  choose(c.type, 40, 1);
  ui_.click(Control::选择框1);
  const std::string a = digits(c.digitsA, '3');
  const std::string b = digits(c.digitsB, '4');
  state_.digitCount1 = static_cast<std::int32_t>(c.digitsA);
  state_.digitCount2 = static_cast<std::int32_t>(c.digitsB);
  state_.operandA = number(a);
  state_.operandB = number(b);
  state_.productOrQuotient = number("12");
  ui_.clearRecords();

  handlers_.startPresentation();

  const std::string op = gbk(c.type == OperationType::Multiplication ? " × " : " ÷ ");
  const std::string prefix = gbk("　　　");
  const std::string expected =
      c.twoLines ? prefix + a + "\r\n" + op + "   " + b : prefix + a + op + b;
  EXPECT_EQ(ui_.text(Control::编辑框3), expected);
  // Written once, with no forced repaint of the question box.
  EXPECT_TRUE(forcedPaints(Control::编辑框3).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, OperandQuestionTest,
    ::testing::Values(
        QuestionCase{"Times17By17Is44Bytes", OperationType::Multiplication, 17, 17, false},
        QuestionCase{"Times17By18Is45Bytes", OperationType::Multiplication, 17, 18, true},
        QuestionCase{"Divide18By16Is44Bytes", OperationType::Division, 18, 16, false},
        QuestionCase{"Divide18By17Is45Bytes", OperationType::Division, 18, 17, true},
        QuestionCase{"TimesOneDigitEach", OperationType::Multiplication, 1, 1, false},
        QuestionCase{"Divide5000By2500", OperationType::Division, 5000, 2500, true}),
    [](const auto& param) { return std::string(param.param.name); });

struct AnswerCase {
  const char* name;
  OperationType type;
  std::size_t answerDigits;  // for the column drills: the sum's digits + both blank runs
  bool blankRuns;
  Alignment alignment;
};

class AnswerLayoutTest : public DrillWindow, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerLayoutTest, FramesAndAlignsTheAnswer) {
  const AnswerCase& c = GetParam();
  const bool column = c.type == OperationType::Addition;
  choose(c.type, 3, column ? 4 : 2);
  ui_.click(Control::选择框1);
  constexpr std::uint32_t kSeed = 9001;
  drill::seedRandom(kSeed);
  const int k1 = drill::randomInRange(3, 8);
  const int k2 = drill::randomInRange(3, 8);
  const std::size_t runs = static_cast<std::size_t>(k1 + k2);
  // For the column drills the case gives the whole text's length, so the sum is shorter.
  const std::string answer = digits(column ? c.answerDigits - runs : c.answerDigits, '8');
  state_.productOrQuotient = number(answer);
  state_.addendSum = number(answer);
  for (UnlNum& addend : state_.addends) addend = number("100");
  drill::seedRandom(kSeed);
  ui_.clearRecords();

  handlers_.startPresentation();

  const std::string expected = c.blankRuns
                                   ? std::string(static_cast<std::size_t>(k1), ' ') + answer +
                                         std::string(static_cast<std::size_t>(k2), ' ')
                                   : answer;
  EXPECT_EQ(ui_.text(Control::编辑框2), expected);
  EXPECT_EQ(ui_.alignment(Control::编辑框2), c.alignment);
  // The last forced repaint of the answer box shows it aligned and masked.
  const auto paints = forcedPaints(Control::编辑框2);
  ASSERT_FALSE(paints.empty());
  EXPECT_EQ(paints.back().state.alignment, c.alignment);
  EXPECT_EQ(paints.back().state.text, expected);
  EXPECT_TRUE(paints.back().state.password);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerLayoutTest,
    ::testing::Values(
        AnswerCase{"Product19DigitsFramed", OperationType::Multiplication, 19, true,
                   Alignment::Centred},
        AnswerCase{"Product20DigitsBare", OperationType::Multiplication, 20, false,
                   Alignment::Centred},
        AnswerCase{"Quotient1DigitFramed", OperationType::Division, 1, true, Alignment::Centred},
        AnswerCase{"Product60DigitsCentred", OperationType::Multiplication, 60, false,
                   Alignment::Centred},
        AnswerCase{"Product61DigitsLeft", OperationType::Multiplication, 61, false,
                   Alignment::Left},
        AnswerCase{"ColumnText60BytesCentred", OperationType::Addition, 60, true,
                   Alignment::Centred},
        AnswerCase{"ColumnText61BytesLeft", OperationType::Addition, 61, true, Alignment::Left}),
    [](const auto& param) { return std::string(param.param.name); });

using AnswerAlignmentTest = DrillWindow;

TEST_F(AnswerAlignmentTest, ALongAnswerIsLeftAlignedAgainAfterAShortOne) {
  // The alignment follows each answer; it is not kept from the problem before.
  choose(OperationType::Multiplication, 40, 40);
  ui_.click(Control::选择框1);
  ui_.click(Control::按钮1);
  ui_.click(Control::按钮2);
  EXPECT_EQ(ui_.alignment(Control::编辑框2), Alignment::Left);
  ui_.pickListItem(Control::组合框1, 1);
  ui_.pickListItem(Control::组合框4, 1);
  ui_.click(Control::按钮1);
  ui_.click(Control::按钮2);
  EXPECT_EQ(ui_.alignment(Control::编辑框2), Alignment::Centred);
}

}  // namespace
}  // namespace presentation_test
