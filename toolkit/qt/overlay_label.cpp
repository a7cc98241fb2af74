#include "toolkit/qt/overlay_label.h"

#include <QEvent>
#include <QPainter>

#include "toolkit/qt/paint_now.h"

namespace toolkit::qtwidgets {

OverlayLabel::OverlayLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void OverlayLabel::setCaption(const QString& caption) {
  caption_ = caption;
  repaintArea();
}

void OverlayLabel::setTextColour(QColor colour) {
  textColour_ = colour;
  repaintArea();
}

void OverlayLabel::setVisible(bool visible) {
  QWidget::setVisible(visible);
  repaintArea();
}

void OverlayLabel::repaintArea() {
  // The overlay is not opaque: painting its area paints the controls behind it first, in
  // stacking order, then the caption (or nothing of it once the overlay is hidden).
  if (isVisible()) {
    update();
  } else if (QWidget* parent = parentWidget()) {
    parent->update(geometry());
  }
  paintPendingNow(this);
}

void OverlayLabel::paintEvent(QPaintEvent*) {
  if (caption_.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(textColour_);
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void OverlayLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) repaintArea();
}

}  // namespace toolkit::qtwidgets
