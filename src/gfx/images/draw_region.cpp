#include "gfx/images/draw_region.h"

#include <algorithm>

namespace gfx {

bool computeDrawRegion(const Surface& surface, int x, int y, int width, int height, const Box* clip,
                       DrawRegion& out) {
  const Box& c = clip != nullptr ? *clip : surface.bounds;
  out.left = std::max({x, static_cast<int>(c.x), 0});
  out.top = std::max({y, static_cast<int>(c.y), 0});
  out.right =
      std::min({x + width, c.x + static_cast<int>(c.width), static_cast<int>(surface.width)});
  out.bottom =
      std::min({y + height, c.y + static_cast<int>(c.height), static_cast<int>(surface.height)});
  return surface.pixels != nullptr && out.left < out.right && out.top < out.bottom;
}

}  // namespace gfx
