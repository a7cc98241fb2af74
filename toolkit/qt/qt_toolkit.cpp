#include "toolkit/qt/qt_toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <thread>

#include "toolkit/alsa/tone.h"
#include "toolkit/qt/caption_label.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/gbk_text.h"
#include "toolkit/qt/group_frame.h"
#include "toolkit/qt/line_box.h"
#include "toolkit/qt/main_window.h"
#include "toolkit/qt/option_list.h"
#include "toolkit/qt/overlay_label.h"
#include "toolkit/qt/paint_now.h"
#include "toolkit/qt/spin_arrows.h"
#include "toolkit/qt/text_box.h"
#include "toolkit/qt/window_icon.h"

namespace toolkit {

using namespace qtwidgets;

namespace {

// The frame around the client area that the window's outer size of 1040 x 717 allows for;
// used to centre the frame before the window system has reported the real one.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 35;

// A wait sleeps in slices this long between letting the window system's requests through.
constexpr auto kWaitSlice = std::chrono::milliseconds(5);

std::size_t indexOf(Control c) {
  return static_cast<std::size_t>(c);
}

QColor toQColor(Rgb colour) {
  return {colour.r, colour.g, colour.b};
}

// Colours of the edit boxes and option lists; an edit box that loses the focus hides its
// selection (the inactive selection is drawn in the box's own colours).
void applyBoxColours(QWidget* widget, const ControlDescription& row) {
  QPalette palette = widget->palette();
  if (row.textColour) {
    palette.setColor(QPalette::Text, toQColor(*row.textColour));
    palette.setColor(QPalette::WindowText, toQColor(*row.textColour));
  }
  if (row.background == Background::Colour) {
    palette.setColor(QPalette::Base, toQColor(row.backgroundColour));
  }
  if (row.kind == ControlKind::EditBox) {
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
  }
  widget->setPalette(palette);
}

QWidget* makeEditBox(const ControlDescription& row) {
  const QString text = fromGbk(row.text);
  if (row.multiLine) {
    auto* box = new TextBox;
    box->setRealText(text);
    box->setCentred(row.alignment == Alignment::Centred);
    box->setPasswordMode(row.password);
    if (row.border) box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return box;
  }
  auto* box = new LineBox;
  box->setText(text);
  box->setFrame(row.border);
  box->setAlignment((row.alignment == Alignment::Centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                    Qt::AlignVCenter);
  if (row.password) box->setEchoMode(QLineEdit::Password);
  return box;
}

QWidget* makeWidget(const ControlDescription& row) {
  const QString text = toWidgetLines(fromGbk(row.text));
  const QColor textColour = row.textColour ? toQColor(*row.textColour) : QColor(Qt::black);
  switch (row.kind) {
    case ControlKind::Label: {
      auto* label = new CaptionLabel(row.background, toQColor(row.backgroundColour), row.alignment,
                                     row.multiLine);
      label->setCaption(text);
      label->setTextColour(textColour);
      return label;
    }
    case ControlKind::TransLabel: {
      auto* overlay = new OverlayLabel;
      overlay->setCaption(text);
      overlay->setTextColour(textColour);
      return overlay;
    }
    case ControlKind::EditBox:
      return makeEditBox(row);
    case ControlKind::Button: {
      auto* button = new QPushButton(text);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(text);
      box->setChecked(row.checked);
      return box;
    }
    case ControlKind::ComboBox:
      return new OptionList;
    case ControlKind::GroupBox: {
      auto* group = new GroupFrame;
      group->setTitle(text);
      return group;
    }
    case ControlKind::Spin:
      return new SpinArrows;
  }
  return new QWidget;
}

}  // namespace

QtToolkit::QtToolkit(const WindowDescription& window, std::span<const ControlDescription> controls)
    : window_(std::make_unique<MainWindow>()) {
  window_->setWindowTitle(fromGbk(window.title));
  window_->setFixedSize(window.clientWidth, window.clientHeight);
  const QIcon icon = windowIcon();
  window_->setWindowIcon(icon);
  QApplication::setWindowIcon(icon);  // the message boxes, which have no owner window
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window_->setPalette(palette);
  window_->setAutoFillBackground(true);
  window_->mayClose = [this] { return closeRequested(); };
  build(controls);
}

QtToolkit::~QtToolkit() = default;

void QtToolkit::build(std::span<const ControlDescription> controls) {
  // A parent may be declared after its children (分组框2 after 标签7): make every control
  // first, then put each into its parent in the declared order.
  for (const ControlDescription& row : controls) {
    Entry& slot = controls_[indexOf(row.id)];
    slot.kind = row.kind;
    slot.widget = makeControl(row);
  }
  for (const ControlDescription& row : controls) {
    QWidget* widget = controls_[indexOf(row.id)].widget;
    QWidget* parent = row.parent ? controls_[indexOf(*row.parent)].widget : window_.get();
    widget->setParent(parent);
    widget->setGeometry(row.left, row.top, row.width, row.height);
    widget->show();  // shown with the window
  }
  // Qt stacks a later child above an earlier one; the window's order is the reverse.
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    controls_[indexOf(it->id)].widget->raise();
  }
  for (const ControlDescription& row : controls) connectEvents(row.id);
  setTabOrder();
}

QWidget* QtToolkit::makeControl(const ControlDescription& row) {
  QWidget* widget = makeWidget(row);
  widget->setObjectName(
      QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
  widget->setFont(fontFor(row.font));
  if (row.kind == ControlKind::EditBox || row.kind == ControlKind::ComboBox) {
    applyBoxColours(widget, row);
  } else if (row.kind == ControlKind::CheckBox && row.textColour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(*row.textColour));
    widget->setPalette(palette);
  }
  return widget;
}

void QtToolkit::connectEvents(Control c) {
  QWidget* widget = entry(c).widget;
  switch (entry(c).kind) {
    case ControlKind::Button:
      QObject::connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, widget, [this, c] {
        runHandler([this, c] {
          if (events_.buttonClicked) events_.buttonClicked(c);
        });
      });
      break;
    case ControlKind::ComboBox:
      static_cast<OptionList*>(widget)->picked = [this, c] {
        runHandler([this, c] {
          if (events_.listItemSelected) events_.listItemSelected(c);
        });
      };
      break;
    case ControlKind::EditBox: {
      auto keyDown = [this, c](int keyCode) {
        runHandler([this, c, keyCode] {
          if (events_.keyPressed) events_.keyPressed(c, keyCode);
        });
      };
      if (auto* box = dynamic_cast<TextBox*>(widget)) box->keyDown = keyDown;
      if (auto* box = dynamic_cast<LineBox*>(widget)) box->keyDown = keyDown;
      break;
    }
    case ControlKind::Spin:
      static_cast<SpinArrows*>(widget)->stepped = [this](int step) {
        runHandler([this, step] {
          if (events_.spinStep) events_.spinStep(step);
        });
      };
      break;
    default:
      break;
  }
}

