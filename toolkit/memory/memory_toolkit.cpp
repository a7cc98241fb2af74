#include "toolkit/memory/memory_toolkit.h"

#include <cstdlib>
#include <utility>

namespace toolkit {

namespace {

constexpr int kEscape = 27;

std::size_t indexOf(Control c) {
  return static_cast<std::size_t>(static_cast<int>(c));
}

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::ComboBox:
      return true;
    case ControlKind::Label:
    case ControlKind::TransLabel:
    case ControlKind::GroupBox:
    case ControlKind::Spin:
      return false;
  }
  return false;
}

/// One '*' per GBK character: a byte of 0x80 or above starts a two-byte character.
std::string masked(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) ++i;
    shown.push_back('*');
  }
  return shown;
}

}  // namespace

int pointsToPixelHeight(int points, int dpi, int defaultHeight) {
  if (points == 0) return defaultHeight;
  const std::int64_t magnitude = std::llabs(static_cast<long long>(points));
  return static_cast<int>((magnitude * dpi + 36) / 72);
}

int pixelHeightToPoints(int pixelHeight, int dpi) {
  return static_cast<int>((static_cast<std::int64_t>(pixelHeight) * 72 + dpi / 2) / dpi);
}

MemoryToolkit::MemoryToolkit(std::span<const ControlDescription> controls,
                             const WindowDescription& window)
    : title_(window.title) {
  for (const ControlDescription& row : controls) {
    ControlState& s = state(row.id);
    s.kind = row.kind;
    s.text = std::string(row.text);
    s.checked = row.checked;
    s.password = row.password;
    s.alignment = row.alignment;
    s.textColour = row.textColour.value_or(Rgb{});
    s.pixelHeight = row.font.pixelHeight > 0 ? row.font.pixelHeight : kDefaultPixelHeight;
  }
}

MemoryToolkit::ControlState& MemoryToolkit::state(Control c) {
  return controls_.at(indexOf(c));
}

const MemoryToolkit::ControlState& MemoryToolkit::state(Control c) const {
  return controls_.at(indexOf(c));
}

void MemoryToolkit::record(Operation operation, std::optional<Control> control,
                           std::string_view text, int value) {
  log_.push_back(LogEntry{nowMs_, operation, control, std::string(text), value});
}

void MemoryToolkit::overlayChanged(Control c) {
  if (state(c).kind == ControlKind::TransLabel)
    paints_.push_back(PaintRecord{nowMs_, c, PaintCause::OverlayChange, snapshot(c)});
}

void MemoryToolkit::advance(int milliseconds) {
  nowMs_ += milliseconds;
}

std::string MemoryToolkit::text(Control c) const {
  return state(c).text;
}

void MemoryToolkit::setText(Control c, std::string_view gbk) {
  state(c).text = std::string(gbk);
  record(Operation::SetText, c, gbk);
  overlayChanged(c);
}

std::string MemoryToolkit::windowTitle() const {
  return title_;
}

void MemoryToolkit::setWindowTitle(std::string_view gbk) {
  title_ = std::string(gbk);
  record(Operation::SetWindowTitle, std::nullopt, gbk);
}

void MemoryToolkit::setVisible(Control c, bool visible) {
  state(c).visible = visible;
  // A control that hides while it holds the focus gives it up, as a real window does.
  if (!visible && focus_ == c) focus_.reset();
  record(Operation::SetVisible, c, {}, visible ? 1 : 0);
  overlayChanged(c);
}

bool MemoryToolkit::isVisible(Control c) const {
  return state(c).visible;
}

void MemoryToolkit::setEnabled(Control c, bool enabled) {
  state(c).enabled = enabled;
  if (!enabled && focus_ == c) focus_.reset();
  record(Operation::SetEnabled, c, {}, enabled ? 1 : 0);
  overlayChanged(c);
}

bool MemoryToolkit::isEnabled(Control c) const {
  return state(c).enabled;
}

int MemoryToolkit::listPosition(Control c) const {
  return state(c).position;
}

void MemoryToolkit::selectListPosition(Control c, int position) {
  ControlState& s = state(c);
  const int last = static_cast<int>(s.items.size()) - 1;
  if (position < -1) position = -1;
  if (position > last) position = last;
  s.position = position;
  // The list's text field shows the selected item.
  s.text = position >= 0 ? s.items[static_cast<std::size_t>(position)] : std::string();
}

void MemoryToolkit::setListPosition(Control c, int position) {
  selectListPosition(c, position);
  record(Operation::SetListPosition, c, {}, state(c).position);
}

void MemoryToolkit::addListItem(Control c, std::string_view gbk) {
  state(c).items.emplace_back(gbk);
  record(Operation::AddListItem, c, gbk);
}

int MemoryToolkit::listCount(Control c) const {
  return static_cast<int>(state(c).items.size());
}

std::string MemoryToolkit::listItem(Control c, int position) const {
  const ControlState& s = state(c);
  if (position < 0 || position >= static_cast<int>(s.items.size())) return {};
  return s.items[static_cast<std::size_t>(position)];
}

const std::vector<std::string>& MemoryToolkit::listItems(Control c) const {
  return state(c).items;
}

bool MemoryToolkit::isChecked(Control c) const {
  return state(c).checked;
}

