// The handlers around one problem: generate (按钮1), show or hide the answer (按钮3), check the
// typed answer (按钮4 and Enter in 编辑框4), and the font-size spinner (调节器1).
//
// The drill's phase lives only in the enabled states of 按钮1 to 按钮3, the caption of 按钮3 and
// the password mode of 编辑框2:
//   Ready:          按钮1 on,  按钮2 off, 按钮3 off
//   Generated:      按钮1 off, 按钮2 on,  按钮3 off
//   Presented:      按钮1 off, 按钮2 off, 按钮3 on   (answer masked)
//   Answer toggled: 按钮1 on,  按钮2 off, 按钮3 on   (caption and mask flip on every click)

#include <algorithm>

#include "drill/drill.h"
#include "window/handlers.h"
#include "window/ui_texts.h"

namespace window {

namespace {

using toolkit::Control;

constexpr int kEnterKey = 13;
/// The spinner keeps the boxes' font sizes within these bounds.
constexpr int kSmallestFontSize = 1;
constexpr int kLargestFontSize = 200;

/// Sets a flag for the lifetime of the scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

void stepFontSize(toolkit::Toolkit& ui, Control box, int step) {
  const int size = std::clamp(ui.fontSize(box) + step, kSmallestFontSize, kLargestFontSize);
  ui.setFontSize(box, size);
  ui.repaintNow(box);
}

}  // namespace

void Handlers::onGenerateClicked() {
  if (generating_) return;
  const FlagScope generating(generating_);

  resetQuestion();
  ui_.setText(Control::透明标签1, ui::kGenerating);
  ui_.repaintNow(Control::透明标签1);
  ui_.setVisible(Control::透明标签1, true);

  const auto type = static_cast<drill::OperationType>(ui_.listPosition(Control::组合框2));
  drill::generateProblem(state_, type, [this] { ui_.handlePendingEvents(); });

  // The answer box stays empty until the presentation; it is masked from now on.
  ui_.setText(Control::按钮3, ui::kHideAnswer);
  toggleAnswer();
  ui_.setEnabled(Control::按钮1, false);
  ui_.setEnabled(Control::按钮2, true);
  ui_.setEnabled(Control::按钮3, false);

  // The overlay stays up until the presentation hides it.
  ui_.setText(Control::透明标签1, ui::kGenerated);
  ui_.repaintNow(Control::透明标签1);
}

void Handlers::toggleAnswer() {
  if (ui_.text(Control::按钮3) == ui::kShowAnswer) {
    ui_.setText(Control::按钮3, ui::kHideAnswer);
    ui_.setPasswordMode(Control::编辑框2, false);
  } else {
    ui_.setText(Control::按钮3, ui::kShowAnswer);
    ui_.setPasswordMode(Control::编辑框2, true);
  }
  ui_.repaintNow(Control::编辑框2);
  ui_.setEnabled(Control::按钮1, true);
  ui_.setEnabled(Control::按钮2, false);
  ui_.setEnabled(Control::按钮3, true);
}

void Handlers::verifyAnswer() {
  const bool ok = drill::checkAnswer(ui_.text(Control::编辑框2), ui_.text(Control::编辑框4));
  ui_.setText(Control::标签7, drill::verdictText(ok));
}

void Handlers::onAnswerKey(int keyCode) {
  if (keyCode == kEnterKey) verifyAnswer();
}

void Handlers::adjustFontSize(int step) {
  const bool answerFocused = ui_.hasFocus(Control::编辑框2);
  const bool questionFocused = ui_.hasFocus(Control::编辑框3);
  if (!answerFocused && !questionFocused) {
    ui_.messageBox(ui::kFontHint, ui::kFontHintTitle, toolkit::MessageIcon::None);
    return;
  }
  if (answerFocused) stepFontSize(ui_, Control::编辑框2, step);
  if (questionFocused) stepFontSize(ui_, Control::编辑框3, step);
}

}  // namespace window
