// The start button: the countdown, the flash of a column or the × / ÷ question, and the masked
// answer. The handler blocks the window thread from its first step to its last; the learner
// sees only what it repaints at once (and the toolkit's own redraw around the overlay).

#include "window/presentation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drill/drill.h"
#include "window/handlers.h"
#include "window/ui_texts.h"

namespace window {

namespace presentation {

FontSizes fontSizesFor(std::int32_t digitCount1, std::int32_t digitCount2) {
  constexpr int kLargeOperand = 80;
  if (digitCount1 <= kLargeOperand && digitCount2 <= kLargeOperand) return {36, 29};
  // In doubles, every intermediate rounded to double, exactly as written: the truncations
  // depend on it (g = 20 must give 19, not 18, for the question box).
  const double g = std::trunc(
      (static_cast<double>(digitCount1) + static_cast<double>(digitCount2) + 500.0) / 70.0);
  const auto sizeFrom = [g](double base) {
    const double size = std::trunc((base - g) + g * 0.15);
    return static_cast<int>(std::max(size, static_cast<double>(kMinimumFontSize)));
  };
  return {sizeFrom(36.0), sizeFrom(29.0)};
}

std::string flashText(std::string_view addendText, std::int32_t digitCount1) {
  std::string field(12, ' ');
  field += addendText;
  const auto width = static_cast<std::size_t>(
      std::max<std::int64_t>(0, std::min<std::int64_t>(std::int64_t{digitCount1} + 8,
                                                       static_cast<std::int64_t>(field.size()))));
  return field.substr(field.size() - width);
}

std::string operandQuestionText(std::string_view operandA, std::string_view operatorItem,
                                std::string_view operandB) {
  std::string text{ui::kQuestionPrefix};
  text += operandA;
  text += operatorItem;
  text += operandB;
  if (text.size() <= kOneLineQuestionLimit) return text;
  text = ui::kQuestionPrefix;
  text += operandA;
  text += "\r\n";
  text += operatorItem;
  text += "   ";
  text += operandB;
  return text;
}

std::string framedAnswer(int leading, std::string_view answer, int trailing) {
  std::string text(static_cast<std::size_t>(std::max(leading, 0)), ' ');
  text += answer;
  text.append(static_cast<std::size_t>(std::max(trailing, 0)), ' ');
  return text;
}

int flashDelayMs(std::int32_t seconds) {
  return static_cast<int>(std::trunc(static_cast<double>(seconds) * 980.0 / 20.0));
}

FlashSlot flashSlot(int delayMs) {
  if (delayMs <= 0) return {delayMs, 0};
  const int blank = std::min(delayMs / 4, kMaximumBlankMs);
  return {delayMs - blank, blank};
}

}  // namespace presentation

namespace {

using toolkit::Alignment;
using toolkit::Control;

constexpr toolkit::Rgb kRed{255, 0, 0};
constexpr toolkit::Rgb kWhite{255, 255, 255};
constexpr int kCountdownPauseMs = 1000;
constexpr int kCountdownToneHz = 2000;
constexpr int kCountdownToneMs = 400;
constexpr int kClosingToneHz = 2200;
constexpr int kClosingToneMs = 700;
constexpr int kPauseAfterCountdownMs = 500;
constexpr int kCountdownFontSize = 36;
constexpr int kMinimumBlankRun = 3;
constexpr int kMaximumBlankRun = 8;

/// The selected item's text of a list, "" without a selection.
std::string selectedItem(const toolkit::Toolkit& ui, Control list) {
  return ui.listItem(list, ui.listPosition(list));
}

/// k1 spaces + answer + k2 spaces, k1 drawn before k2.
std::string answerBetweenBlankRuns(std::string_view answer) {
  const int leading = drill::randomInRange(kMinimumBlankRun, kMaximumBlankRun);
  const int trailing = drill::randomInRange(kMinimumBlankRun, kMaximumBlankRun);
  return presentation::framedAnswer(leading, answer, trailing);
}

}  // namespace

void Handlers::startPresentation() {
  using presentation::FlashSlot;

  // 1-2: the overlay over the question box, the answer masked.
  ui_.setText(Control::透明标签1, "");
  ui_.setVisible(Control::透明标签1, true);
  ui_.setText(Control::按钮3, ui::kHideAnswer);
  toggleAnswer();

  // 3-5: the countdown in red.
  ui_.setTextColour(Control::编辑框3, kRed);
  ui_.setFontSize(Control::编辑框3, kCountdownFontSize);
  const bool tones = ui_.isChecked(Control::选择框1);
  for (int n = 3; n >= 1; --n) {
    ui_.setText(Control::透明标签1, drill::intToText(n));
    ui_.repaintNow(Control::透明标签1);
    if (tones) ui_.beep(kCountdownToneHz, kCountdownToneMs);
    ui_.wait(kCountdownPauseMs);
  }
  ui_.setText(Control::透明标签1, "");
  if (tones) ui_.beep(kClosingToneHz, kClosingToneMs);
  ui_.wait(kPauseAfterCountdownMs);

  // 6-7: white text at the sizes of this problem.
  ui_.setTextColour(Control::编辑框3, kWhite);
  ui_.setText(Control::编辑框3, "");
  const presentation::FontSizes sizes =
      presentation::fontSizesFor(state_.digitCount1, state_.digitCount2);
  ui_.setFontSize(Control::编辑框3, sizes.question);
  ui_.setFontSize(Control::编辑框2, sizes.answer);

  // 8-10: the problem and its answer.
  const int operation = ui_.listPosition(Control::组合框2);
  if (operation >= static_cast<int>(drill::OperationType::Multiplication)) {
    ui_.setText(Control::编辑框3,
                presentation::operandQuestionText(UnlNum::toText(state_.operandA),
                                                  selectedItem(ui_, Control::组合框2),
                                                  UnlNum::toText(state_.operandB)));
    const std::string answer = UnlNum::toText(state_.productOrQuotient);
    ui_.setText(Control::编辑框2, answer.size() >= presentation::kBareAnswerLength
                                      ? answer
                                      : answerBetweenBlankRuns(answer));
  } else {
    const int delay =
        presentation::flashDelayMs(drill::textToInt(selectedItem(ui_, Control::组合框3)));
    const FlashSlot slot = presentation::flashSlot(delay);
    for (const UnlNum& addend : state_.addends) {
      ui_.setText(Control::编辑框3,
                  presentation::flashText(UnlNum::toText(addend), state_.digitCount1));
      ui_.repaintNow(Control::编辑框3);
      ui_.wait(slot.shownMs);
      if (slot.blankMs > 0) {
        ui_.setText(Control::编辑框3, "");
        ui_.repaintNow(Control::编辑框3);
        ui_.wait(slot.blankMs);
      }
    }
    ui_.setText(Control::编辑框3, "");
    ui_.setText(Control::编辑框2, answerBetweenBlankRuns(UnlNum::toText(state_.addendSum)));
  }

  // 11: short answers centred, long ones from the left edge.
  ui_.setAlignment(Control::编辑框2,
                   ui_.text(Control::编辑框2).size() <= presentation::kCentredAnswerLimit
                       ? Alignment::Centred
                       : Alignment::Left);
  ui_.repaintNow(Control::编辑框2);

  // 12: only 按钮3 is left to click; the learner types the answer.
  ui_.setEnabled(Control::按钮1, false);
  ui_.setEnabled(Control::按钮2, false);
  ui_.setEnabled(Control::按钮3, true);
  ui_.setVisible(Control::透明标签1, false);
  ui_.setFocus(Control::编辑框4);
}

}  // namespace window
