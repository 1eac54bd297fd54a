// The segment clipper: both ends inside are kept; otherwise each outside end moves to the nearest
// crossing of the segment's line with an edge of the rectangle, computed in single precision.
#include <algorithm>
#include <cstdint>

#include "gfx/primitives.h"

namespace gfx {
namespace {

struct Crossing {
  float x, y;
};

bool inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// Squared distance in double precision: for end points far outside, neighbouring crossings
// would be indistinguishable in single precision.
double distance2(const Crossing& c, int x, int y) {
  const double dx = static_cast<double>(c.x) - x, dy = static_cast<double>(c.y) - y;
  return dx * dx + dy * dy;
}

}  // namespace

bool ClipSegment(int& x1, int& y1, int& x2, int& y2, int left, int top, int right, int bottom) {
  if (std::max(x1, x2) < left || std::min(x1, x2) > right || std::max(y1, y2) < top ||
      std::min(y1, y2) > bottom)
    return false;
  const bool in1 = inside(x1, y1, left, top, right, bottom);
  const bool in2 = inside(x2, y2, left, top, right, bottom);
  if (in1 && in2) return true;
  if (x1 == x2) {
    y1 = std::clamp(y1, top, bottom);
    y2 = std::clamp(y2, top, bottom);
    return true;
  }

  const float fx1 = static_cast<float>(x1), fy1 = static_cast<float>(y1);
  // The differences are taken wide: end points far apart on either side must not wrap.
  const float dx = static_cast<float>(static_cast<std::int64_t>(x2) - x1);
  const float dy = static_cast<float>(static_cast<std::int64_t>(y2) - y1);
  const float minX = static_cast<float>(std::min(x1, x2)),
              maxX = static_cast<float>(std::max(x1, x2));
  const float minY = static_cast<float>(std::min(y1, y2)),
              maxY = static_cast<float>(std::max(y1, y2));
  const float fl = static_cast<float>(left), fr = static_cast<float>(right);
  const float ft = static_cast<float>(top), fb = static_cast<float>(bottom);

  Crossing found[4];
  int count = 0;
  auto keep = [&](float cx, float cy) {
    if (cx >= fl && cx <= fr && cy >= ft && cy <= fb && cx >= minX && cx <= maxX && cy >= minY &&
        cy <= maxY)
      found[count++] = Crossing{cx, cy};
  };
  if (y1 != y2) {  // a horizontal segment never crosses a horizontal edge
    for (const float ey : {ft, fb})
      keep(fx1 + (ey - fy1) * dx / dy, ey);
  }
  for (const float ex : {fl, fr})
    keep(ex, fy1 + (ex - fx1) * dy / dx);
  if (count == 0) return false;

  auto nearest = [&](int x, int y) {
    const Crossing* best = &found[0];
    for (int i = 1; i < count; ++i)
      if (distance2(found[i], x, y) < distance2(*best, x, y)) best = &found[i];
    return *best;
  };
  if (!in1) {
    const Crossing c = nearest(x1, y1);
    x1 = static_cast<int>(c.x);
    y1 = static_cast<int>(c.y);
  }
  if (!in2) {
    const Crossing c = nearest(x2, y2);
    x2 = static_cast<int>(c.x);
    y2 = static_cast<int>(c.y);
  }
  return true;
}

}  // namespace gfx