void QtToolkit::setTabOrder() {
  // Reading order of the lower panel, then the boxes above it.
  const Control chain[] = {Control::组合框2, Control::组合框1, Control::组合框4, Control::组合框3,
                           Control::按钮1,   Control::按钮2,   Control::按钮3,   Control::编辑框4,
                           Control::按钮4,   Control::选择框1, Control::编辑框3, Control::编辑框2};
  QWidget* previous = nullptr;
  for (Control c : chain) {
    QWidget* next = entry(c).widget;
    if (next == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

const QtToolkit::Entry& QtToolkit::entry(Control c) const {
  return controls_[indexOf(c)];
}

QWidget* QtToolkit::window() const {
  return window_.get();
}

QWidget* QtToolkit::widget(Control c) const {
  return entry(c).widget;
}

void QtToolkit::open(Events events) {
  events_ = std::move(events);
  runHandler(events_.windowCreated);
  addPendingListItems();
  if (const QScreen* screen = window_->screen()) {
    const QRect area = screen->geometry();
    window_->move(area.x() + (area.width() - (window_->width() + kFrameWidth)) / 2,
                  area.y() + (area.height() - (window_->height() + kFrameHeight)) / 2);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtToolkit::runHandler(const std::function<void()>& handler) {
  ++handlerDepth_;
  const auto leave = qScopeGuard([this] { --handlerDepth_; });
  if (handler) handler();
  if (handlerDepth_ > 1) return;
  addPendingListItems();
  if (closePending_) {
    // Re-post the close request that arrived while the handler ran; it is carried out once the
    // handler has returned to the event loop.
    closePending_ = false;
    QMetaObject::invokeMethod(
        window_.get(), [window = window_.get()] { window->close(); }, Qt::QueuedConnection);
  }
}

bool QtToolkit::closeRequested() {
  if (closed_) return true;
  if (handlerDepth_ > 0) {
    closePending_ = true;
    return false;
  }
  closed_ = true;
  runHandler(events_.windowClosing);
  return true;
}

void QtToolkit::addPendingListItems() {
  for (const Entry& e : controls_) {
    if (e.kind == ControlKind::ComboBox) static_cast<OptionList*>(e.widget)->addPendingItems();
  }
}

std::string QtToolkit::text(Control c) const {
  QWidget* widget = entry(c).widget;
  switch (entry(c).kind) {
    case ControlKind::Label:
      return toGbk(toProgramLines(static_cast<CaptionLabel*>(widget)->caption()));
    case ControlKind::TransLabel:
      return toGbk(static_cast<OverlayLabel*>(widget)->caption());
    case ControlKind::EditBox:
      if (auto* box = dynamic_cast<TextBox*>(widget)) return toGbk(toProgramLines(box->realText()));
      return toGbk(static_cast<LineBox*>(widget)->text());
    case ControlKind::Button:
      return toGbk(static_cast<QPushButton*>(widget)->text());
    case ControlKind::CheckBox:
      return toGbk(static_cast<QCheckBox*>(widget)->text());
    case ControlKind::ComboBox:
      return toGbk(static_cast<OptionList*>(widget)->currentText());
    case ControlKind::GroupBox:
      return toGbk(static_cast<GroupFrame*>(widget)->title());
    case ControlKind::Spin:
      return {};
  }
  return {};
}

void QtToolkit::setText(Control c, std::string_view gbk) {
  QWidget* widget = entry(c).widget;
  const QString text = fromGbk(gbk);
  switch (entry(c).kind) {
    case ControlKind::Label:
      static_cast<CaptionLabel*>(widget)->setCaption(toWidgetLines(text));
      break;
    case ControlKind::TransLabel:
      static_cast<OverlayLabel*>(widget)->setCaption(text);
      break;
    case ControlKind::EditBox:
      if (auto* box = dynamic_cast<TextBox*>(widget)) {
        box->setRealText(text);
      } else {
        static_cast<LineBox*>(widget)->setText(text);
      }
      break;
    case ControlKind::Button:
      static_cast<QPushButton*>(widget)->setText(toWidgetLines(text));
      break;
    case ControlKind::CheckBox:
      static_cast<QCheckBox*>(widget)->setText(text);
      break;
    case ControlKind::ComboBox:
      static_cast<OptionList*>(widget)->addPendingItems();
      static_cast<OptionList*>(widget)->setEditText(text);
      break;
    case ControlKind::GroupBox:
      static_cast<GroupFrame*>(widget)->setTitle(text);
      break;
    case ControlKind::Spin:
      break;
  }
}

std::string QtToolkit::windowTitle() const {
  return toGbk(window_->windowTitle());
}

void QtToolkit::setWindowTitle(std::string_view gbk) {
  window_->setWindowTitle(fromGbk(gbk));
}

void QtToolkit::setVisible(Control c, bool visible) {
  entry(c).widget->setVisible(visible);
}

bool QtToolkit::isVisible(Control c) const {
  // Whether it shows once the window does: the same before the window is shown and after.
  return entry(c).widget->isVisibleTo(window_.get());
}

void QtToolkit::setEnabled(Control c, bool enabled) {
  entry(c).widget->setEnabled(enabled);
}

bool QtToolkit::isEnabled(Control c) const {
  return entry(c).widget->isEnabled();
}

int QtToolkit::listPosition(Control c) const {
  if (entry(c).kind != ControlKind::ComboBox) return -1;
  auto* list = static_cast<OptionList*>(entry(c).widget);
  list->addPendingItems();
  return list->currentIndex();
}

void QtToolkit::setListPosition(Control c, int position) {
  if (entry(c).kind != ControlKind::ComboBox) return;
  static_cast<OptionList*>(entry(c).widget)->setPosition(position);
}

void QtToolkit::addListItem(Control c, std::string_view gbk) {
  if (entry(c).kind != ControlKind::ComboBox) return;
  static_cast<OptionList*>(entry(c).widget)->appendItem(fromGbk(gbk));
}

int QtToolkit::listCount(Control c) const {
  if (entry(c).kind != ControlKind::ComboBox) return 0;
  auto* list = static_cast<OptionList*>(entry(c).widget);
  list->addPendingItems();
  return list->count();
}

std::string QtToolkit::listItem(Control c, int position) const {
  if (entry(c).kind != ControlKind::ComboBox) return {};
  auto* list = static_cast<OptionList*>(entry(c).widget);
  list->addPendingItems();
  if (position < 0 || position >= list->count()) return {};
  return toGbk(list->itemText(position));
}

bool QtToolkit::isChecked(Control c) const {
  if (entry(c).kind != ControlKind::CheckBox) return false;
  return static_cast<QCheckBox*>(entry(c).widget)->isChecked();
}

void QtToolkit::setTextColour(Control c, Rgb colour) {
  QWidget* widget = entry(c).widget;
  const QColor qcolour = toQColor(colour);
  switch (entry(c).kind) {
    case ControlKind::Label:
      static_cast<CaptionLabel*>(widget)->setTextColour(qcolour);
      return;
    case ControlKind::TransLabel:
      static_cast<OverlayLabel*>(widget)->setTextColour(qcolour);
      return;
    default: {
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Text, qcolour);
      palette.setColor(QPalette::WindowText, qcolour);
      palette.setColor(QPalette::ButtonText, qcolour);
      palette.setColor(QPalette::Inactive, QPalette::HighlightedText, qcolour);
      widget->setPalette(palette);
      return;
    }
  }
}

int QtToolkit::fontSize(Control c) const {
  const QWidget* widget = entry(c).widget;
  const QFont font = widget->font();
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  return pixelsToPoints(pixels, widget->logicalDpiY());
}

void QtToolkit::setFontSize(Control c, int points) {
  QWidget* widget = entry(c).widget;
  int pixels = pointsToPixels(points, widget->logicalDpiY());
  if (pixels == 0) pixels = QFontInfo(QApplication::font()).pixelSize();
  QFont font = widget->font();
  font.setPixelSize(std::max(1, pixels));
  widget->setFont(font);
}

void QtToolkit::setAlignment(Control c, Alignment alignment) {
  QWidget* widget = entry(c).widget;
  const bool centred = alignment == Alignment::Centred;
  if (auto* box = dynamic_cast<TextBox*>(widget)) box->setCentred(centred);
  if (auto* box = dynamic_cast<LineBox*>(widget)) {
    box->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  }
}

void QtToolkit::setPasswordMode(Control c, bool on) {
  QWidget* widget = entry(c).widget;
  if (auto* box = dynamic_cast<TextBox*>(widget)) box->setPasswordMode(on);
  if (auto* box = dynamic_cast<LineBox*>(widget)) {
    box->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
  }
}

bool QtToolkit::isPasswordMode(Control c) const {
  QWidget* widget = entry(c).widget;
  if (auto* box = dynamic_cast<TextBox*>(widget)) return box->passwordMode();
  if (auto* box = dynamic_cast<LineBox*>(widget)) return box->echoMode() == QLineEdit::Password;
  return false;
}

void QtToolkit::repaintNow(Control c) {
  if (entry(c).kind == ControlKind::ComboBox) {
    static_cast<OptionList*>(entry(c).widget)->addPendingItems();
  }
  if (entry(c).kind == ControlKind::TransLabel) {
    static_cast<OverlayLabel*>(entry(c).widget)->repaintArea();
    return;
  }
  paintNow(entry(c).widget);
}

void QtToolkit::setFocus(Control c) {
  entry(c).widget->setFocus(Qt::OtherFocusReason);
}

bool QtToolkit::hasFocus(Control c) const {
  return entry(c).widget->hasFocus();
}

void QtToolkit::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  addPendingListItems();
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  fromGbk(title), toWidgetLines(fromGbk(text)), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void QtToolkit::handlePendingEvents() {
  addPendingListItems();
  // Lets the window paint and answer the window system, but leaves the learner's clicks and
  // keys queued: no handler can start inside the running one.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtToolkit::wait(int milliseconds) {
  if (milliseconds <= 0) return;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    // Keeps the window answering exposes and the desktop's pings; input stays queued.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const Clock::time_point now = Clock::now();
    if (now >= deadline) return;
    std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, kWaitSlice));
  }
}

void QtToolkit::beep(int hertz, int milliseconds) {
  playTone(hertz, milliseconds);
}

void QtToolkit::enableVisualStyles() {
  // Qt draws every standard control in the platform's current style from the start; there is
  // no older look to switch away from.
}

}  // namespace toolkit
