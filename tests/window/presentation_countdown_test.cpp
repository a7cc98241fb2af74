// The start presentation from the click on 按钮2 to the first addend: the overlay, the masked
// answer, the red countdown with and without tones, the pause and the problem's font sizes; and
// the state in which it leaves the window.

#include <optional>
#include <string>
#include <vector>

#include "presentation_window_fixture.h"

namespace presentation_test {
namespace {

using drill::OperationType;
using toolkit::Operation;

struct Expected {
  std::int64_t atMs;
  Operation operation;
  std::optional<Control> control;
  std::string text;
  int value;
};

std::ostream& operator<<(std::ostream& os, const Expected& e) {
  return os << "{" << e.atMs << " ms, operation " << static_cast<int>(e.operation) << ", control "
            << (e.control ? static_cast<int>(*e.control) : -1) << ", \"" << e.text << "\", "
            << e.value << "}";
}

constexpr int kRed = 0xFF0000;
constexpr int kWhite = 0xFFFFFF;

/// The log from the click on 按钮2 up to the font sizes of a small problem.
std::vector<Expected> countdownLog(bool tones) {
  const std::int64_t tone = tones ? 400 : 0;
  std::vector<Expected> log{
      {0, Operation::SetText, Control::透明标签1, "", 0},
      {0, Operation::SetVisible, Control::透明标签1, "", 1},
      {0, Operation::SetText, Control::按钮3, gbk("隐藏答案"), 0},
      {0, Operation::SetText, Control::按钮3, gbk("显示答案"), 0},
      {0, Operation::SetPasswordMode, Control::编辑框2, "", 1},
      {0, Operation::RepaintNow, Control::编辑框2, "", 0},
      {0, Operation::SetEnabled, Control::按钮1, "", 1},
      {0, Operation::SetEnabled, Control::按钮2, "", 0},
      {0, Operation::SetEnabled, Control::按钮3, "", 1},
      {0, Operation::SetTextColour, Control::编辑框3, "", kRed},
      {0, Operation::SetFontSize, Control::编辑框3, "", 36},
  };
  std::int64_t at = 0;
  for (const char* n : {"3", "2", "1"}) {
    log.push_back({at, Operation::SetText, Control::透明标签1, n, 0});
    log.push_back({at, Operation::RepaintNow, Control::透明标签1, "", 0});
    if (tones) log.push_back({at, Operation::Beep, std::nullopt, "", 2000});
    log.push_back({at + tone, Operation::Wait, std::nullopt, "", 1000});
    at += tone + 1000;
  }
  log.push_back({at, Operation::SetText, Control::透明标签1, "", 0});
  if (tones) log.push_back({at, Operation::Beep, std::nullopt, "", 2200});
  at += tones ? 700 : 0;
  log.push_back({at, Operation::Wait, std::nullopt, "", 500});
  at += 500;
  log.push_back({at, Operation::SetTextColour, Control::编辑框3, "", kWhite});
  log.push_back({at, Operation::SetText, Control::编辑框3, "", 0});
  log.push_back({at, Operation::SetFontSize, Control::编辑框3, "", 36});
  log.push_back({at, Operation::SetFontSize, Control::编辑框2, "", 29});
  return log;
}

class CountdownTest : public DrillWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(CountdownTest, RunsTheDefinedSequence) {
  const bool tones = GetParam();
  choose(OperationType::Addition, 4, 4);
  ui_.click(Control::按钮1);
  if (!tones) ui_.click(Control::选择框1);  // checked when the window is created
  ASSERT_EQ(ui_.isChecked(Control::选择框1), tones);
  ui_.clearRecords();
  const std::int64_t start = ui_.nowMs();

  ui_.click(Control::按钮2);

  const std::vector<Expected> expected = countdownLog(tones);
  ASSERT_GE(ui_.log().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const toolkit::LogEntry& got = ui_.log()[i];
    const Expected& want = expected[i];
    SCOPED_TRACE(testing::Message() << "entry " << i << ", expected " << want);
    EXPECT_EQ(got.atMs - start, want.atMs);
    EXPECT_EQ(got.operation, want.operation);
    EXPECT_EQ(got.control, want.control);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.value, want.value);
  }

  std::vector<toolkit::ToneRecord> wantTones;
  if (tones) {
    wantTones = {{start, 2000, 400},
                 {start + 1400, 2000, 400},
                 {start + 2800, 2000, 400},
                 {start + 4200, 2200, 700}};
  }
  ASSERT_EQ(ui_.tones().size(), wantTones.size());
  for (std::size_t i = 0; i < wantTones.size(); ++i) {
    EXPECT_EQ(ui_.tones()[i].atMs, wantTones[i].atMs);
    EXPECT_EQ(ui_.tones()[i].hertz, wantTones[i].hertz);
    EXPECT_EQ(ui_.tones()[i].milliseconds, wantTones[i].milliseconds);
  }

  // The overlay shows each number as it is painted, in green over the masked answer.
  const auto overlay = forcedPaints(Control::透明标签1);
  ASSERT_EQ(overlay.size(), 3U);
  EXPECT_EQ(overlay[0].state.text, "3");
  EXPECT_EQ(overlay[2].state.text, "1");
  EXPECT_TRUE(overlay[0].state.visible);
}

INSTANTIATE_TEST_SUITE_P(Sound, CountdownTest, ::testing::Bool(), [](const auto& param) {
  return std::string(param.param ? "WithTones" : "Silent");
});

using PresentationEndTest = DrillWindow;

TEST_F(PresentationEndTest, LeavesOnlyTheShowButtonAndTheFocusInTheAnswerInput) {
  choose(OperationType::Division, 30, 10);
  ui_.click(Control::按钮1);
  ui_.click(Control::按钮2);

  EXPECT_EQ(phase(), kPresented);
  EXPECT_EQ(ui_.text(Control::按钮3), gbk("显示答案"));
  EXPECT_TRUE(ui_.isPasswordMode(Control::编辑框2));
  EXPECT_FALSE(ui_.isVisible(Control::透明标签1));
  EXPECT_TRUE(ui_.hasFocus(Control::编辑框4));
  EXPECT_EQ(ui_.textColour(Control::编辑框3), (toolkit::Rgb{255, 255, 255}));
  // The answer is shown as stars until 按钮3 is clicked, and is the quotient in its blank runs.
  const toolkit::ControlSnapshot answer = ui_.snapshot(Control::编辑框2);
  EXPECT_EQ(drill::trimBlanks(answer.text), UnlNum::toText(state_.productOrQuotient));
  EXPECT_EQ(answer.shownText, std::string(answer.text.size(), '*'));
  // The problem was presented once: 按钮2 stays off after showing the answer.
  ui_.click(Control::按钮3);
  EXPECT_EQ(phase(), kAnswerToggled);
  EXPECT_EQ(ui_.snapshot(Control::编辑框2).shownText, answer.text);
}

}  // namespace
}  // namespace presentation_test
