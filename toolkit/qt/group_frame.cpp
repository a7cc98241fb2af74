#include "toolkit/qt/group_frame.h"

#include <QPainter>

namespace toolkit::qtwidgets {

GroupFrame::GroupFrame(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::setTitle(const QString& title) {
  title_ = title;
  update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int top = fontMetrics().height() / 2;
  const QRect frame = rect().adjusted(0, top, -2, -2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);
  if (title_.isEmpty()) return;
  const QRect titleRect(8, 0, fontMetrics().horizontalAdvance(title_) + 4, fontMetrics().height());
  painter.fillRect(titleRect, palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(titleRect, Qt::AlignCenter, title_);
}

}  // namespace toolkit::qtwidgets
