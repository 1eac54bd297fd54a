#include <algorithm>

#include "gfx/primitives.h"

namespace gfx {

void FillSpan(std::uint16_t* row, int x1, int x2, int rowLength, std::uint16_t colour) {
  if (rowLength <= 0) return;
  x1 = std::clamp(x1, 0, rowLength - 1);
  x2 = std::clamp(x2, 0, rowLength - 1);
  if (x1 > x2) std::swap(x1, x2);
  if (x1 == x2) {
    row[x1] = colour;
    return;
  }
  for (std::uint16_t *p = row + x1, *end = row + x2; p != end; ++p)
    *p = colour;
}

}  // namespace gfx
