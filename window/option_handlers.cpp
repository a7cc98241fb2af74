// The option lists below the question box and the reset step that ends every accepted change.

#include <string>

#include "drill/drill.h"
#include "window/handlers.h"
#include "window/ui_texts.h"

namespace window {

using toolkit::Control;

namespace {

/// Positions of 组合框2 up to this one are the column drills (Addition, MixedAddSub), and so is
/// no selection (-1).
constexpr int kLastColumnDrill = 1;
constexpr int kDivisionPosition = static_cast<int>(drill::OperationType::Division);

}  // namespace

std::string Handlers::selectedItemText(Control list) const {
  return ui_.listItem(list, ui_.listPosition(list));
}

drill::OperationType Handlers::selectedOperation() const {
  return static_cast<drill::OperationType>(ui_.listPosition(Control::组合框2));
}

void Handlers::enterReadyPhase() {
  ui_.setEnabled(Control::按钮1, true);
  ui_.setEnabled(Control::按钮2, false);
  ui_.setEnabled(Control::按钮3, false);
}

void Handlers::resetQuestion() {
  state_.digitCount1 = drill::textToInt(selectedItemText(Control::组合框1));
  state_.digitCount2 = drill::textToInt(selectedItemText(Control::组合框4));

  const drill::OperationType operation = selectedOperation();
  state_.questionTypeText = drill::describeQuestionType(
      operation, state_.digitCount1, state_.digitCount2, selectedItemText(Control::组合框3));

  // Without a selected operation there is no question to describe: the caption bar keeps only
  // its prefix and the title stays the default one.
  const bool hasOperation = ui_.listPosition(Control::组合框2) >= 0;
  const bool bigNumbers =
      hasOperation && drill::usesBigNumberTitle(state_.digitCount1, state_.digitCount2);
  ui_.setWindowTitle(bigNumbers ? ui::kBigNumberTitle : ui::kDefaultTitle);
  ui_.setText(Control::标签6, drill::questionTypeCaption(state_.questionTypeText));

  for (const Control box : {Control::编辑框2, Control::编辑框3, Control::编辑框4, Control::编辑框5})
    ui_.setText(box, "");
  enterReadyPhase();
}

void Handlers::onOperationChanged() {
  if (ui_.listPosition(Control::组合框2) <= kLastColumnDrill) {
    // Column drills: one digit count and a time limit; the hidden second count follows the first.
    ui_.setVisible(Control::标签3, false);
    ui_.setVisible(Control::组合框4, false);
    ui_.setText(Control::标签1, ui::kDigitCount);
    ui_.setText(Control::标签3, ui::kDigitCount);
    ui_.setVisible(Control::标签4, true);
    ui_.setVisible(Control::组合框3, true);
    ui_.setListPosition(Control::组合框4, ui_.listPosition(Control::组合框1));
  } else {
    // Multiplication and division: two digit counts, no time limit.
    ui_.setVisible(Control::标签3, true);
    ui_.setVisible(Control::组合框4, true);
    ui_.setText(Control::标签1, ui::kDigits1);
    ui_.setText(Control::标签3, ui::kDigits2);
    ui_.setVisible(Control::标签4, false);
    ui_.setVisible(Control::组合框3, false);
  }
  resetQuestion();
}

void Handlers::onDigits1Changed() {
  state_.digitCount1 = drill::textToInt(selectedItemText(Control::组合框1));
  drill::writeSetting("2", drill::intToText(ui_.listPosition(Control::组合框1)));
  // Only in Addition (or with no operation) does the hidden second count follow the first.
  if (ui_.listPosition(Control::组合框2) < 1)
    ui_.setListPosition(Control::组合框4, ui_.listPosition(Control::组合框1));
  resetQuestion();
}

void Handlers::onDigits2Changed() {
  // Comparing positions compares digit counts: both lists hold the same items.
  const bool divisorTooLong =
      ui_.listPosition(Control::组合框4) >= ui_.listPosition(Control::组合框1) &&
      ui_.listPosition(Control::组合框2) == kDivisionPosition;
  if (divisorTooLong) {
    // The list keeps the refused choice; the drill and the window stay as they were.
    ui_.messageBox(ui::kDivisionMessage, ui::kDivisionTitle, toolkit::MessageIcon::Error);
  } else {
    state_.digitCount2 = drill::textToInt(selectedItemText(Control::组合框4));
    resetQuestion();
  }
  drill::writeSetting("4", drill::intToText(ui_.listPosition(Control::组合框4)));
}

void Handlers::onTimeLimitChanged() {
  resetQuestion();
}

}  // namespace window
