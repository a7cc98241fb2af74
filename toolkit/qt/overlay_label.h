#pragma once

// The status and countdown overlay (透明标签1): draws only its caption, centred both ways,
// over whatever lies behind it, and lets the mouse through to it.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

namespace toolkit::qtwidgets {

class OverlayLabel final : public QWidget {
 public:
  explicit OverlayLabel(QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  /// Every change repaints the overlay's area at once: what lies behind it, then the caption.
  void setCaption(const QString& caption);
  void setTextColour(QColor colour);
  void setVisible(bool visible) override;

  /// Paints the overlay's area now, behind and in front, handling no other event.
  void repaintArea();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  /// Whether the face that `captionFont` resolves to has a bold weight of its own.
  static bool hasBoldStyle(const QFont& captionFont);

  QString caption_;
  QColor textColour_{Qt::green};
};

}  // namespace toolkit::qtwidgets
