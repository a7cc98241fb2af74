#include "toolkit/qt/line_box.h"

#include <QKeyEvent>

#include "toolkit/qt/key_codes.h"

namespace toolkit::qtwidgets {

LineBox::LineBox(QWidget* parent) : QLineEdit(parent) {}

void LineBox::keyPressEvent(QKeyEvent* event) {
  if (keyDown) keyDown(programKeyCode(*event));
  QLineEdit::keyPressEvent(event);
}

}  // namespace toolkit::qtwidgets
