#pragma once

// The Toolkit on Qt 6 Widgets: builds the window and its controls from the layout table and
// carries out the handlers' requests. Needs a QApplication; everything runs on its thread.

#include <QPointer>
#include <array>
#include <memory>
#include <span>

#include "toolkit/control_description.h"
#include "toolkit/toolkit.h"

class QWidget;

namespace toolkit {

namespace qtwidgets {
class MainWindow;
}

class QtToolkit final : public Toolkit {
 public:
  /// Builds the window, hidden, with every control of `controls` in its parent, in the
  /// declared order, which is also the stacking order (an earlier control lies above a later
  /// sibling). Every control of the Control enumeration must appear once.
  QtToolkit(const WindowDescription& window, std::span<const ControlDescription> controls);
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  /// Routes the window's events to `events`, runs windowCreated, then shows the window,
  /// centred on the screen, and activates it. The focus is where windowCreated put it.
  void open(Events events);

  /// The top-level window and the widget of a control (for tests and screenshots).
  QWidget* window() const;
  QWidget* widget(Control c) const;
  /// True while a handler runs (close requests wait until it has returned).
  bool handlerRunning() const { return handlerDepth_ > 0; }

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

 private:
  struct Entry {
    ControlKind kind = ControlKind::Label;
    QWidget* widget = nullptr;  // owned by the window through the parent chain
  };

  const Entry& entry(Control c) const;
  void build(std::span<const ControlDescription> controls);
  QWidget* makeControl(const ControlDescription& row);
  void connectEvents(Control c);
  void setTabOrder();
  /// Runs a handler; a close request that arrives meanwhile is carried out after it returns.
  void runHandler(const std::function<void()>& handler);
  /// True when the window may close now; runs windowClosing once.
  bool closeRequested();
  void addPendingListItems();

  std::unique_ptr<qtwidgets::MainWindow> window_;
  std::array<Entry, kControlCount> controls_{};
  Events events_;
  int handlerDepth_ = 0;
  bool closePending_ = false;
  bool closed_ = false;
};

}  // namespace toolkit
