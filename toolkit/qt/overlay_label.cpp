#include "toolkit/qt/overlay_label.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
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
  painter.setPen(textColour_);
  painter.setFont(captionFont);
  // The Song faces have no bold weight, and glyphs of the overlay's size bypass the font
  // engine's synthetic bold: overstrike the caption a pixel to the right at a time instead.
  const int overstrike = captionFont.bold() && !hasBoldStyle(captionFont)
                             ? std::max(1, QFontInfo(captionFont).pixelSize() / 32)
                             : 0;
  for (int dx = 0; dx <= overstrike; ++dx) {
    painter.drawText(rect().translated(dx - overstrike / 2, 0),
                     Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
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
