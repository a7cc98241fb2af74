#include "toolkit/qt/caption_gradient.h"

#include <array>

namespace toolkit::qtwidgets {

namespace {

struct Stop {
  int r, g, b;
};
constexpr std::array<Stop, 3> kStops{{{0, 128, 0}, {22, 47, 218}, {0, 96, 192}}};

// c0 + (offset / segment) * (c1 - c0), truncated toward zero. In exact integer arithmetic: the
// numerator is never negative (both components lie in 0..255), so integer division truncates.
int blend(int c0, int c1, int offset, int segment) {
  return (c0 * segment + offset * (c1 - c0)) / segment;
}

}  // namespace

QColor captionGradientRow(int y, int height) {
  const int segment = height / 2;
  // A bar under two pixels has no segment to blend across: it shows the first stop.
  if (segment <= 0 || y < 0) return {kStops[0].r, kStops[0].g, kStops[0].b};
  const int i = y / segment;
  if (i >= 2) return {kStops[2].r, kStops[2].g, kStops[2].b};
  const int offset = y % segment;
  const Stop& from = kStops[static_cast<std::size_t>(i)];
  const Stop& to = kStops[static_cast<std::size_t>(i) + 1];
  return {blend(from.r, to.r, offset, segment), blend(from.g, to.g, offset, segment),
          blend(from.b, to.b, offset, segment)};
}

}  // namespace toolkit::qtwidgets
