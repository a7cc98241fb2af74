// The option lists and the reset step: what each pick changes on the window, in the drill and
// in admin.ini.

#include <gtest/gtest.h>

#include <string>

#include "tests/window/case_name.h"
#include "tests/window/gbk_literal.h"
#include "tests/window/handlers_fixture.h"

namespace {

using drill::OperationType;
using testing_gbk::gbk;
using testing_window::WindowFixture;
using toolkit::Control;

class OptionListTest : public WindowFixture {};

const std::string kDefaultTitle = "Tallyvane-byKorvessa";
const std::string kBigNumberTitle = gbk("大数计算");

// --- The panel by operation ------------------------------------------------------------------

struct PanelCase {
  const char* name;
  int operationPosition;  // -1: nothing selected (only a settings file can cause it)
  bool twoDigitCounts;    // 标签3 and 组合框4 shown, 标签4 and 组合框3 hidden
  const char* caption1;
  const char* caption3;
  bool secondFollowsFirst;
};

class PanelTest : public WindowFixture, public testing::WithParamInterface<PanelCase> {};

TEST_P(PanelTest, OperationChangeLaysOutThePanelAndResets) {
  const PanelCase& c = GetParam();
  openWindow();
  pickOperation(OperationType::Multiplication);
  pickDigits1(7);
  pickDigits2(3);
  fillBoxesAsAfterGeneration();

  if (c.operationPosition < 0) {
    ui.setListPosition(Control::组合框2, -1);
    handlers.onOperationChanged();
  } else {
    ui.pickListItem(Control::组合框2, c.operationPosition);
  }

  EXPECT_EQ(ui.isVisible(Control::标签3), c.twoDigitCounts);
  EXPECT_EQ(ui.isVisible(Control::组合框4), c.twoDigitCounts);
  EXPECT_EQ(ui.isVisible(Control::标签4), !c.twoDigitCounts);
  EXPECT_EQ(ui.isVisible(Control::组合框3), !c.twoDigitCounts);
  EXPECT_EQ(ui.text(Control::标签1), gbk(c.caption1));
  EXPECT_EQ(ui.text(Control::标签3), gbk(c.caption3));
  EXPECT_EQ(ui.listPosition(Control::组合框4), c.secondFollowsFirst ? 6 : 2);
  EXPECT_EQ(state.digitCount1, 7);
  EXPECT_EQ(state.digitCount2, c.secondFollowsFirst ? 7 : 3);
  expectReady();
  EXPECT_EQ(drill::readSetting("1"), "");  // the operation is saved only at close
}

INSTANTIATE_TEST_SUITE_P(
    Operations, PanelTest,
    testing::Values(PanelCase{"Addition", 0, false, "数字位数", "数字位数", true},
                    PanelCase{"MixedAddSub", 1, false, "数字位数", "数字位数", true},
                    PanelCase{"Multiplication", 2, true, "位数①", "位数②", false},
                    PanelCase{"Division", 3, true, "位数①", "位数②", false},
                    PanelCase{"NothingSelected", -1, false, "数字位数", "数字位数", true}),
    testing_window::CaseName());

TEST_F(OptionListTest, OperationWithoutSelectionShowsAnEmptyDescriptionAndTheDefaultTitle) {
  openWindow();
  pickDigits1(30);
  ASSERT_EQ(ui.windowTitle(), kBigNumberTitle);
  ui.setListPosition(Control::组合框2, -1);
  handlers.onOperationChanged();
  EXPECT_EQ(state.questionTypeText, "");
  EXPECT_EQ(ui.text(Control::标签6), gbk("  计算题型： "));
  EXPECT_EQ(ui.windowTitle(), kDefaultTitle);
  EXPECT_EQ(state.digitCount1, 30);
  expectReady();
}

// --- The first digit count -------------------------------------------------------------------

struct Digits1Case {
  const char* name;
  int operationPosition;
  bool secondFollowsFirst;
};

class Digits1Test : public WindowFixture, public testing::WithParamInterface<Digits1Case> {};

TEST_P(Digits1Test, SavesKey2AtOnceAndMovesTheSecondListOnlyInAddition) {
  const Digits1Case& c = GetParam();
  openWindow();
  ui.setListPosition(Control::组合框2, c.operationPosition);
  handlers.onOperationChanged();
  ui.setListPosition(Control::组合框4, 2);
  fillBoxesAsAfterGeneration();

  pickDigits1(12);

  EXPECT_EQ(drill::readSetting("2"), "11");
  EXPECT_EQ(drill::readSetting("4"), "");
  EXPECT_EQ(ui.listPosition(Control::组合框4), c.secondFollowsFirst ? 11 : 2);
  EXPECT_EQ(state.digitCount1, 12);
  EXPECT_EQ(state.digitCount2, c.secondFollowsFirst ? 12 : 3);
  expectReady();
}

INSTANTIATE_TEST_SUITE_P(Operations, Digits1Test,
                         testing::Values(Digits1Case{"Addition", 0, true},
                                         Digits1Case{"MixedAddSub", 1, false},
                                         Digits1Case{"Multiplication", 2, false},
                                         Digits1Case{"Division", 3, false},
                                         Digits1Case{"NothingSelected", -1, true}),
                         testing_window::CaseName());

// --- The second digit count and the division check -------------------------------------------

struct Digits2Case {
  const char* name;
  OperationType operation;
  int digits1;
  int digits2;
  bool refused;
};

class Digits2Test : public WindowFixture, public testing::WithParamInterface<Digits2Case> {};

TEST_P(Digits2Test, DivisionCheckRefusesADivisorAsLongAsTheDividend) {
  const Digits2Case& c = GetParam();
  openWindow();
  pickOperation(c.operation);
  pickDigits1(c.digits1);
  const std::string descriptionBefore = state.questionTypeText;
  const std::int32_t digitCount2Before = state.digitCount2;
  fillBoxesAsAfterGeneration();

  pickDigits2(c.digits2);

  EXPECT_EQ(ui.listPosition(Control::组合框4), c.digits2 - 1);  // the pick stands either way
  EXPECT_EQ(drill::readSetting("4"), std::to_string(c.digits2 - 1));
  if (c.refused) {
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].text, gbk("除法中，被除数应大于除数！\r\n　　请重新选择！"));
    EXPECT_EQ(ui.messageBoxes()[0].title, gbk("错误提示！"));
    EXPECT_EQ(ui.messageBoxes()[0].icon, toolkit::MessageIcon::Error);
    EXPECT_EQ(state.digitCount2, digitCount2Before);
    EXPECT_EQ(state.questionTypeText, descriptionBefore);
    EXPECT_EQ(ui.text(Control::编辑框3), "123");
    expectButtons(false, true, false);
  } else {
    EXPECT_TRUE(ui.messageBoxes().empty());
    EXPECT_EQ(state.digitCount2, c.digits2);
    expectReady();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Picks, Digits2Test,
    testing::Values(
        Digits2Case{"DivisionEqualCountsRefused", OperationType::Division, 5, 5, true},
        Digits2Case{"DivisionLongerDivisorRefused", OperationType::Division, 5, 6, true},
        Digits2Case{"DivisionShorterDivisorAccepted", OperationType::Division, 5, 4, false},
        Digits2Case{"DivisionOneDigitDivisorAccepted", OperationType::Division, 2, 1, false},
        Digits2Case{"MultiplicationLongerSecondAccepted", OperationType::Multiplication, 3, 9,
                    false},
        Digits2Case{"MultiplicationEqualCountsAccepted", OperationType::Multiplication, 3, 3,
                    false}),
    testing_window::CaseName());

