#include "toolkit/qt/paint_now.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace toolkit::qtwidgets {

void paintNow(QWidget* widget) {
  widget->update();
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    if (!child->isWindow()) child->update();
  }
  paintPendingNow(widget);
}

void paintPendingNow(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isVisible()) return;
  // The event the window's repaint manager posts for its deferred updates; sent directly, it
  // paints and flushes them now. Unlike processEvents, it runs nothing else.
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window, &request);
}

}  // namespace toolkit::qtwidgets
