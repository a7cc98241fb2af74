#pragma once

// A Toolkit that keeps the window in memory, for tests of the handlers. It starts as the
// control table describes the window, follows the Toolkit contract in every operation, runs on
// a virtual clock (waits and tones advance it), and records what a learner would have seen:
// forced repaints with the state of the control at that moment, message boxes, waits, tones and
// an ordered log of every operation.
//
// Tests act as the learner through pickListItem, click, typeText and pressSpinArrow, which raise
// the same events as the real window would.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/control_description.h"
#include "toolkit/toolkit.h"

namespace toolkit {

/// What a control shows at one moment.
struct ControlSnapshot {
  std::string text;       // the real text, also in password mode
  std::string shownText;  // what the screen shows: one '*' per character in password mode
  bool visible = true;
  bool enabled = true;
  Rgb textColour;
  int fontSize = 0;  // points
  Alignment alignment = Alignment::Left;
  bool password = false;
  friend bool operator==(const ControlSnapshot&, const ControlSnapshot&) = default;
};

enum class PaintCause {
  Forced,         // repaintNow
  OverlayChange,  // a property of the overlay changed: the toolkit redraws around it at once
};

struct PaintRecord {
  std::int64_t atMs = 0;
  Control control{};
  PaintCause cause = PaintCause::Forced;
  ControlSnapshot state;
};

struct MessageBoxRecord {
  std::int64_t atMs = 0;
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
};

struct WaitRecord {
  std::int64_t atMs = 0;  // when the wait began
  int milliseconds = 0;   // as waited (a negative request waits 0)
};

struct ToneRecord {
  std::int64_t atMs = 0;  // when the tone began
  int hertz = 0;
  int milliseconds = 0;
};

/// One entry of the operation log. Reads are not logged; every change, wait, tone, repaint,
/// message box and event hand-off is.
enum class Operation {
  SetText,
  SetWindowTitle,
  SetVisible,
  SetEnabled,
  SetListPosition,
  AddListItem,
  SetTextColour,
  SetFontSize,
  SetAlignment,
  SetPasswordMode,
  RepaintNow,
  SetFocus,
  MessageBox,
  HandlePendingEvents,
  Wait,
  Beep,
  EnableVisualStyles,
};

struct LogEntry {
  std::int64_t atMs = 0;
  Operation operation{};
  std::optional<Control> control;  // empty for window-wide operations
  std::string text;                // the text set, item added, title, message text
  int value = 0;                   // a position, a flag (0/1), points, milliseconds, hertz
};

class MemoryToolkit final : public Toolkit {
 public:
  /// The window as the table describes it when created: texts, visibility (all visible), all
  /// enabled, password mode and check marks from the table, font sizes in points from the pixel
  /// heights at 96 dpi, alignment, text colours; every list empty without a selection; no focus.
  MemoryToolkit(std::span<const ControlDescription> controls, const WindowDescription& window);

  /// Screen resolution used for font sizes, and the character height of a font size of 0 (also
  /// the height of the controls in the platform's GUI font).
  static constexpr int kDotsPerInch = 96;
  static constexpr int kDefaultPixelHeight = 12;

  // The Toolkit operations.
  std::string text(Control c) const override;
  void setText(Control c, std::string_view gbk) override;
  std::string windowTitle() const override;
  void setWindowTitle(std::string_view gbk) override;
  void setVisible(Control c, bool visible) override;
  bool isVisible(Control c) const override;
  void setEnabled(Control c, bool enabled) override;
  bool isEnabled(Control c) const override;
  int listPosition(Control c) const override;
  void setListPosition(Control c, int position) override;
  void addListItem(Control c, std::string_view gbk) override;
  int listCount(Control c) const override;
  std::string listItem(Control c, int position) const override;
  bool isChecked(Control c) const override;
  void setTextColour(Control c, Rgb colour) override;
  int fontSize(Control c) const override;
  void setFontSize(Control c, int points) override;
  void setAlignment(Control c, Alignment alignment) override;
  void setPasswordMode(Control c, bool on) override;
  bool isPasswordMode(Control c) const override;
  void repaintNow(Control c) override;
  void setFocus(Control c) override;
  bool hasFocus(Control c) const override;
  void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
  void handlePendingEvents() override;
  void wait(int milliseconds) override;
  void beep(int hertz, int milliseconds) override;
  void enableVisualStyles() override;

