// DrawThickLine: the game's links. The unit perpendicular n of the segment is computed in single
// precision (its length's square root in double precision); the wedge tips 0.6 of the way along
// in double precision. Every corner is truncated toward zero.
#include <algorithm>
#include <cmath>

#include "gfx/primitives.h"

namespace gfx {
namespace {

// Truncates toward zero, kept inside a range where later integer arithmetic cannot overflow.
int truncate(double v) {
  constexpr double kLimit = 1 << 28;
  if (!(v > -kLimit)) return -static_cast<int>(kLimit);
  if (!(v < kLimit)) return static_cast<int>(kLimit);
  return static_cast<int>(v);
}

}  // namespace

void DrawThickLine(Surface& s, int x1, int y1, int x2, int y2, float halfWidth,
                   std::uint16_t colour, int style) {
  // A plain line needs no direction, so a zero-length thin link still draws its one pixel.
  if (style == 1 || (style != 2 && halfWidth < 1.5f)) {
    DrawLine(s, x1, y1, x2, y2, colour);
    return;
  }
  if (!std::isfinite(halfWidth)) return;
  // Every corner lies within |halfWidth| of an end point and truncates to at most one pixel
  // nearer the surface, so a link further than that outside the surface draws nothing: it is
  // left before its direction is worked out (the margin also covers rounding in the corners).
  const double margin = std::fabs(static_cast<double>(halfWidth)) * 1.001 + 2.0;
  if (std::max(x1, x2) + margin < 0.0 || std::min(x1, x2) - margin >= s.width ||
      std::max(y1, y2) + margin < 0.0 || std::min(y1, y2) - margin >= s.height)
    return;
  // Differences in double: far-apart ints must not overflow (the values are exact either way).
  const float a = static_cast<float>(static_cast<double>(y2) - y1);
  const float b = static_cast<float>(static_cast<double>(x1) - x2);
  const float length = static_cast<float>(std::sqrt(static_cast<double>(a * a + b * b)));
  if (!(length > 0.0f)) return;  // a zero-length link has no direction
  const float scale = 1.0f / length;
  const float nx = a * scale, ny = b * scale;
  const float ox = halfWidth * nx, oy = halfWidth * ny;
  const float fx1 = static_cast<float>(x1), fy1 = static_cast<float>(y1);
  const float fx2 = static_cast<float>(x2), fy2 = static_cast<float>(y2);

  if (style == 2) {
    DrawLine(s, truncate(fx1 + ox), truncate(fy1 + oy), truncate(fx2 - ox), truncate(fy2 - oy),
             colour);
    DrawLine(s, truncate(fx1 - ox), truncate(fy1 - oy), truncate(fx2 + ox), truncate(fy2 + oy),
             colour);
    return;
  }
  const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
  const Point tip1{truncate(x1 + 0.6 * dx), truncate(y1 + 0.6 * dy)};
  const Point tip2{truncate(x2 - 0.6 * dx), truncate(y2 - 0.6 * dy)};
  FillTriangle(s, Point{truncate(fx1 + ox), truncate(fy1 + oy)}, tip1,
               Point{truncate(fx1 - ox), truncate(fy1 - oy)}, colour);
  FillTriangle(s, Point{truncate(fx2 + ox), truncate(fy2 + oy)}, tip2,
               Point{truncate(fx2 - ox), truncate(fy2 - oy)}, colour);
}

}  // namespace gfx
