#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "toolkit/qt/fonts.h"
#include "toolkit/qt/overlay_label.h"

namespace {

using toolkit::qtwidgets::OverlayLabel;

// Pixels of the caption's colour in the overlay drawn over black.
int captionPixels(bool bold) {
  QWidget background;
  background.resize(504, 104);
  background.setAutoFillBackground(true);
  background.setPalette(QPalette(Qt::black));
  OverlayLabel overlay(&background);
  overlay.setGeometry(0, 0, 504, 104);
  overlay.setFont(toolkit::qtwidgets::songFont(64, bold));
  overlay.setCaption(QStringLiteral("3"));
  const QImage image = background.grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGreen(image.pixel(x, y)) > 128) ++count;
    }
  }
  return count;
}

// The countdown face has no bold weight of its own, and glyphs this large are drawn from their
// outlines: the overlay must still draw its bold caption visibly heavier than a regular one.
TEST(QtOverlay, BoldCaptionIsHeavierThanRegular) {
  const int regular = captionPixels(false);
  const int bold = captionPixels(true);
  ASSERT_GT(regular, 0);
  EXPECT_GT(bold, regular * 6 / 5) << "regular " << regular << ", bold " << bold;
}

}  // namespace
