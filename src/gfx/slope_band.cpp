// FillSlopeBand and FillSlopeBandRows: one segment of the ground profile. The sloped edge is
// walked with the lines' 4-connected stepping; after every step the row is filled from the edge
// to the segment's lower side, then the rectangle below the lower end is filled and the edge
// line drawn on top.
#include <algorithm>

#include "gfx/line_walk.h"
#include "gfx/primitives.h"

namespace gfx {
namespace {

// Pixels a .. b - 1 of a row (either order), clamped to the row; empty when a == b.
void fillExclusive(std::uint16_t* row, int a, int b, int rowLength, std::uint16_t colour) {
  a = std::clamp(a, 0, rowLength);
  b = std::clamp(b, 0, rowLength);
  if (a > b) std::swap(a, b);
  for (std::uint16_t *p = row + a, *end = row + b; p != end; ++p)
    *p = colour;
}

struct Band {
  int xl, yl, xr, yr, ylow;
};

// Clips and orders the segment; false when nothing of it lies on the surface.
bool prepareBand(const Surface& s, int x1, int y1, int x2, int y2, Band& band) {
  if (s.width <= 0 || s.height <= 0) return false;
  if (!ClipSegment(x1, y1, x2, y2, 0, 0, s.width, s.height - 1)) return false;
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  band = Band{x1, y1, x2, y2, std::max(y1, y2)};
  return true;
}

// Walks the edge and fills under it; rowColour(y, colour&) says whether row y is filled.
template <typename RowColour>
void fillUnderEdge(Surface& s, const Band& band, RowColour&& rowColour) {
  std::uint16_t* const pixels = s.pixels;
  const int w = s.width;
  const bool fallsRight = band.yl < band.yr;
  detail::walkLine(band.xl, band.yl, band.xr, band.yr, [&](int x, int y) {
    std::uint16_t colour = 0;
    if (!rowColour(y, colour)) return;
    if (fallsRight)
      fillExclusive(pixels + y * w, band.xl, x, w, colour);
    else
      fillExclusive(pixels + y * w, x, band.xr, w, colour);
  });
}

void drawEdge(Surface& s, const Band& band, std::uint16_t edgeColour) {
  DrawLine(s, band.xl, band.yl, band.xr, band.yr, edgeColour);
  if (s.width == kDoubleOutlineWidth)
    DrawLine(s, band.xl, band.yl - 1, band.xr, band.yr - 1, edgeColour);
}

}  // namespace

void FillSlopeBand(Surface& s, int x1, int y1, int x2, int y2, int base, std::uint16_t fill,
                   std::uint16_t edgeColour) {
  Band band;
  if (!prepareBand(s, x1, y1, x2, y2, band)) return;
  fillUnderEdge(s, band, [&](int, std::uint16_t& colour) {
    colour = fill;
    return true;
  });
  FillRect(s, band.xl, band.ylow, band.xr - band.xl, band.ylow - base, fill);
  drawEdge(s, band, edgeColour);
}

void FillSlopeBandRows(Surface& s, int x1, int y1, int x2, int y2, int base, int firstIndex,
                       std::span<const std::uint16_t> table, std::uint16_t edgeColour) {
  Band band;
  if (!prepareBand(s, x1, y1, x2, y2, band)) return;
  // Row y's colour index; the rectangle below continues the same numbering.
  auto indexOf = [&](int y) { return static_cast<long long>(firstIndex) + y1 - y; };
  fillUnderEdge(s, band, [&](int y, std::uint16_t& colour) {
    const long long index = indexOf(y);
    if (index < 0 || index >= static_cast<long long>(table.size())) return false;
    colour = table[static_cast<std::size_t>(index)];
    return true;
  });
  const long long lowIndex = indexOf(band.ylow);
  if (lowIndex >= -(1LL << 30) && lowIndex <= (1LL << 30))
    FillRectRows(s, band.xl, band.ylow, band.xr - band.xl, band.ylow - base,
                 static_cast<int>(lowIndex), table);
  drawEdge(s, band, edgeColour);
}

}  // namespace gfx
