// Opening and closing the window: the option lists filled and restored from admin.ini, the
// first reset, and the five keys written back at close.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/window/case_name.h"
#include "tests/window/gbk_literal.h"
#include "tests/window/handlers_fixture.h"

namespace {

using testing_gbk::gbk;
using testing_window::kSectionLine;
using testing_window::WindowFixture;
using toolkit::Control;
using toolkit::LogEntry;
using toolkit::Operation;

class StartUpTest : public WindowFixture {};

std::vector<std::string> numberTexts(int first, int last) {
  std::vector<std::string> texts;
  for (int i = first; i <= last; ++i) texts.push_back(std::to_string(i));
  return texts;
}

/// The log entries of one kind of operation, in order.
std::vector<LogEntry> entriesOf(const std::vector<LogEntry>& log, Operation operation) {
  std::vector<LogEntry> found;
  std::copy_if(log.begin(), log.end(), std::back_inserter(found),
               [&](const LogEntry& e) { return e.operation == operation; });
  return found;
}

TEST_F(StartUpTest, FirstRunWithoutSettingsOpensWithDefaults) {
  openWindow();

  EXPECT_EQ(ui.listItems(Control::组合框1), numberTexts(1, 5000));
  EXPECT_EQ(ui.listItems(Control::组合框4), numberTexts(1, 5000));
  EXPECT_EQ(ui.listItems(Control::组合框3), numberTexts(4, 40));
  EXPECT_EQ(ui.listItems(Control::组合框2),
            (std::vector<std::string>{" + ", " +  - ", gbk(" × "), gbk(" ÷ ")}));
  EXPECT_EQ(ui.listPosition(Control::组合框2), 0);
  EXPECT_EQ(ui.text(Control::组合框1), "1");
  EXPECT_EQ(ui.text(Control::组合框4), "1");
  EXPECT_EQ(ui.text(Control::组合框3), "4");
  EXPECT_EQ(state.maxDigits, 5000);
  EXPECT_EQ(state.digitCount1, 1);
  EXPECT_EQ(state.digitCount2, 1);
  EXPECT_EQ(ui.text(Control::标签6), gbk("  计算题型： 1 位数加法 4 秒"));
  EXPECT_EQ(ui.windowTitle(), "Tallyvane-byKorvessa");
  EXPECT_FALSE(ui.isVisible(Control::组合框4));
  EXPECT_TRUE(ui.isVisible(Control::组合框3));
  EXPECT_EQ(ui.focusedControl(), Control::组合框2);
  EXPECT_EQ(ui.visualStylesEnabledCount(), 1);
  expectReady();
  EXPECT_TRUE(ui.messageBoxes().empty());
  EXPECT_FALSE(iniExists());  // start-up only reads
}

TEST_F(StartUpTest, StartUpRunsItsStepsInTheDefinedOrder) {
  writeIni("5=3\n");
  openWindow();
  const std::vector<LogEntry>& log = ui.log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().operation, Operation::EnableVisualStyles);

  // Both digit lists in step, then the time list, then the operations.
  const std::vector<LogEntry> adds = entriesOf(log, Operation::AddListItem);
  ASSERT_EQ(adds.size(), 6u + 37u + 4u);
  const std::vector<std::pair<Control, std::string>> digitAdds{
      {Control::组合框1, "1"}, {Control::组合框4, "1"}, {Control::组合框1, "2"},
      {Control::组合框4, "2"}, {Control::组合框1, "3"}, {Control::组合框4, "3"}};
  for (std::size_t i = 0; i < digitAdds.size(); ++i) {
    EXPECT_EQ(adds[i].control, digitAdds[i].first) << i;
    EXPECT_EQ(adds[i].text, digitAdds[i].second) << i;
  }
  EXPECT_EQ(adds[6].control, Control::组合框3);
  EXPECT_EQ(adds[6 + 36].control, Control::组合框3);
  EXPECT_EQ(adds[6 + 37].control, Control::组合框2);

