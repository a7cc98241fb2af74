#pragma once

// The window's labels (标签1 to 标签7): each paints its whole area itself, then its caption.

#include <QColor>
#include <QString>
#include <QWidget>

#include "toolkit/control_description.h"

namespace toolkit::qtwidgets {

class CaptionLabel final : public QWidget {
 public:
  /// `background` is ButtonFace, Colour or Gradient; `wordWrap` centres each line and lays
  /// the lines out from the top edge, otherwise the caption is one vertically centred line.
  CaptionLabel(Background background, QColor backgroundColour, Alignment alignment, bool wordWrap,
               QWidget* parent = nullptr);

  /// Line breaks as "\n".
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setTextColour(QColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintGradient(QPainter& painter) const;
  void paintWrapped(QPainter& painter) const;

  Background background_;
  QColor backgroundColour_;
  Alignment alignment_;
  bool wordWrap_;
  QString caption_;
  QColor textColour_{Qt::black};
};

}  // namespace toolkit::qtwidgets