TEST_F(OptionListTest, RefusedDivisorStaysSavedAndIsNotCheckedAgainOnOtherChanges) {
  openWindow();
  pickOperation(OperationType::Division);
  pickDigits1(5);
  pickDigits2(6);
  ASSERT_EQ(ui.messageBoxes().size(), 1u);
  // A change of the dividend's count that leaves the divisor longer goes through silently.
  pickDigits1(3);
  EXPECT_EQ(ui.messageBoxes().size(), 1u);
  EXPECT_EQ(state.digitCount1, 3);
  EXPECT_EQ(state.digitCount2, 6);
  EXPECT_EQ(state.questionTypeText, gbk("3　位数　÷　6　位数"));
}

// --- The reset step: description, caption and title ------------------------------------------

struct DescriptionCase {
  const char* name;
  OperationType operation;
  int digits1;
  int digits2;
  int timeLimit;  // 0: nothing selected in 组合框3
  const char* description;
};

class DescriptionTest : public WindowFixture,
                        public testing::WithParamInterface<DescriptionCase> {};

TEST_P(DescriptionTest, ResetDescribesTheQuestionInTheCaptionBar) {
  const DescriptionCase& c = GetParam();
  openWindow();
  pickOperation(c.operation);
  ui.setListPosition(Control::组合框1, c.digits1 - 1);
  ui.setListPosition(Control::组合框4, c.digits2 - 1);
  ui.setListPosition(Control::组合框3, c.timeLimit == 0 ? -1 : c.timeLimit - 4);
  handlers.resetQuestion();
  EXPECT_EQ(state.questionTypeText, gbk(c.description));
  EXPECT_EQ(ui.text(Control::标签6), gbk("  计算题型： ") + gbk(c.description));
}