  // Positions restored 2, 1, 4, 3 after every item exists; the focus, then the panel.
  const auto firstPosition = std::find_if(log.begin(), log.end(), [](const LogEntry& e) {
    return e.operation == Operation::SetListPosition;
  });
  const auto lastAdd = std::find_if(log.rbegin(), log.rend(), [](const LogEntry& e) {
    return e.operation == Operation::AddListItem;
  });
  const auto lastAddIndex = (lastAdd.base() - log.begin()) - 1;
  EXPECT_LT(lastAddIndex, firstPosition - log.begin());
  const std::vector<LogEntry> positions = entriesOf(log, Operation::SetListPosition);
  ASSERT_GE(positions.size(), 5u);
  EXPECT_EQ(positions[0].control, Control::组合框2);
  EXPECT_EQ(positions[1].control, Control::组合框1);
  EXPECT_EQ(positions[2].control, Control::组合框4);
  EXPECT_EQ(positions[3].control, Control::组合框3);
  // onOperationChanged (Addition) sets 组合框4 once more, after the focus went to 组合框2.
  const auto focus = std::find_if(
      log.begin(), log.end(), [](const LogEntry& e) { return e.operation == Operation::SetFocus; });
  ASSERT_NE(focus, log.end());
  EXPECT_EQ(focus->control, Control::组合框2);
  const auto panel = std::find_if(focus, log.end(), [](const LogEntry& e) {
    return e.operation == Operation::SetListPosition;
  });
  ASSERT_NE(panel, log.end());
  EXPECT_EQ(panel->control, Control::组合框4);
  // The phase Ready is the last thing start-up sets.
  EXPECT_EQ(log.back().operation, Operation::SetEnabled);
  EXPECT_EQ(log.back().control, Control::按钮3);
  EXPECT_EQ(log.back().value, 0);
}

struct StartCase {
  const char* name;
  const char* keyLines;  // admin.ini below its section line
  int digitItems;        // items in each digit list
  int operation;         // positions after start-up
  int digits1;
  int digits2;
  int timeLimit;
  int digitCount1;  // the drill's counts after the first reset
  int digitCount2;
  const char* closingKeys;  // admin.ini after closing right away, below its section line
};

class StartTest : public WindowFixture, public testing::WithParamInterface<StartCase> {};

