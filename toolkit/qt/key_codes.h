#pragma once

class QKeyEvent;

namespace toolkit::qtwidgets {

/// The key code that the program's key handlers see: 13 for Enter (either Return or the
/// keypad's Enter), 8 Backspace, 9 Tab, 27 Esc, 32 space, the ASCII codes of the upper-case
/// letters and of the digits, the usual virtual-key codes of arrows, Home, End, Delete and
/// F1 to F12; 0 for any other key.
int programKeyCode(const QKeyEvent& event);

}  // namespace toolkit::qtwidgets
