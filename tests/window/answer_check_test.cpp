// Checking the typed answer with Enter in 编辑框4 and with 按钮4, and the font-size spinner.

#include <string>
#include <vector>

#include "presentation_window_fixture.h"

namespace presentation_test {
namespace {

using drill::OperationType;

enum class Trigger { EnterKey, VerifyButton };

struct TypedCase {
  const char* name;
  Trigger trigger;
  // Builds the typed text from the answer as it stands in 编辑框2 without its blank runs.
  std::string (*typed)(const std::string& answer);
  bool correct;
};

class AnswerCheckTest : public DrillWindow, public ::testing::WithParamInterface<TypedCase> {
 protected:
  void check(Trigger trigger) {
    if (trigger == Trigger::EnterKey) {
      ui_.click(Control::编辑框4);
      ui_.pressKey(13);
    } else {
      ui_.click(Control::按钮4);
    }
  }
};

TEST_P(AnswerCheckTest, JudgesTheTypedAnswerAgainstTheMaskedAnswer) {
  const TypedCase& c = GetParam();
  drill::seedRandom(20261211);
  choose(OperationType::Multiplication, 6, 5);
  ui_.click(Control::按钮1);
  ui_.click(Control::按钮2);
  const std::string answer = UnlNum::toText(state_.productOrQuotient);
  // Framed by blank runs and still masked: the check reads the real text all the same.
  ASSERT_NE(ui_.text(Control::编辑框2), answer);
  ASSERT_TRUE(ui_.isPasswordMode(Control::编辑框2));

  ui_.typeText(Control::编辑框4, c.typed(answer));
  check(c.trigger);

  EXPECT_EQ(ui_.text(Control::标签7), gbk(c.correct ? "正　确　！" : "错　误　！"));
}

std::string same(const std::string& a) {
  return a;
}
std::string trailingSpace(const std::string& a) {
  return a + " ";
}
std::string leadingZero(const std::string& a) {
  return "0" + a;
}
std::string leadingSpace(const std::string& a) {
  return " " + a;
}
std::string nothing(const std::string&) {
  return "";
}
std::string lastDigitChanged(const std::string& a) {
  std::string b = a;
  b.back() = b.back() == '9' ? '0' : static_cast<char>(b.back() + 1);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, AnswerCheckTest,
    ::testing::Values(TypedCase{"ExactByEnter", Trigger::EnterKey, same, true},
                      TypedCase{"ExactByButton", Trigger::VerifyButton, same, true},
                      TypedCase{"TrailingSpaceByEnter", Trigger::EnterKey, trailingSpace, false},
                      TypedCase{"LeadingSpaceByButton", Trigger::VerifyButton, leadingSpace, false},
                      TypedCase{"LeadingZeroByEnter", Trigger::EnterKey, leadingZero, false},
                      TypedCase{"WrongDigitByButton", Trigger::VerifyButton, lastDigitChanged,
                                false},
                      TypedCase{"NothingByEnter", Trigger::EnterKey, nothing, false}),
    [](const auto& param) { return std::string(param.param.name); });

using VerifyTest = DrillWindow;

TEST_F(VerifyTest, ChangesNothingButTheVerdict) {
  choose(OperationType::Addition, 2, 4);
  ui_.click(Control::按钮1);
  ui_.click(Control::按钮2);
  ui_.typeText(Control::编辑框4, "999");
  std::vector<toolkit::ControlSnapshot> before;
  for (int i = 0; i < toolkit::kControlCount; ++i) {
    before.push_back(ui_.snapshot(static_cast<Control>(i)));
  }
  const auto focusBefore = ui_.focusedControl();

  ui_.pressKey(13);

  EXPECT_EQ(ui_.text(Control::标签7), gbk("错　误　！"));
  EXPECT_EQ(ui_.focusedControl(), focusBefore);
  for (int i = 0; i < toolkit::kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (c != Control::标签7) {
      EXPECT_EQ(ui_.snapshot(c), before[static_cast<std::size_t>(i)]) << i;
    }
  }
}

TEST_F(VerifyTest, KeysOtherThanEnterDoNotJudge) {
  ui_.click(Control::编辑框4);
  for (const int key : {10, 9, 32, 48, 65, 108}) ui_.pressKey(key);
  EXPECT_EQ(ui_.text(Control::标签7), "");
}

TEST_F(VerifyTest, AnEmptyAnswerBoxMatchesOnlyAnEmptyInput) {
  ui_.click(Control::按钮4);
  EXPECT_EQ(ui_.text(Control::标签7), gbk("正　确　！"));
  ui_.typeText(Control::编辑框4, "0");
  ui_.click(Control::按钮4);
  EXPECT_EQ(ui_.text(Control::标签7), gbk("错　误　！"));
  // The verdict outlives a reset.
  ui_.pickListItem(Control::组合框1, 6);
  EXPECT_EQ(ui_.text(Control::标签7), gbk("错　误　！"));
}

// The spinner.

struct SpinCase {
  const char* name;
  Control focus;  // clicked before the arrow
  int startSize;  // of the focused box, points
  int step;
  int expectedSize;  // of the focused box afterwards
};

class SpinnerTest : public DrillWindow, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinnerTest, StepsTheFocusedBoxWithinOneTo200Points) {
  const SpinCase& c = GetParam();
  const Control other = c.focus == Control::编辑框2 ? Control::编辑框3 : Control::编辑框2;
  ui_.setFontSize(c.focus, c.startSize);
  const int otherSize = ui_.fontSize(other);
  ui_.click(c.focus);
  ui_.clearRecords();