  // What the Toolkit interface does not read back.
  Rgb textColour(Control c) const;
  Alignment alignment(Control c) const;
  int pixelHeight(Control c) const;
  std::optional<Control> focusedControl() const { return focus_; }
  /// The whole state of a control as the screen would show it now.
  ControlSnapshot snapshot(Control c) const;
  /// All items of a list, in order.
  const std::vector<std::string>& listItems(Control c) const;
  int visualStylesEnabledCount() const { return visualStylesCount_; }

  // The virtual clock: milliseconds since the toolkit was made; only wait and beep advance it.
  std::int64_t nowMs() const { return nowMs_; }

  // Records.
  const std::vector<PaintRecord>& paints() const { return paints_; }
  const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
  const std::vector<WaitRecord>& waits() const { return waits_; }
  const std::vector<ToneRecord>& tones() const { return tones_; }
  const std::vector<LogEntry>& log() const { return log_; }
  int pendingEventRuns() const { return pendingEventRuns_; }
  /// Forgets every record and log entry (the state of the controls and the clock stay).
  void clearRecords();

  // Events and the learner.
  /// The handlers that the window's events run.
  void setEvents(Events events) { events_ = std::move(events); }
  /// Runs inside handlePendingEvents, as the events that were queued at that moment (for
  /// instance a click that arrived while a handler was busy).
  void setPendingEventsHook(std::function<void()> hook) { pendingEventsHook_ = std::move(hook); }
  /// Runs inside messageBox while the box is open (the box is already recorded).
  void setMessageBoxHook(std::function<void()> hook) { messageBoxHook_ = std::move(hook); }

  /// Raises the created event, as the window does once its controls exist. Learner actions
  /// (below) are not logged as operations; only what the handlers do is.
  void create();
  /// Raises the closing event (close button, system menu or Esc), once: a closed window is gone.
  void close();
  /// The learner takes the item at `position` from the opened list: the position is set (with
  /// the usual clamping), the focus moves to the list, and the list-item-selected event runs.
  /// Nothing happens to a hidden or disabled list.
  void pickListItem(Control list, int position);
  /// A mouse click: a focusable control (edit box, button, check box, list) that is visible and
  /// enabled takes the focus; an enabled, visible button raises its click event; a check box
  /// toggles. Labels, the overlay, group boxes and the spinner ignore it.
  void click(Control c);
  /// The learner types into an edit box or a list's text field: replaces the text and raises
  /// nothing (key events are raised by pressKey).
  void typeText(Control c, std::string_view gbk);
  /// A key pressed (key down) in the focused control; without a focused control nothing happens.
  void pressKey(int keyCode);
  /// A press on a spinner arrow: +1 upper, -1 lower. The focus stays where it was.
  void pressSpinArrow(int step);

 private:
  struct ControlState {
    ControlKind kind{};
    std::string text;
    bool visible = true;
    bool enabled = true;
    std::vector<std::string> items;
    int position = -1;
    bool checked = false;
    Rgb textColour;
    int pixelHeight = kDefaultPixelHeight;
    Alignment alignment = Alignment::Left;
    bool password = false;
  };

  ControlState& state(Control c);
  /// Sets a list's position with the contract's clamping, without logging it.
  void selectListPosition(Control c, int position);
  const ControlState& state(Control c) const;
  void record(Operation operation, std::optional<Control> control, std::string_view text = {},
              int value = 0);
  /// The toolkit's own redraw when the overlay changes.
  void overlayChanged(Control c);
  void advance(int milliseconds);

  std::array<ControlState, kControlCount> controls_;
  std::string title_;
  std::optional<Control> focus_;
  std::int64_t nowMs_ = 0;
  int visualStylesCount_ = 0;
  int pendingEventRuns_ = 0;
  bool closed_ = false;

  std::vector<PaintRecord> paints_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<WaitRecord> waits_;
  std::vector<ToneRecord> tones_;
  std::vector<LogEntry> log_;

  Events events_;
  std::function<void()> pendingEventsHook_;
  std::function<void()> messageBoxHook_;
};

/// Character height in pixels of a font size in points at `dpi`: by magnitude, rounded; 0 gives
/// `defaultHeight`.
int pointsToPixelHeight(int points, int dpi, int defaultHeight);
/// Font size in points of a character height in pixels at `dpi`, rounded.
int pixelHeightToPoints(int pixelHeight, int dpi);

}  // namespace toolkit