TEST_P(StartTest, RestoresTheListsFromTheSettingsAndWritesThemBackAtClose) {
  const StartCase& c = GetParam();
  writeIni(c.keyLines);
  openWindow();

  EXPECT_EQ(ui.listCount(Control::组合框1), c.digitItems);
  EXPECT_EQ(ui.listCount(Control::组合框4), c.digitItems);
  EXPECT_EQ(ui.listCount(Control::组合框3), 37);
  EXPECT_EQ(ui.listPosition(Control::组合框2), c.operation);
  EXPECT_EQ(ui.listPosition(Control::组合框1), c.digits1);
  EXPECT_EQ(ui.listPosition(Control::组合框4), c.digits2);
  EXPECT_EQ(ui.listPosition(Control::组合框3), c.timeLimit);
  EXPECT_EQ(state.digitCount1, c.digitCount1);
  EXPECT_EQ(state.digitCount2, c.digitCount2);
  EXPECT_TRUE(ui.messageBoxes().empty());
  EXPECT_EQ(ui.focusedControl(), Control::组合框2);
  expectReady();

  ui.close();
  // Keys that exist keep their lines; the file had all five, so their order stays.
  EXPECT_EQ(iniContent(), std::string(kSectionLine) + "\n" + c.closingKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartTest,
    testing::Values(StartCase{"TwelveDigitsPositionPastTheEnd", "5=12\n1=0\n2=40\n3=0\n4=0\n", 12,
                              0, 11, 11, 0, 12, 12, "5=12\n1=0\n2=11\n3=0\n4=11\n"},
                    StartCase{"NoDigits", "5=0\n1=0\n2=3\n3=0\n4=3\n", 0, 0, -1, -1, 0, 0, 0,
                              "5=0\n1=0\n2=-1\n3=0\n4=-1\n"},
                    StartCase{"NegativeMaximumIsKept", "5=-7\n1=2\n2=0\n3=0\n4=0\n", 0, 2, -1, -1,
                              0, 0, 0, "5=-7\n1=2\n2=-1\n3=0\n4=-1\n"},
                    StartCase{"UnreadableMaximumIsZero", "5=many\n1=0\n2=0\n3=0\n4=0\n", 0, 0, -1,
                              -1, 0, 0, 0, "5=0\n1=0\n2=-1\n3=0\n4=-1\n"},
                    StartCase{"DivisionRestoredWithoutMessage", "5=30\n1=3\n2=4\n3=0\n4=9\n", 30, 3,
                              4, 9, 0, 5, 10, "5=30\n1=3\n2=4\n3=0\n4=9\n"},
                    StartCase{"AdditionOverridesKey4", "5=30\n1=0\n2=6\n3=0\n4=2\n", 30, 0, 6, 6, 0,
                              7, 7, "5=30\n1=0\n2=6\n3=0\n4=6\n"},
                    StartCase{"MixedOverridesKey4", "5=30\n1=1\n2=6\n3=0\n4=2\n", 30, 1, 6, 6, 0, 7,
                              7, "5=30\n1=1\n2=6\n3=0\n4=6\n"},
                    StartCase{"OperationPastTheEndIsDivision", "5=30\n1=7\n2=9\n3=5\n4=0\n", 30, 3,
                              9, 0, 5, 10, 1, "5=30\n1=3\n2=9\n3=5\n4=0\n"},
                    StartCase{"TimeLimitPastTheEnd", "5=30\n1=0\n2=0\n3=99\n4=0\n", 30, 0, 0, 0, 36,
                              1, 1, "5=30\n1=0\n2=0\n3=36\n4=0\n"},
                    StartCase{"NegativePositionsSelectNothing",
                              "5=30\n1=2\n2=-3\n3=-1\n4=-2147483648\n", 30, 2, -1, -1, -1, 0, 0,
                              "5=30\n1=2\n2=-1\n3=-1\n4=-1\n"},
                    StartCase{"FullWidthDigitsRead",
                              "5=\xA3\xB1\xA3\xB5\n1=2\n2=\xA3\xB3\n3=0\n4=1\n", 15, 2, 3, 1, 0, 4,
                              2, "5=15\n1=2\n2=3\n3=0\n4=1\n"}),
    testing_window::CaseName());

TEST_F(StartUpTest, OperationKeyMinusOneOpensWithoutAnOperationAndSavesMinusOne) {
  writeIni("5=30\n1=-1\n2=24\n3=2\n4=0\n");
  openWindow();
  EXPECT_EQ(ui.listPosition(Control::组合框2), -1);
  EXPECT_EQ(ui.text(Control::组合框2), "");
  // The panel of the column drills, the caption prefix alone and the default title.
  EXPECT_FALSE(ui.isVisible(Control::组合框4));
  EXPECT_TRUE(ui.isVisible(Control::组合框3));
  EXPECT_EQ(ui.text(Control::标签1), gbk("数字位数"));
  EXPECT_EQ(ui.listPosition(Control::组合框4), 24);
  EXPECT_EQ(state.questionTypeText, "");
  EXPECT_EQ(ui.text(Control::标签6), gbk("  计算题型： "));
  EXPECT_EQ(ui.windowTitle(), "Tallyvane-byKorvessa");
  expectReady();

  ui.close();
  EXPECT_EQ(drill::readSetting("1"), "-1");
  EXPECT_EQ(drill::readSetting("4"), "24");
}

TEST_F(StartUpTest, HugeMaximumIsCappedAtOneHundredThousandAndWrittenBackCapped) {
  writeIni("5=2000000000\n1=0\n2=2000000000\n3=0\n4=0\n");
  openWindow();
  EXPECT_EQ(state.maxDigits, 100000);
  EXPECT_EQ(ui.listCount(Control::组合框1), 100000);
  EXPECT_EQ(ui.listCount(Control::组合框4), 100000);
  EXPECT_EQ(ui.listItem(Control::组合框1, 99999), "100000");
  EXPECT_EQ(ui.listPosition(Control::组合框1), 99999);
  EXPECT_EQ(state.digitCount1, 100000);
  ui.close();
  EXPECT_EQ(drill::readSetting("5"), "100000");
}

struct CapCase {
  const char* name;
  const char* maximum;
  int digitItems;
};

class MaximumTest : public WindowFixture, public testing::WithParamInterface<CapCase> {};

TEST_P(MaximumTest, MaximumUpToTheCapIsTakenAsItStands) {
  writeIni(std::string("5=") + GetParam().maximum + "\n");
  openWindow();
  EXPECT_EQ(state.maxDigits, GetParam().digitItems);
  EXPECT_EQ(ui.listCount(Control::组合框1), GetParam().digitItems);
}

INSTANTIATE_TEST_SUITE_P(Maximums, MaximumTest,
                         testing::Values(CapCase{"JustBelowTheCap", "99999", 99999},
                                         CapCase{"AtTheCap", "100000", 100000},
                                         CapCase{"JustAboveTheCap", "100001", 100000},
                                         CapCase{"PastInt32", "99999999999", 100000}),
                         testing_window::CaseName());

// --- Closing ----------------------------------------------------------------------------------

TEST_F(StartUpTest, ClosingAfterAFirstRunWritesTheFiveKeysInOrder) {
  openWindow();
  ui.close();
  EXPECT_EQ(iniContent(), std::string(kSectionLine) + "\n1=0\n2=0\n4=0\n3=0\n5=5000\n");
}

TEST_F(StartUpTest, ClosingSavesTheChoicesMadeWhileRunning) {
  openWindow();
  ui.pickListItem(Control::组合框3, 20);
  ui.pickListItem(Control::组合框2, 3);
  ui.pickListItem(Control::组合框1, 29);
  ui.pickListItem(Control::组合框4, 11);
  ui.pickListItem(Control::组合框2, 2);
  ui.pressKey(27);  // Esc closes as the close button does
  EXPECT_EQ(drill::readSetting("1"), "2");
  EXPECT_EQ(drill::readSetting("2"), "29");
  EXPECT_EQ(drill::readSetting("4"), "11");
  EXPECT_EQ(drill::readSetting("3"), "20");
  EXPECT_EQ(drill::readSetting("5"), "5000");
}

}  // namespace
