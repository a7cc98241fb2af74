// The in-memory toolkit that the handler tests stand on: its first state must be the window of
// the layout table, and every operation must keep the Toolkit contract.

#include "toolkit/memory/memory_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/case_name.h"
#include "window/layout.h"

namespace {

using toolkit::Alignment;
using toolkit::Control;
using toolkit::MemoryToolkit;
using toolkit::PaintCause;
using toolkit::Rgb;

MemoryToolkit windowAsCreated() {
  return MemoryToolkit(window::controlTable(), window::windowDescription());
}

TEST(MemoryToolkitTest, StartsAsTheLayoutTableDescribesTheWindow) {
  const MemoryToolkit ui = windowAsCreated();
  EXPECT_EQ(ui.windowTitle(), "Tallyvane-byKorvessa");
  for (const toolkit::ControlDescription& row : window::controlTable()) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_EQ(ui.text(row.id), row.text);
    EXPECT_TRUE(ui.isVisible(row.id));
    EXPECT_TRUE(ui.isEnabled(row.id));
    EXPECT_EQ(ui.isPasswordMode(row.id), row.password);
    EXPECT_EQ(ui.isChecked(row.id), row.checked);
    EXPECT_EQ(ui.alignment(row.id), row.alignment);
    EXPECT_EQ(ui.listCount(row.id), 0);
    EXPECT_EQ(ui.listPosition(row.id), -1);
    EXPECT_FALSE(ui.hasFocus(row.id));
  }
  // The boxes that the handlers rely on, spelled out.
  EXPECT_TRUE(ui.isPasswordMode(Control::编辑框2));
  EXPECT_FALSE(ui.isPasswordMode(Control::编辑框3));
  EXPECT_TRUE(ui.isChecked(Control::选择框1));
  EXPECT_EQ(ui.textColour(Control::编辑框3), (Rgb{255, 255, 255}));
  EXPECT_EQ(ui.alignment(Control::编辑框2), Alignment::Centred);
  EXPECT_EQ(ui.alignment(Control::编辑框3), Alignment::Left);
}

struct FontCase {
  Control box;
  int pixelHeight;
  int points;
};

TEST(MemoryToolkitTest, FontSizesAreThePixelHeightsInPointsAt96Dpi) {
  const MemoryToolkit ui = windowAsCreated();
  // 29 px = 21.75 pt, 24 px = 18 pt, 20 px = 15 pt, 64 px = 48 pt.
  for (const FontCase& c : std::vector<FontCase>{{Control::编辑框3, 29, 22},
                                                 {Control::编辑框2, 24, 18},
                                                 {Control::编辑框4, 20, 15},
                                                 {Control::透明标签1, 64, 48}}) {
    EXPECT_EQ(ui.pixelHeight(c.box), c.pixelHeight);
    EXPECT_EQ(ui.fontSize(c.box), c.points);
  }
}

struct SizeCase {
  const char* name;
  int points;
  int pixelHeight;
  int readBack;
};

class FontSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(FontSizeTest, HeightIsTheMagnitudeInPixelsAndReadsBackInPoints) {
  MemoryToolkit ui = windowAsCreated();
  ui.setFontSize(Control::编辑框3, GetParam().points);
  EXPECT_EQ(ui.pixelHeight(Control::编辑框3), GetParam().pixelHeight);
  EXPECT_EQ(ui.fontSize(Control::编辑框3), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FontSizeTest,
    testing::Values(SizeCase{"Base36", 36, 48, 36}, SizeCase{"Step37", 37, 49, 37},
                    SizeCase{"Step38", 38, 51, 38}, SizeCase{"One", 1, 1, 1},
                    SizeCase{"ZeroIsTheDefaultHeight", 0, MemoryToolkit::kDefaultPixelHeight, 9},
                    SizeCase{"NegativeByMagnitude", -91, 121, 91}),
    testing_window::CaseName());

struct PositionCase {
  const char* name;
  int requested;
  int selected;
};

class ListPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(ListPositionTest, ClampsToTheItemsAndShowsTheSelectedItem) {
  MemoryToolkit ui = windowAsCreated();
  for (const char* item : {"4", "5", "6"}) ui.addListItem(Control::组合框3, item);
  ui.setListPosition(Control::组合框3, GetParam().requested);
  EXPECT_EQ(ui.listPosition(Control::组合框3), GetParam().selected);
  const std::string expected =
      GetParam().selected < 0 ? "" : std::to_string(4 + GetParam().selected);
  EXPECT_EQ(ui.text(Control::组合框3), expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, ListPositionTest,
                         testing::Values(PositionCase{"First", 0, 0}, PositionCase{"Last", 2, 2},
                                         PositionCase{"PastTheEndSelectsTheLast", 3, 2},
                                         PositionCase{"FarPastTheEnd", 2147483647, 2},
                                         PositionCase{"MinusOneSelectsNothing", -1, -1},
                                         PositionCase{"BelowMinusOneSelectsNothing",
                                                      -2147483647 - 1, -1}),
                         testing_window::CaseName());

TEST(MemoryToolkitTest, EmptyListSelectsNothingAndItemsOutOfRangeAreEmpty) {
  MemoryToolkit ui = windowAsCreated();
  ui.setListPosition(Control::组合框1, 5);
  EXPECT_EQ(ui.listPosition(Control::组合框1), -1);
  ui.addListItem(Control::组合框1, "1");
  ui.addListItem(Control::组合框1, "2");
  EXPECT_EQ(ui.listItem(Control::组合框1, 1), "2");
  EXPECT_EQ(ui.listItem(Control::组合框1, 2), "");
  EXPECT_EQ(ui.listItem(Control::组合框1, -1), "");
}

TEST(MemoryToolkitTest, WaitsAndTonesAdvanceTheClockAndAreRecorded) {
  MemoryToolkit ui = windowAsCreated();
  ui.wait(1000);
  ui.beep(2000, 400);
  ui.wait(-5);
  ui.wait(0);
  EXPECT_EQ(ui.nowMs(), 1400);
  ASSERT_EQ(ui.waits().size(), 3u);
  EXPECT_EQ(ui.waits()[0].atMs, 0);
  EXPECT_EQ(ui.waits()[1].atMs, 1400);
  EXPECT_EQ(ui.waits()[1].milliseconds, 0);  // a negative wait waits 0
  ASSERT_EQ(ui.tones().size(), 1u);
  EXPECT_EQ(ui.tones()[0].atMs, 1000);
  EXPECT_EQ(ui.tones()[0].hertz, 2000);
  EXPECT_EQ(ui.tones()[0].milliseconds, 400);
}

TEST(MemoryToolkitTest, ForcedRepaintRecordsWhatTheControlShowedThen) {
  MemoryToolkit ui = windowAsCreated();
  ui.setText(Control::编辑框2,
             "12\xA1\xA1"
             "3");  // "12　3": four characters
  ui.wait(250);
  ui.repaintNow(Control::编辑框2);
  ui.setPasswordMode(Control::编辑框2, false);
  ui.setTextColour(Control::编辑框2, Rgb{255, 0, 0});
  ui.repaintNow(Control::编辑框2);

  ASSERT_EQ(ui.paints().size(), 2u);
  const toolkit::PaintRecord& masked = ui.paints()[0];
  EXPECT_EQ(masked.atMs, 250);
  EXPECT_EQ(masked.cause, PaintCause::Forced);
  EXPECT_EQ(masked.state.text,
            "12\xA1\xA1"
            "3");
  EXPECT_EQ(masked.state.shownText, "****");
  EXPECT_EQ(masked.state.textColour, (Rgb{0, 255, 0}));
  const toolkit::PaintRecord& shown = ui.paints()[1];
  EXPECT_EQ(shown.state.shownText,
            "12\xA1\xA1"
            "3");
  EXPECT_EQ(shown.state.textColour, (Rgb{255, 0, 0}));
}

TEST(MemoryToolkitTest, OverlayChangesAreRedrawnAtOnceOtherControlsWaitForARepaint) {
  MemoryToolkit ui = windowAsCreated();
  ui.setText(Control::透明标签1, "3");
  ui.setVisible(Control::透明标签1, false);
  ui.setText(Control::编辑框3, "123");
  ASSERT_EQ(ui.paints().size(), 2u);
  EXPECT_EQ(ui.paints()[0].control, Control::透明标签1);
  EXPECT_EQ(ui.paints()[0].cause, PaintCause::OverlayChange);
  EXPECT_EQ(ui.paints()[0].state.text, "3");
  EXPECT_FALSE(ui.paints()[1].state.visible);
}

TEST(MemoryToolkitTest, PendingEventsRunTheHookEachTime) {
  MemoryToolkit ui = windowAsCreated();
  int runs = 0;
  ui.setPendingEventsHook([&] { ++runs; });
  ui.handlePendingEvents();
  ui.handlePendingEvents();
  EXPECT_EQ(ui.pendingEventRuns(), 2);
  EXPECT_EQ(runs, 2);
}

TEST(MemoryToolkitTest, MessageBoxIsRecordedAndItsHookRunsWhileItIsOpen) {
  MemoryToolkit ui = windowAsCreated();
  std::size_t recordedWhileOpen = 0;
  ui.setMessageBoxHook([&] { recordedWhileOpen = ui.messageBoxes().size(); });
  ui.messageBox("text", "title", toolkit::MessageIcon::Error);
  ASSERT_EQ(ui.messageBoxes().size(), 1u);
  EXPECT_EQ(recordedWhileOpen, 1u);
  EXPECT_EQ(ui.messageBoxes()[0].text, "text");
  EXPECT_EQ(ui.messageBoxes()[0].title, "title");
  EXPECT_EQ(ui.messageBoxes()[0].icon, toolkit::MessageIcon::Error);
}

// The learner's side: events reach the handlers only where the window would raise them.
class LearnerTest : public testing::Test {
 protected:
  LearnerTest() {
    toolkit::Events events;
    events.listItemSelected = [this](Control c) { seen.push_back("pick:" + name(c)); };
    events.buttonClicked = [this](Control c) { seen.push_back("click:" + name(c)); };
    events.keyPressed = [this](Control c, int key) {
      seen.push_back("key:" + name(c) + ":" + std::to_string(key));
    };
    events.spinStep = [this](int step) { seen.push_back("spin:" + std::to_string(step)); };
    events.windowClosing = [this] { seen.push_back("closing"); };
    ui.setEvents(events);
    for (const char* item : {"1", "2", "3"}) ui.addListItem(Control::组合框1, item);
    ui.clearRecords();
  }

