#include "toolkit/qt/overlay_label.h"

#include <QEvent>
#include <QPainter>

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
  // Repainting the parent's region paints every control there in stacking order, so the
  // controls behind the overlay are drawn first and the caption last (or not at all when
  // the overlay is hidden).
  if (QWidget* parent = parentWidget(); parent != nullptr && parent->isVisible()) {
    parent->repaint(geometry());
  }
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
