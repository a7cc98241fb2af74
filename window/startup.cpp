// Start-up and shut-down of the main window, and the routing of the window's events.

#include <cstdint>
#include <string>
#include <string_view>

#include "drill/drill.h"
#include "window/handlers.h"
#include "window/ui_texts.h"

namespace window {

using toolkit::Control;

namespace {

constexpr std::string_view kDefaultMaxDigits = "5000";
// A hand-edited key "5" could ask for billions of list items; this keeps start-up bounded.
constexpr std::int32_t kMaxDigitsLimit = 100'000;
constexpr int kFirstTimeLimit = 4;
constexpr int kLastTimeLimit = 40;

}  // namespace

void Handlers::fillDigitLists() {
  for (std::int32_t i = 1; i <= state_.maxDigits; ++i) {
    const std::string item = drill::intToText(i);
    ui_.addListItem(Control::组合框1, item);
    ui_.addListItem(Control::组合框4, item);
  }
}

void Handlers::onWindowCreated() {
  ui_.enableVisualStyles();
  drill::reseedRandom();

  const std::int32_t maxDigits = drill::textToInt(drill::readSetting("5", kDefaultMaxDigits));
  state_.maxDigits = maxDigits > kMaxDigitsLimit ? kMaxDigitsLimit : maxDigits;

  fillDigitLists();
  for (int seconds = kFirstTimeLimit; seconds <= kLastTimeLimit; ++seconds)
    ui_.addListItem(Control::组合框3, drill::intToText(seconds));
  for (const std::string_view item : ui::kOperationItems) ui_.addListItem(Control::组合框2, item);

  // The toolkit clamps: past the end selects the last item, below zero selects nothing.
  ui_.setListPosition(Control::组合框2, drill::textToInt(drill::readSetting("1")));
  ui_.setListPosition(Control::组合框1, drill::textToInt(drill::readSetting("2")));
  ui_.setListPosition(Control::组合框4, drill::textToInt(drill::readSetting("4")));
  ui_.setListPosition(Control::组合框3, drill::textToInt(drill::readSetting("3")));

  ui_.setFocus(Control::组合框2);
  onOperationChanged();
  enterReadyPhase();
}

void Handlers::onWindowClosing() {
  drill::writeSetting("1", drill::intToText(ui_.listPosition(Control::组合框2)));
  drill::writeSetting("2", drill::intToText(ui_.listPosition(Control::组合框1)));
  drill::writeSetting("4", drill::intToText(ui_.listPosition(Control::组合框4)));
  drill::writeSetting("3", drill::intToText(ui_.listPosition(Control::组合框3)));
  drill::writeSetting("5", drill::intToText(state_.maxDigits));
}

toolkit::Events Handlers::events() {
  // The handlers must outlive the toolkit's use of these events.
  toolkit::Events events;
  events.windowCreated = [this] { onWindowCreated(); };
  events.windowClosing = [this] { onWindowClosing(); };
  events.listItemSelected = [this](Control list) {
    switch (list) {
      case Control::组合框2:
        onOperationChanged();
        break;
      case Control::组合框1:
        onDigits1Changed();
        break;
      case Control::组合框4:
        onDigits2Changed();
        break;
      case Control::组合框3:
        onTimeLimitChanged();
        break;
      default:
        break;
    }
  };
  events.buttonClicked = [this](Control button) {
    switch (button) {
      case Control::按钮1:
        onGenerateClicked();
        break;
      case Control::按钮2:
        startPresentation();
        break;
      case Control::按钮3:
        toggleAnswer();
        break;
      case Control::按钮4:
        verifyAnswer();
        break;
      default:
        break;
    }
  };
  events.keyPressed = [this](Control control, int keyCode) {
    if (control == Control::编辑框4) onAnswerKey(keyCode);
  };
  events.spinStep = [this](int step) { adjustFontSize(step); };
  return events;
}

}  // namespace window
