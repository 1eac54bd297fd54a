// Surface: a view of RGB565 pixel memory that every drawing call paints into. Pixel (x, y) is
// element y * width + x; rows are back to back. A Surface never owns its pixels: the Screen
// (app/) or a SurfaceBuffer does.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/box.h"

namespace gfx {

struct Surface {
  Box bounds;              // {0, 0, width, height}; primitives that clip, clip to it
  std::int16_t width = 0;  // also the row length in pixels
  std::int16_t height = 0;
  std::uint16_t* pixels = nullptr;

  std::uint16_t& at(int x, int y) { return pixels[y * width + x]; }
  std::uint16_t at(int x, int y) const { return pixels[y * width + x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

/// Makes a Surface view of width x height pixels at the given memory.
inline Surface makeSurface(std::uint16_t* pixels, int width, int height) {
  Surface s;
  s.width = static_cast<std::int16_t>(width);
  s.height = static_cast<std::int16_t>(height);
  s.bounds = Box{0, 0, s.width, s.height};
  s.pixels = pixels;
  return s;
}

/// Pixel memory with its Surface view, for off-screen drawing and tests.
class SurfaceBuffer {
 public:
  SurfaceBuffer(int width, int height, std::uint16_t fill = 0)
      : pixels_(static_cast<std::size_t>(width) * height, fill),
        surface_(makeSurface(pixels_.data(), width, height)) {}
  SurfaceBuffer(const SurfaceBuffer&) = delete;
  SurfaceBuffer& operator=(const SurfaceBuffer&) = delete;

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  std::vector<std::uint16_t>& pixels() { return pixels_; }
  const std::vector<std::uint16_t>& pixels() const { return pixels_; }

 private:
  std::vector<std::uint16_t> pixels_;
  Surface surface_;
};

}  // namespace gfx
