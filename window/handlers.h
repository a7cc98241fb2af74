#pragma once

// The handlers of the main window. They change the window only through the Toolkit and keep
// the drill in the one DrillState that the program entry owns.

#include <string>

#include "drill/drill.h"
#include "toolkit/toolkit.h"

namespace window {

class Handlers {
 public:
  Handlers(toolkit::Toolkit& ui, drill::DrillState& state) : ui_(ui), state_(state) {}

  // Start-up and shut-down.
  void onWindowCreated();
  void onWindowClosing();

  // Option lists and the reset step.
  void onOperationChanged();
  void onDigits1Changed();
  void onDigits2Changed();
  void onTimeLimitChanged();
  void resetQuestion();

  // Generate, answer and verify.
  void onGenerateClicked();
  void toggleAnswer();
  void verifyAnswer();
  void onAnswerKey(int keyCode);
  void adjustFontSize(int step);

  // The start button.
  void startPresentation();

  /// The Events that route the toolkit's events to the handlers above.
  toolkit::Events events();

 private:
  /// The text of a list's selected item; "" without a selection.
  std::string selectedItemText(toolkit::Control list) const;
  /// The operation list's position as an OperationType; without a selection the value is -1,
  /// which names no operation.
  drill::OperationType selectedOperation() const;
  /// The three buttons of the phase Ready: only generation is possible.
  void enterReadyPhase();
  /// Adds the decimal texts 1..maxDigits to both digit lists, one text to each in turn.
  void fillDigitLists();

  toolkit::Toolkit& ui_;
  drill::DrillState& state_;
  /// True while onGenerateClicked runs. The generation lets the window handle its pending
  /// events once; a click on 按钮1 handled there (按钮1 is still enabled at that moment) must
  /// not start a second generation inside the first.
  bool generating_ = false;
};

}  // namespace window
