#include "gfx/box.h"

#include <algorithm>

namespace gfx {
namespace {

// One axis of the intersection: a covers [a0, a1), b covers [b0, b1).
bool intersectAxis(int a0, int a1, int b0, int b1, int& start, int& end) {
  if (a0 < b0) {
    start = b0;
    if (a1 < b0) return false;
  } else if (a0 < b1) {
    start = a0;
  } else {
    start = a0;
    end = a0;
    return false;
  }
  end = std::min(a1, b1);
  return true;
}

}  // namespace

bool BoxIntersect(const Box& a, const Box& b, Box& out) {
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  const bool xOk = intersectAxis(a.x, a.x + a.width, b.x, b.x + b.width, x0, x1);
  const bool yOk = intersectAxis(a.y, a.y + a.height, b.y, b.y + b.height, y0, y1);
  out = Box{static_cast<std::int16_t>(x0), static_cast<std::int16_t>(y0),
            static_cast<std::int16_t>(x1 - x0), static_cast<std::int16_t>(y1 - y0)};
  return xOk && yOk && out.width > 0 && out.height > 0;
}

}  // namespace gfx
