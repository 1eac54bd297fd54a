// The cells of the group controls: n items share the control's width (horizontal) or height
// (vertical) in equal integer cells. A point is on an item when it lies strictly inside the
// item's rectangle (its left and top edges do not count).
#pragma once

#include <cstdint>

#include "gfx/box.h"

namespace gui {

/// The top-left corner of cell index of count cells over (x, y, width, height).
inline gfx::Box CellOf(int index, int count, int x, int y, int width, int height, bool horizontal) {
  if (count <= 0) return {};
  if (horizontal) {
    const int cell = width / count;
    return {static_cast<std::int16_t>(x + index * cell), static_cast<std::int16_t>(y),
            static_cast<std::int16_t>(cell), static_cast<std::int16_t>(height)};
  }
  const int cell = height / count;
  return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y + index * cell),
          static_cast<std::int16_t>(width), static_cast<std::int16_t>(cell)};
}

/// True when (px, py) is strictly inside r.
inline bool StrictlyInside(const gfx::Box& r, int px, int py) {
  return r.x < px && px < r.x + r.width && r.y < py && py < r.y + r.height;
}

}  // namespace gui
