// The flash of a column: each addend right-aligned in d1 + 8 characters, one slot of
// trunc(t * 980 / 20) ms per addend whose last quarter (at most 100 ms) leaves the question box
// empty, and the sum between blank runs in the answer box.

#include <string>
#include <vector>

#include "presentation_window_fixture.h"

namespace presentation_test {
namespace {

using drill::OperationType;

/// Puts a column of 3-digit addends with a negative one and two equal neighbours into the state.
std::vector<std::string> fillColumn(drill::DrillState& state) {
  const std::vector<std::string> texts{"123", "-123", "456", "456", "-999", "100", "101",
                                       "102", "103",  "104", "105", "106",  "107", "108",
                                       "109", "110",  "111", "112", "113",  "-114"};
  state.digitCount1 = 3;
  for (std::size_t i = 0; i < texts.size(); ++i) state.addends[i] = number(texts[i]);
  state.addendSum = number("1234");
  return texts;
}

/// What the learner reads for an addend: right-aligned in 3 + 8 characters.
std::string shownAddend(const std::string& text) {
  return std::string(11 - text.size(), ' ') + text;
}

struct SlotCase {
  const char* name;
  int timeLimitSeconds;  // 0: no time limit selected
  int shownMs;
  int blankMs;
};

class FlashTest : public DrillWindow, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(FlashTest, ShowsEachAddendForItsSlotAndBlanksTheLastPart) {
  const SlotCase& c = GetParam();
  choose(OperationType::MixedAddSub, 3, c.timeLimitSeconds == 0 ? 4 : c.timeLimitSeconds);
  if (c.timeLimitSeconds == 0) {
    ui_.setListPosition(Control::组合框3, -1);
  }
  ui_.click(Control::选择框1);  // no tones
  const std::vector<std::string> texts = fillColumn(state_);
  ui_.clearRecords();

  handlers_.startPresentation();

  const auto paints = forcedPaints(Control::编辑框3);
  const std::size_t perSlot = c.blankMs > 0 ? 2 : 1;
  ASSERT_EQ(paints.size(), 20 * perSlot);
  const std::int64_t flashStart = 3500;
  const int slotMs = c.shownMs + c.blankMs;
  for (std::size_t i = 0; i < 20; ++i) {
    SCOPED_TRACE(testing::Message() << "addend " << i + 1);
    const auto& shown = paints[i * perSlot];
    EXPECT_EQ(shown.state.text, shownAddend(texts[i]));
    EXPECT_EQ(shown.atMs, flashStart + static_cast<std::int64_t>(i) * slotMs);
    EXPECT_EQ(shown.state.textColour, (toolkit::Rgb{255, 255, 255}));
    if (perSlot == 2) {
      const auto& blank = paints[i * perSlot + 1];
      EXPECT_EQ(blank.state.text, "");
      EXPECT_EQ(blank.atMs, shown.atMs + c.shownMs);
    }
  }
  // After the last slot the box is emptied without a forced repaint.
  EXPECT_EQ(ui_.text(Control::编辑框3), "");
  EXPECT_EQ(ui_.nowMs(), flashStart + 20 * slotMs);
}

INSTANTIATE_TEST_SUITE_P(TimeLimits, FlashTest,
                         ::testing::Values(SlotCase{"Limit4s", 4, 147, 49},  // 196 ms a slot
                                           SlotCase{"Limit5s", 5, 184, 61},  // 245 ms
                                           SlotCase{"Limit10s", 10, 390,
                                                    100},  // 490 ms: the blank stops at 100
                                           SlotCase{"Limit40s", 40, 1860, 100},  // 1960 ms
                                           SlotCase{"NoLimit", 0, 0, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

using FlashTextTest = DrillWindow;

TEST_F(FlashTextTest, TwoEqualAddendsInARowReadAsTwoNumbers) {
  choose(OperationType::Addition, 3, 4);
  ui_.click(Control::选择框1);
  fillColumn(state_);
  ui_.clearRecords();

  handlers_.startPresentation();

  // Addends 3 and 4 are both 456: the box goes empty between them.
  const auto paints = forcedPaints(Control::编辑框3);
  ASSERT_GE(paints.size(), 8U);
  EXPECT_EQ(paints[4].state.text, shownAddend("456"));
  EXPECT_EQ(paints[5].state.text, "");
  EXPECT_EQ(paints[6].state.text, shownAddend("456"));
  EXPECT_LT(paints[5].atMs, paints[6].atMs);
}

struct WidthCase {
  const char* name;
  int digitCount1;
  std::string addend;
  std::string shown;
};

class FlashWidthTest : public DrillWindow, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(FlashWidthTest, RightAlignsTheAddendInDigitsPlusEightCharacters) {
  const WidthCase& c = GetParam();
  choose(OperationType::MixedAddSub, 1, 4);
  ui_.click(Control::选择框1);
  state_.digitCount1 = c.digitCount1;
  for (UnlNum& addend : state_.addends) addend = number(c.addend);
  ui_.clearRecords();

  handlers_.startPresentation();

  const auto paints = forcedPaints(Control::编辑框3);
  ASSERT_FALSE(paints.empty());
  EXPECT_EQ(paints.front().state.text, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Addends, FlashWidthTest,
    ::testing::Values(WidthCase{"OneDigit", 1, "7", "        7"},
                      WidthCase{"NegativeThreeDigits", 3, "-123", "       -123"},
                      WidthCase{"PositiveThreeDigits", 3, "123", "        123"},
                      WidthCase{"NegativeOneDigit", 1, "-5", "       -5"},
                      WidthCase{"Long", 30, digits(30), std::string(8, ' ') + digits(30)},
                      WidthCase{"LongNegative", 30, "-" + digits(30),
                                std::string(7, ' ') + "-" + digits(30)}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(FlashTextTest, TheSumGetsBlankRunsWhateverItsLength) {
  choose(OperationType::Addition, 3, 4);
  ui_.click(Control::选择框1);
  fillColumn(state_);
  state_.addendSum = number(digits(30, '9'));
  drill::seedRandom(4242);
  const int k1 = drill::randomInRange(3, 8);
  const int k2 = drill::randomInRange(3, 8);
  drill::seedRandom(4242);

  handlers_.startPresentation();

  EXPECT_EQ(ui_.text(Control::编辑框2), std::string(static_cast<std::size_t>(k1), ' ') +
                                            digits(30, '9') +
                                            std::string(static_cast<std::size_t>(k2), ' '));
}

TEST_F(FlashTextTest, GeneratedColumnsFlashTheirOwnAddendsAndSum) {
  drill::seedRandom(77);
  choose(OperationType::MixedAddSub, 6, 4);
  ui_.click(Control::按钮1);
  std::vector<std::string> expected;
  for (const UnlNum& addend : state_.addends) {
    const std::string text = UnlNum::toText(addend);
    expected.push_back(std::string(14 - text.size(), ' ') + text);
  }
  ui_.clearRecords();

  ui_.click(Control::按钮2);

  std::vector<std::string> flashed;
  for (const auto& paint : forcedPaints(Control::编辑框3)) {
    if (!paint.state.text.empty()) flashed.push_back(paint.state.text);
  }
  EXPECT_EQ(flashed, expected);
  EXPECT_EQ(drill::trimBlanks(ui_.text(Control::编辑框2)), UnlNum::toText(state_.addendSum));
}

}  // namespace
}  // namespace presentation_test
