#pragma once

class QWidget;

namespace toolkit::qtwidgets {

/// Marks `widget` and every widget inside it for repainting, then paints all pending changes of
/// its window and puts them on the screen before returning, handling no other event. (A plain
/// QWidget::repaint() paints the widget alone: an edit box's text lies in a child widget.)
void paintNow(QWidget* widget);

/// Paints the pending changes of the window of `widget` at once, handling no other event.
void paintPendingNow(QWidget* widget);

}  // namespace toolkit::qtwidgets