  ui_.pressSpinArrow(c.step);

  EXPECT_EQ(ui_.fontSize(c.focus), c.expectedSize);
  EXPECT_EQ(ui_.fontSize(other), otherSize);
  EXPECT_TRUE(ui_.messageBoxes().empty());
  const auto repaints = forcedPaints(c.focus);
  ASSERT_EQ(repaints.size(), 1U);
  EXPECT_EQ(repaints[0].state.fontSize, c.expectedSize);
  EXPECT_TRUE(ui_.hasFocus(c.focus));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinnerTest,
    ::testing::Values(SpinCase{"QuestionUp", Control::编辑框3, 36, +1, 37},
                      SpinCase{"QuestionDown", Control::编辑框3, 36, -1, 35},
                      SpinCase{"AnswerUp", Control::编辑框2, 29, +1, 30},
                      SpinCase{"AnswerDown", Control::编辑框2, 29, -1, 28},
                      SpinCase{"QuestionStopsAt200", Control::编辑框3, 200, +1, 200},
                      SpinCase{"AnswerStopsAt1", Control::编辑框2, 1, -1, 1},
                      SpinCase{"AnswerFrom2To1", Control::编辑框2, 2, -1, 1},
                      SpinCase{"QuestionFrom199To200", Control::编辑框3, 199, +1, 200}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(SpinnerTest, ShowsTheHintWhenNeitherBoxHasTheFocus) {
  for (const Control focus : {Control::编辑框4, Control::组合框2, Control::按钮4}) {
    SCOPED_TRACE(static_cast<int>(focus));
    ui_.click(focus);
    const int questionSize = ui_.fontSize(Control::编辑框3);
    const int answerSize = ui_.fontSize(Control::编辑框2);
    ui_.clearRecords();

    ui_.pressSpinArrow(+1);

    ASSERT_EQ(ui_.messageBoxes().size(), 1U);
    EXPECT_EQ(ui_.messageBoxes()[0].text, gbk("请用鼠标点击一下想调整的区域！"));
    EXPECT_EQ(ui_.messageBoxes()[0].title, gbk("操作提示！"));
    EXPECT_EQ(ui_.messageBoxes()[0].icon, toolkit::MessageIcon::None);
    EXPECT_EQ(ui_.fontSize(Control::编辑框3), questionSize);
    EXPECT_EQ(ui_.fontSize(Control::编辑框2), answerSize);
    EXPECT_TRUE(ui_.paints().empty());
  }
}

}  // namespace
}  // namespace presentation_test