  static std::string name(Control c) { return std::to_string(static_cast<int>(c)); }

  MemoryToolkit ui = windowAsCreated();
  std::vector<std::string> seen;
};

TEST_F(LearnerTest, PickingAnItemSelectsItFocusesTheListAndRaisesTheEvent) {
  ui.pickListItem(Control::组合框1, 1);
  EXPECT_EQ(ui.listPosition(Control::组合框1), 1);
  EXPECT_TRUE(ui.hasFocus(Control::组合框1));
  EXPECT_EQ(seen, std::vector<std::string>{"pick:" + name(Control::组合框1)});
  EXPECT_TRUE(ui.log().empty());  // the learner's pick is not an operation of the handlers
}

TEST_F(LearnerTest, ProgramPositionsAndTypingRaiseNothing) {
  ui.setListPosition(Control::组合框1, 2);
  ui.typeText(Control::组合框1, "77");
  ui.addListItem(Control::组合框1, "4");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ui.text(Control::组合框1), "77");
}

TEST_F(LearnerTest, HiddenOrDisabledControlsIgnoreTheLearner) {
  ui.setVisible(Control::组合框1, false);
  ui.pickListItem(Control::组合框1, 1);
  ui.setEnabled(Control::按钮2, false);
  ui.click(Control::按钮2);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ui.listPosition(Control::组合框1), -1);
  EXPECT_FALSE(ui.hasFocus(Control::按钮2));
}

TEST_F(LearnerTest, ClicksFocusOnlyControlsThatTakeTheFocus) {
  ui.click(Control::编辑框3);
  ui.click(Control::标签6);
  ui.click(Control::调节器1);
  EXPECT_TRUE(ui.hasFocus(Control::编辑框3));
  ui.pressSpinArrow(+1);
  ui.pressSpinArrow(-1);
  EXPECT_TRUE(ui.hasFocus(Control::编辑框3));  // the spinner never takes the focus
  ui.click(Control::按钮4);
  ui.click(Control::选择框1);
  EXPECT_FALSE(ui.isChecked(Control::选择框1));
  EXPECT_EQ(seen, (std::vector<std::string>{"spin:1", "spin:-1", "click:" + name(Control::按钮4)}));
}

TEST_F(LearnerTest, KeysGoToTheFocusedControlAndEscClosesTheWindowOnce) {
  ui.pressKey(13);  // no focus: nowhere to go
  ui.click(Control::编辑框4);
  ui.pressKey(13);
  ui.pressKey(27);
  ui.close();
  EXPECT_EQ(seen, (std::vector<std::string>{"key:" + name(Control::编辑框4) + ":13", "closing"}));
}

}  // namespace
