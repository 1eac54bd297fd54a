// The 4-connected stepping shared by the lines and the slope bands: |dx| + |dy| single steps with
// an error term e starting at 0; e > 0 steps in y (e -= 2|dx|), otherwise in x (e += 2|dy|).
// A vertical segment steps in y only: with no x distance to cover, an x step would leave the
// walk one row short of its end point.
#pragma once

#include <cstdlib>

namespace gfx::detail {

/// Calls step(x, y) after every single step from (x1, y1) toward (x2, y2); the start point
/// itself is not reported.
template <typename Step>
inline void walkLine(int x1, int y1, int x2, int y2, Step&& step) {
  const int adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
  const int sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
  int x = x1, y = y1;
  if (adx == 0) {
    for (int i = 0; i < ady; ++i) {
      y += sy;
      step(x, y);
    }
    return;
  }
  int e = 0;
  for (int i = adx + ady; i > 0; --i) {
    if (e > 0) {
      e -= 2 * adx;
      y += sy;
    } else {
      e += 2 * ady;
      x += sx;
    }
    step(x, y);
  }
}

}  // namespace gfx::detail
