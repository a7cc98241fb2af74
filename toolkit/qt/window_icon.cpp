#include "toolkit/qt/window_icon.h"

#include <QPainter>
#include <QPixmap>

namespace toolkit::qtwidgets {

QIcon windowIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.fillRect(0, 0, 32, 32, QColor(0, 0, 255));
  painter.fillRect(0, 0, 32, 4, QColor(0, 128, 0));
  const QColor yellow(255, 255, 0);
  const QColor white(255, 255, 255);
  // "+" upper left, "-" upper right, "x" lower left, "÷" lower right, each in a 12 px cell.
  painter.fillRect(4, 11, 10, 2, yellow);
  painter.fillRect(8, 7, 2, 10, yellow);
  painter.fillRect(18, 11, 10, 2, white);
  QPen pen(white, 2);
  painter.setPen(pen);
  painter.drawLine(5, 21, 13, 29);
  painter.drawLine(13, 21, 5, 29);
  painter.setPen(Qt::NoPen);
  painter.fillRect(18, 24, 10, 2, yellow);
  painter.fillRect(22, 20, 2, 2, yellow);
  painter.fillRect(22, 28, 2, 2, yellow);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace toolkit::qtwidgets
