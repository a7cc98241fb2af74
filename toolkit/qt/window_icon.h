#pragma once

#include <QIcon>

namespace toolkit::qtwidgets {

/// The window's own 32 x 32 icon: the four operation signs on the question box's blue.
QIcon windowIcon();

}  // namespace toolkit::qtwidgets
