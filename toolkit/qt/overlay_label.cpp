#include "toolkit/qt/overlay_label.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

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
  const QFont captionFont = font();
  if (!captionFont.bold() || hasBoldStyle(captionFont)) {
    painter.setPen(textColour_);
    painter.setFont(captionFont);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    return;
  }
  // The Song faces have no bold weight, and glyphs of the overlay's size are drawn from their
  // outlines, where the font engine's synthetic bold is not applied: widen the outline here.
  const QFontMetricsF metrics(captionFont);
  const QPointF baseline((width() - metrics.horizontalAdvance(caption_)) / 2.0,
                         (height() - metrics.height()) / 2.0 + metrics.ascent());
  QPainterPath outline;
  outline.addText(baseline, captionFont, caption_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(outline, textColour_);
  const qreal strokeWidth = std::max(1.0, QFontInfo(captionFont).pixelSize() / 24.0);
  painter.strokePath(outline,
                     QPen(textColour_, strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

bool OverlayLabel::hasBoldStyle(const QFont& captionFont) {
  const QString family = QFontInfo(captionFont).family();
  const QStringList styles = QFontDatabase::styles(family);
  return std::any_of(styles.begin(), styles.end(), [&family](const QString& style) {
    return QFontDatabase::weight(family, style) >= QFont::Bold;
  });
}

void OverlayLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) repaintArea();
}

}  // namespace toolkit::qtwidgets