INSTANTIATE_TEST_SUITE_P(
    Questions, DescriptionTest,
    testing::Values(
        DescriptionCase{"Addition", OperationType::Addition, 12, 12, 10, "12 位数加法 10 秒"},
        DescriptionCase{"MixedWithoutTimeLimit", OperationType::MixedAddSub, 3, 3, 0,
                        "3 位数加减混合  秒"},
        DescriptionCase{"Multiplication", OperationType::Multiplication, 7, 2, 4,
                        "7　位数　×　2　位数"},
        DescriptionCase{"Division", OperationType::Division, 5, 3, 40, "5　位数　÷　3　位数"}),
    testing_window::CaseName());

struct TitleCase {
  const char* name;
  OperationType operation;
  int digits1;
  int digits2;
  bool bigNumbers;
};

class TitleTest : public WindowFixture, public testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, TitleTurnsToBigNumbersAbove20Digits) {
  const TitleCase& c = GetParam();
  openWindow();
  pickOperation(c.operation);
  ui.setListPosition(Control::组合框1, c.digits1 - 1);
  ui.setListPosition(Control::组合框4, c.digits2 - 1);
  handlers.resetQuestion();
  EXPECT_EQ(ui.windowTitle(), c.bigNumbers ? kBigNumberTitle : kDefaultTitle);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TitleTest,
    testing::Values(TitleCase{"Both20", OperationType::Multiplication, 20, 20, false},
                    TitleCase{"First21", OperationType::Multiplication, 21, 1, true},
                    TitleCase{"Second21", OperationType::Multiplication, 1, 21, true},
                    TitleCase{"Addition21", OperationType::Addition, 21, 21, true},
                    TitleCase{"MixedWithHiddenSecond30", OperationType::MixedAddSub, 10, 30, true},
                    TitleCase{"OneDigit", OperationType::Division, 1, 1, false}),
    testing_window::CaseName());

TEST_F(OptionListTest, PickingPast20DigitsAndBackSwitchesTheTitle) {
  openWindow();
  pickDigits1(21);
  EXPECT_EQ(ui.windowTitle(), kBigNumberTitle);
  pickDigits1(20);
  EXPECT_EQ(ui.windowTitle(), kDefaultTitle);
}

TEST_F(OptionListTest, MixedDrillKeepsTheHiddenSecondCountAndWithItTheBigTitle) {
  openWindow();
  pickDigits1(30);  // Addition: the hidden 组合框4 follows to 30
  pickOperation(OperationType::MixedAddSub);
  pickDigits1(10);
  EXPECT_EQ(ui.listPosition(Control::组合框4), 29);
  EXPECT_EQ(state.digitCount2, 30);
  EXPECT_EQ(ui.windowTitle(), kBigNumberTitle);
}

TEST_F(OptionListTest, SwitchingFromMultiplicationToAdditionEqualsTheDigitCounts) {
  openWindow();
  pickOperation(OperationType::Multiplication);
  pickDigits1(8);
  pickDigits2(15);
  pickOperation(OperationType::Addition);
  EXPECT_FALSE(ui.isVisible(Control::组合框4));
  EXPECT_EQ(ui.listPosition(Control::组合框4), 7);
  EXPECT_EQ(state.digitCount1, 8);
  EXPECT_EQ(state.digitCount2, 8);
}

// --- The time limit ----------------------------------------------------------------------------

TEST_F(OptionListTest, TimeLimitPickResetsTheProblemAndSavesNothing) {
  openWindow();
  fillBoxesAsAfterGeneration();
  const std::string verdict = gbk("正　确　！");
  ui.setText(Control::标签7, verdict);
  ui.setText(Control::按钮3, gbk("隐藏答案"));
  ui.setPasswordMode(Control::编辑框2, false);
  ui.setFontSize(Control::编辑框3, 40);
  ui.setText(Control::透明标签1, gbk("系统出题完毕"));

  pickTimeLimit(10);

  expectReady();
  EXPECT_EQ(state.questionTypeText, gbk("1 位数加法 10 秒"));
  // What the reset leaves alone.
  EXPECT_EQ(ui.text(Control::标签7), verdict);
  EXPECT_EQ(ui.text(Control::按钮3), gbk("隐藏答案"));
  EXPECT_FALSE(ui.isPasswordMode(Control::编辑框2));
  EXPECT_EQ(ui.fontSize(Control::编辑框3), 40);
  EXPECT_EQ(ui.text(Control::透明标签1), gbk("系统出题完毕"));
  EXPECT_FALSE(iniExists());
}

}  // namespace