void MemoryToolkit::setTextColour(Control c, Rgb colour) {
  state(c).textColour = colour;
  record(Operation::SetTextColour, c, {},
         (colour.r << 16) | (colour.g << 8) | static_cast<int>(colour.b));
  overlayChanged(c);
}

Rgb MemoryToolkit::textColour(Control c) const {
  return state(c).textColour;
}

int MemoryToolkit::fontSize(Control c) const {
  return pixelHeightToPoints(state(c).pixelHeight, kDotsPerInch);
}

void MemoryToolkit::setFontSize(Control c, int points) {
  state(c).pixelHeight = pointsToPixelHeight(points, kDotsPerInch, kDefaultPixelHeight);
  record(Operation::SetFontSize, c, {}, points);
  overlayChanged(c);
}

int MemoryToolkit::pixelHeight(Control c) const {
  return state(c).pixelHeight;
}

void MemoryToolkit::setAlignment(Control c, Alignment alignment) {
  state(c).alignment = alignment;
  record(Operation::SetAlignment, c, {}, static_cast<int>(alignment));
  overlayChanged(c);
}

Alignment MemoryToolkit::alignment(Control c) const {
  return state(c).alignment;
}

void MemoryToolkit::setPasswordMode(Control c, bool on) {
  state(c).password = on;
  record(Operation::SetPasswordMode, c, {}, on ? 1 : 0);
}

bool MemoryToolkit::isPasswordMode(Control c) const {
  return state(c).password;
}

ControlSnapshot MemoryToolkit::snapshot(Control c) const {
  const ControlState& s = state(c);
  return ControlSnapshot{s.text,       s.password ? masked(s.text) : s.text,
                         s.visible,    s.enabled,
                         s.textColour, pixelHeightToPoints(s.pixelHeight, kDotsPerInch),
                         s.alignment,  s.password};
}

void MemoryToolkit::repaintNow(Control c) {
  paints_.push_back(PaintRecord{nowMs_, c, PaintCause::Forced, snapshot(c)});
  record(Operation::RepaintNow, c);
}

void MemoryToolkit::setFocus(Control c) {
  focus_ = c;
  record(Operation::SetFocus, c);
}

bool MemoryToolkit::hasFocus(Control c) const {
  return focus_ == c;
}

void MemoryToolkit::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  messageBoxes_.push_back(MessageBoxRecord{nowMs_, std::string(text), std::string(title), icon});
  record(Operation::MessageBox, std::nullopt, text, static_cast<int>(icon));
  if (messageBoxHook_) messageBoxHook_();
}

void MemoryToolkit::handlePendingEvents() {
  ++pendingEventRuns_;
  record(Operation::HandlePendingEvents, std::nullopt);
  if (pendingEventsHook_) pendingEventsHook_();
}

void MemoryToolkit::wait(int milliseconds) {
  const int waited = milliseconds < 0 ? 0 : milliseconds;
  waits_.push_back(WaitRecord{nowMs_, waited});
  record(Operation::Wait, std::nullopt, {}, waited);
  advance(waited);
}

void MemoryToolkit::beep(int hertz, int milliseconds) {
  const int length = milliseconds < 0 ? 0 : milliseconds;
  tones_.push_back(ToneRecord{nowMs_, hertz, length});
  record(Operation::Beep, std::nullopt, {}, hertz);
  advance(length);
}

void MemoryToolkit::enableVisualStyles() {
  ++visualStylesCount_;
  record(Operation::EnableVisualStyles, std::nullopt);
}

void MemoryToolkit::clearRecords() {
  paints_.clear();
  messageBoxes_.clear();
  waits_.clear();
  tones_.clear();
  log_.clear();
  pendingEventRuns_ = 0;
}

void MemoryToolkit::create() {
  if (events_.windowCreated) events_.windowCreated();
}

void MemoryToolkit::close() {
  if (closed_) return;
  closed_ = true;
  if (events_.windowClosing) events_.windowClosing();
}

void MemoryToolkit::pickListItem(Control list, int position) {
  const ControlState& s = state(list);
  if (s.kind != ControlKind::ComboBox || !s.visible || !s.enabled) return;
  selectListPosition(list, position);
  focus_ = list;
  if (events_.listItemSelected) events_.listItemSelected(list);
}

void MemoryToolkit::click(Control c) {
  ControlState& s = state(c);
  if (!takesFocus(s.kind) || !s.visible || !s.enabled) return;
  focus_ = c;
  if (s.kind == ControlKind::CheckBox) s.checked = !s.checked;
  if (s.kind == ControlKind::Button && events_.buttonClicked) events_.buttonClicked(c);
}

void MemoryToolkit::typeText(Control c, std::string_view gbk) {
  state(c).text = std::string(gbk);
}

void MemoryToolkit::pressKey(int keyCode) {
  // Esc belongs to the window: it closes it wherever the focus is.
  if (keyCode == kEscape) {
    close();
    return;
  }
  if (focus_ && events_.keyPressed) events_.keyPressed(*focus_, keyCode);
}

void MemoryToolkit::pressSpinArrow(int step) {
  if (events_.spinStep) events_.spinStep(step);
}

}  // namespace toolkit
