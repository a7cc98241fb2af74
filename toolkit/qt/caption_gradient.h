#pragma once

// The caption bar's background: a vertical gradient through three colour stops.

#include <QColor>

namespace toolkit::qtwidgets {

/// The colour of row `y` (0 at the top) of a bar `height` pixels tall. With s = height / 2, row
/// y takes stop i = y / s blended towards stop i + 1 by (y mod s) / s, each component truncated
/// toward zero; rows with i >= 2 take the last stop. Stops: (0,128,0), (22,47,218), (0,96,192).
QColor captionGradientRow(int y, int height);

}  // namespace toolkit::qtwidgets
