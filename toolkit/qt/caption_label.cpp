#include "toolkit/qt/caption_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "toolkit/qt/caption_gradient.h"

namespace toolkit::qtwidgets {

CaptionLabel::CaptionLabel(Background background, QColor backgroundColour, Alignment alignment,
                           bool wordWrap, QWidget* parent)
    : QWidget(parent),
      background_(background),
      backgroundColour_(backgroundColour),
      alignment_(alignment),
      wordWrap_(wordWrap) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void CaptionLabel::setTextColour(QColor colour) {
  textColour_ = colour;
  update();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  switch (background_) {
    case Background::Gradient:
      paintGradient(painter);
      break;
    case Background::Colour:
      painter.fillRect(rect(), backgroundColour_);
      break;
    default:
      painter.fillRect(rect(), palette().color(QPalette::Button));
      break;
  }
  painter.setPen(textColour_);
  painter.setFont(font());
  if (wordWrap_) {
    paintWrapped(painter);
    return;
  }
  const int flags = (alignment_ == Alignment::Centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                    Qt::AlignVCenter | Qt::TextSingleLine;
  painter.drawText(rect(), flags, caption_);
}

void CaptionLabel::paintWrapped(QPainter& painter) const {
  // Lines follow each other at the label font's own spacing, closer where the given lines
  // would not fit otherwise: a fallback face for Chinese glyphs may be taller than the
  // label's font and would push the last lines out of a small label.
  const QStringList paragraphs = caption_.split(QLatin1Char('\n'));
  const int lineSpacing = std::min(QFontMetrics(font()).lineSpacing(),
                                   std::max(1, height() / static_cast<int>(paragraphs.size())));
  qreal y = 0;
  for (const QString& paragraph : paragraphs) {
    QTextLayout layout(paragraph, font(), this);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width());
      const qreal x =
          alignment_ == Alignment::Centred ? (width() - line.naturalTextWidth()) / 2 : 0;
      line.setPosition(QPointF(x, y));
      y += lineSpacing;
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(0, 0));
  }
}

void CaptionLabel::paintGradient(QPainter& painter) const {
  for (int y = 0; y < height(); ++y) {
    painter.fillRect(0, y, width(), 1, captionGradientRow(y, height()));
  }
}

}  // namespace toolkit::qtwidgets
