#include "toolkit/qt/fonts.h"

#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace toolkit::qtwidgets {

QFont songFont(int pixelHeight, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")});
  font.setPixelSize(pixelHeight > 0 ? pixelHeight : 12);
  font.setBold(bold);
  return font;
}

QFont fontFor(const FontDescription& row) {
  switch (row.face) {
    case FontFace::Song:
      return songFont(row.pixelHeight, row.bold);
    case FontFace::Default:
    case FontFace::Gui: {
      // The application font; for Chinese glyphs fontconfig falls back to a CJK face.
      QFont font;
      if (row.pixelHeight > 0) font.setPixelSize(row.pixelHeight);
      font.setBold(row.bold);
      return font;
    }
  }
  return {};
}

int pointsToPixels(int points, int dpi) {
  return static_cast<int>(std::lround(std::abs(static_cast<double>(points)) * dpi / 72.0));
}

int pixelsToPoints(int pixels, int dpi) {
  if (dpi <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(pixels) * 72.0 / dpi));
}

}  // namespace toolkit::qtwidgets
