#pragma once

#include <span>

#include "toolkit/control_spec.h"

namespace window {

/// The window's frame, title and client size.
const toolkit::WindowSpec& windowSpec();

/// The 24 controls in the order the window declares them (also their stacking order).
std::span<const toolkit::ControlSpec> controlTable();

}  // namespace window
