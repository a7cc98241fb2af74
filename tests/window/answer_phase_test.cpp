// The drill's phases across the handlers of 按钮1 to 按钮4, Enter and the spinner: the enabled
// states of the three buttons, the caption of 按钮3 and the mask of 编辑框2.

#include <functional>
#include <string>
#include <vector>

#include "presentation_window_fixture.h"

namespace presentation_test {
namespace {

using drill::OperationType;
using toolkit::Operation;

struct Step {
  const char* action;
  std::function<void(MemoryToolkit&)> act;
  Phase phase;
  const char* caption;  // of 按钮3, UTF-8
  bool masked;          // 编辑框2 in password mode
};

void clickIn(MemoryToolkit& ui, Control c) {
  ui.click(c);
}

class AnswerPhaseTest : public DrillWindow, public ::testing::WithParamInterface<OperationType> {};

TEST_P(AnswerPhaseTest, EveryHandlerLeavesTheButtonsOfItsPhase) {
  choose(GetParam(), 3, 2);
  ASSERT_EQ(phase(), kReady);

  const std::vector<Step> steps{
      {"generate", [](auto& ui) { clickIn(ui, Control::按钮1); }, kGenerated, "显示答案", true},
      {"generate while Generated (disabled)", [](auto& ui) { clickIn(ui, Control::按钮1); },
       kGenerated, "显示答案", true},
      {"verify in Generated", [](auto& ui) { clickIn(ui, Control::按钮4); }, kGenerated, "显示答案",
       true},
      {"start", [](auto& ui) { clickIn(ui, Control::按钮2); }, kPresented, "显示答案", true},
      {"start again (disabled)", [](auto& ui) { clickIn(ui, Control::按钮2); }, kPresented,
       "显示答案", true},
      {"generate while Presented (disabled)", [](auto& ui) { clickIn(ui, Control::按钮1); },
       kPresented, "显示答案", true},
      {"Enter in the answer input",
       [](auto& ui) {
         clickIn(ui, Control::编辑框4);
         ui.pressKey(13);
       },
       kPresented, "显示答案", true},
      {"spinner with the answer input focused", [](auto& ui) { ui.pressSpinArrow(1); }, kPresented,
       "显示答案", true},
      {"show the answer", [](auto& ui) { clickIn(ui, Control::按钮3); }, kAnswerToggled, "隐藏答案",
       false},
      {"hide the answer", [](auto& ui) { clickIn(ui, Control::按钮3); }, kAnswerToggled, "显示答案",
       true},
      {"show it again", [](auto& ui) { clickIn(ui, Control::按钮3); }, kAnswerToggled, "隐藏答案",
       false},
      {"verify while toggled", [](auto& ui) { clickIn(ui, Control::按钮4); }, kAnswerToggled,
       "隐藏答案", false},
      {"generate the next problem", [](auto& ui) { clickIn(ui, Control::按钮1); }, kGenerated,
       "显示答案", true},
      {"an option list changes", [](auto& ui) { ui.pickListItem(Control::组合框1, 4); }, kReady,
       "显示答案", true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.action);
    step.act(ui_);
    EXPECT_EQ(phase(), step.phase);
    EXPECT_EQ(ui_.text(Control::按钮3), gbk(step.caption));
    EXPECT_EQ(ui_.isPasswordMode(Control::编辑框2), step.masked);
  }
}

std::string kindName(const ::testing::TestParamInfo<OperationType>& info) {
  constexpr const char* kNames[] = {"Addition", "MixedAddSub", "Multiplication", "Division"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Kinds, AnswerPhaseTest,
                         ::testing::Values(OperationType::Addition, OperationType::MixedAddSub,
                                           OperationType::Multiplication, OperationType::Division),
                         kindName);

using GenerateTest = DrillWindow;

TEST_F(GenerateTest, GenerationShowsItsProgressAndLeavesTheAnswerBoxEmpty) {
  choose(OperationType::Addition, 5, 10);
  ui_.typeText(Control::编辑框2, "old answer");
  ui_.typeText(Control::编辑框4, "12345");
  ui_.clearRecords();

  ui_.click(Control::按钮1);

  // "系统正在出题" is painted before the overlay shows, "系统出题完毕" at the end, and the overlay
  // stays up.
  const auto overlayPaints = forcedPaints(Control::透明标签1);
  ASSERT_EQ(overlayPaints.size(), 2U);
  EXPECT_EQ(overlayPaints[0].state.text, gbk("系统正在出题"));
  EXPECT_EQ(overlayPaints[1].state.text, gbk("系统出题完毕"));
  EXPECT_TRUE(ui_.isVisible(Control::透明标签1));
  EXPECT_EQ(ui_.text(Control::透明标签1), gbk("系统出题完毕"));
  const auto shows = logged(Operation::SetVisible, Control::透明标签1);
  ASSERT_EQ(shows.size(), 1U);
  EXPECT_EQ(shows[0].value, 1);

  // The reset step ran (the boxes are cleared) and the answer waits for the presentation.
  EXPECT_EQ(ui_.text(Control::编辑框2), "");
  EXPECT_EQ(ui_.text(Control::编辑框4), "");
  EXPECT_TRUE(ui_.isPasswordMode(Control::编辑框2));
  // The column was made: 20 addends of 5 digits.
  for (const UnlNum& addend : state_.addends) EXPECT_EQ(UnlNum::toText(addend).size(), 5U);
  // The column drills let no events run inside the generation.
  EXPECT_EQ(ui_.pendingEventRuns(), 0);
}

TEST_F(GenerateTest, ProductGenerationLetsTheOverlayAppearAndRefusesANestedGeneration) {
  choose(OperationType::Multiplication, 40, 30);
  int yields = 0;
  std::string overlayDuringYield;
  bool overlayVisibleDuringYield = false;
  ui_.setPendingEventsHook([&] {
    ++yields;
    overlayDuringYield = ui_.text(Control::透明标签1);
    overlayVisibleDuringYield = ui_.isVisible(Control::透明标签1);
    // A second click on 按钮1, still enabled at this moment, handled inside the yield.
    ui_.click(Control::按钮1);
  });
  ui_.clearRecords();

  ui_.click(Control::按钮1);

  EXPECT_EQ(yields, 1);
  EXPECT_EQ(overlayDuringYield, gbk("系统正在出题"));
  EXPECT_TRUE(overlayVisibleDuringYield);
  int generationsStarted = 0;
  for (const auto& entry : logged(Operation::SetText, Control::透明标签1)) {
    if (entry.text == gbk("系统正在出题")) ++generationsStarted;
  }
  EXPECT_EQ(generationsStarted, 1);
  EXPECT_EQ(phase(), kGenerated);
  EXPECT_EQ(UnlNum::toText(state_.operandA).size(), 40U);
  EXPECT_EQ(UnlNum::toText(state_.operandB).size(), 30U);

  // Once the first generation is over, 按钮1 works again in the phase that allows it.
  ui_.setPendingEventsHook({});
  ui_.click(Control::按钮2);
  ui_.click(Control::按钮3);
  ui_.click(Control::按钮1);
  EXPECT_EQ(phase(), kGenerated);
}

}  // namespace
}  // namespace presentation_test
