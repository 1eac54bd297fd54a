// A small drawing kit for the generated pictures: anti-aliased discs and rounded boxes,
// gradients and soft shading on 8-bit ARGB pictures, composited with straight alpha.
#pragma once

#include <cstdint>
#include <functional>

#include "lib/argb_image.h"

namespace assetgen {

/// 0xAARRGGBB from its parts.
constexpr std::uint32_t argb(unsigned a, unsigned r, unsigned g, unsigned b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}

/// The colour with its alpha replaced.
constexpr std::uint32_t withAlpha(std::uint32_t colour, unsigned alpha) {
  return (colour & 0xFFFFFF) | (alpha << 24);
}

/// Linear mix of two colours, all four channels, t in 0..1.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, float t);

/// colour over the pixel at (x, y), its alpha scaled by coverage 0..1; outside the picture
/// nothing happens.
void blend(tools::ArgbImage& image, int x, int y, std::uint32_t colour, float coverage = 1.0f);

/// Coverage of a pixel by a shape given as a signed distance (negative inside), for a one-pixel
/// soft edge.
float edgeCoverage(float distance);

/// A filled disc; shade(x, y) gives the colour at each covered pixel (its own alpha kept).
void fillDisc(tools::ArgbImage& image, float cx, float cy, float r,
              const std::function<std::uint32_t(float x, float y)>& shade);

/// A filled box with rounded corners of radius r, in one colour.
void fillRoundBox(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                  std::uint32_t colour);

/// The same box shaded by a vertical gradient from top (at y) to bottom (at y + h).
void fillRoundBoxGradient(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                          std::uint32_t top, std::uint32_t bottom);

/// The same box as an outline of the given width.
void strokeRoundBox(tools::ArgbImage& image, float x, float y, float w, float h, float r,
                    float width, std::uint32_t colour);

/// A filled triangle.
void fillTriangle(tools::ArgbImage& image, float ax, float ay, float bx, float by, float cx,
                  float cy, std::uint32_t colour);

/// A vertical gradient from top to bottom over rows y0..y1 (whole width), replacing pixels.
void verticalGradient(tools::ArgbImage& image, int y0, int y1, std::uint32_t top,
                      std::uint32_t bottom);

/// Scales every pixel's alpha by factor (0..1).
void fade(tools::ArgbImage& image, float factor);

/// src composited over dst with its top-left corner at (x0, y0); parts outside dst are cut.
void blit(tools::ArgbImage& dst, const tools::ArgbImage& src, int x0, int y0);

/// The rows in reverse order. .sft pictures are stored this way: the game's resampling loader
/// turns them the right way up again.
tools::ArgbImage flipRows(const tools::ArgbImage& image);

/// A box blur of the given radius in pixels (0: unchanged), run twice so edges fall off
/// smoothly; colours are weighted by alpha so transparent pixels don't darken the edges.
tools::ArgbImage blur(const tools::ArgbImage& image, int radius);

/// A soft shadow of image's shape: its alpha blurred by radius, offset by (dx, dy), in colour
/// (whose alpha scales the shadow's), with image drawn over it. Same size as image.
tools::ArgbImage withShadow(const tools::ArgbImage& image, int dx, int dy, int radius,
                            std::uint32_t colour);

/// Smooth value noise in 0..1 on a lattice of the given cell size in pixels, from a fixed seed.
class ValueNoise {
 public:
  ValueNoise(std::uint32_t seed, float cell);
  float at(float x, float y) const;

 private:
  static constexpr int kSize = 64;
  float cell_;
  float values_[kSize * kSize];
};

}  // namespace assetgen
