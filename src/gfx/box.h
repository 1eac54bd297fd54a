// Box: an integer rectangle covering columns x .. x + width - 1 and rows y .. y + height - 1.
#pragma once

#include <cstdint>

namespace gfx {

struct Box {
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;

  friend bool operator==(const Box&, const Box&) = default;
};

/// Intersection of a and b into out. True only when the intersection has a non-zero width and
/// height; touching edges give false. out is written in every case.
bool BoxIntersect(const Box& a, const Box& b, Box& out);

}  // namespace gfx
