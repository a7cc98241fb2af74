#pragma once

// What the window's handlers may do to the window and its controls. Every text is a GBK byte
// string; conversion to Unicode happens only inside the Qt implementation.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace toolkit {

/// The 24 controls, in the order the window declares them (which is also their stacking
/// order among siblings: an earlier control lies above a later one).
enum class Control : int {
  标签7,
  标签6,
  选择框1,
  透明标签1,
  标签5,
  调节器1,
  按钮4,
  编辑框5,
  编辑框4,
  分组框2,
  编辑框2,
  标签4,
  标签3,
  组合框4,
  组合框3,
  按钮2,
  按钮3,
  按钮1,
  组合框2,
  标签2,
  标签1,
  组合框1,
  分组框1,
  编辑框3,
};
inline constexpr int kControlCount = 24;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Alignment : int { Left = 0, Centred = 1 };
enum class MessageIcon : int { None, Error };

/// The events that run handlers. The toolkit calls these on the window thread.
struct Events {
  std::function<void()> windowCreated;            // controls exist, window not yet shown
  std::function<void()> windowClosing;            // controls can still be read
  std::function<void(Control)> listItemSelected;  // only when the learner picks from the list
  std::function<void(Control)> buttonClicked;
  std::function<void(Control, int keyCode)> keyPressed;  // 13 for Enter
  std::function<void(int step)> spinStep;                // +1 upper arrow, -1 lower arrow
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  /// Caption of a label, the overlay, a button or a check box; content of an edit box.
  virtual std::string text(Control c) const = 0;
  virtual void setText(Control c, std::string_view gbk) = 0;
  virtual std::string windowTitle() const = 0;
  virtual void setWindowTitle(std::string_view gbk) = 0;

  /// Take effect at once; a disabled button ignores clicks.
  virtual void setVisible(Control c, bool visible) = 0;
  virtual bool isVisible(Control c) const = 0;
  virtual void setEnabled(Control c, bool enabled) = 0;
  virtual bool isEnabled(Control c) const = 0;

  /// List positions count from 0; -1 is no selection. Setting a position above the last item
  /// selects the last item, below -1 gives -1, and raises no event.
  virtual int listPosition(Control c) const = 0;
  virtual void setListPosition(Control c, int position) = 0;
  /// Items stay in the order they were added.
  virtual void addListItem(Control c, std::string_view gbk) = 0;
  virtual int listCount(Control c) const = 0;
  /// "" for a position out of range.
  virtual std::string listItem(Control c, int position) const = 0;

  virtual bool isChecked(Control c) const = 0;

  virtual void setTextColour(Control c, Rgb colour) = 0;
  /// Font size in points; the character height is |points| * dpi / 72 rounded (0: the default
  /// height); reading converts the height back to points.
  virtual int fontSize(Control c) const = 0;
  virtual void setFontSize(Control c, int points) = 0;
  virtual void setAlignment(Control c, Alignment alignment) = 0;
  virtual void setPasswordMode(Control c, bool on) = 0;
  virtual bool isPasswordMode(Control c) const = 0;

  /// Paints the control's pending changes before returning, handling no other event.
  virtual void repaintNow(Control c) = 0;
  virtual void setFocus(Control c) = 0;
  virtual bool hasFocus(Control c) const = 0;

  /// Modal to the whole program, one OK button; returns when dismissed.
  virtual void messageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  /// Runs queued events until none is left, then returns.
  virtual void handlePendingEvents() = 0;
  /// Waits, handling no user input meanwhile; a negative count waits 0.
  virtual void wait(int milliseconds) = 0;
  /// A tone; returns when it has ended.
  virtual void beep(int hertz, int milliseconds) = 0;
  /// Called once at start-up; changes nothing but the look.
  virtual void enableVisualStyles() = 0;
};

}  // namespace toolkit
