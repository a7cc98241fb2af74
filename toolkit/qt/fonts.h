#pragma once

// Fonts of the table and the point <-> pixel rule of the toolkit's font size.

#include <QFont>

#include "toolkit/control_description.h"

namespace toolkit::qtwidgets {

/// 宋体: "SimSun" where it is installed, else "AR PL UMing CN"; both draw the digits, "-" and
/// the space at one width, which the question box relies on to line numbers up.
QFont songFont(int pixelHeight, bool bold);

/// The font a control is created with.
QFont fontFor(const FontDescription& row);

/// Character height in pixels for a size in points: |points| * dpi / 72, rounded; 0 when the
/// size is 0 (the caller then uses the default height).
int pointsToPixels(int points, int dpi);
/// The size in points that a character height in pixels stands for, rounded.
int pixelsToPoints(int pixels, int dpi);

}  // namespace toolkit::qtwidgets
