#pragma once

#include <span>

#include "toolkit/control_description.h"

namespace window {

/// The window's frame, title and client size.
const toolkit::WindowDescription& windowDescription();

/// The 24 controls in the order the window declares them (also their stacking order).
std::span<const toolkit::ControlDescription> controlTable();

}  // namespace window
