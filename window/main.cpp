// The program entry: the drill state first, then the window; the window's created event fills
// and restores the option lists, its closing event saves them, and the drill state is released
// after the window is gone.

#include <QApplication>

#include "drill/drill.h"
#include "toolkit/qt/qt_toolkit.h"
#include "window/handlers.h"
#include "window/layout.h"

int main(int argc, char* argv[]) {
  // Declared first, so it is released last: it outlives the window at both ends.
  drill::DrillState state;

  QApplication application(argc, argv);
  toolkit::QtToolkit ui(window::windowDescription(), window::controlTable());
  window::Handlers handlers(ui, state);
  ui.open(handlers.events());
  // The loop ends when the window has closed (closing ran the closing handler).
  return QApplication::exec();
}
