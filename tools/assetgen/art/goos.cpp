// The goo images: glossy balls lit from the upper left, one per goo colour. The renderer
// resamples them to the cell size, so they are drawn large.
#include <algorithm>
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

tools::ArgbImage GooBall(int side, std::uint32_t rgb) {
  tools::ArgbImage image(side, side, 0);
  const float r = side / 2.0f - 0.5f, c = side / 2.0f;
  const std::uint32_t base = 0xFF000000 | rgb;
  const std::uint32_t dark = mix(base, 0xFF000000, 0.55f);
  const std::uint32_t light = mix(base, 0xFFFFFFFF, 0.45f);
  fillDisc(image, c, c, r, [&](float x, float y) {
    // Lambert-like shading from a light up and to the left, darker towards the rim.
    const float nx = (x - c) / r, ny = (y - c) / r;
    const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
    const float lit = std::clamp(-0.45f * nx - 0.55f * ny + 0.7f * nz, 0.0f, 1.0f);
    return lit > 0.6f ? mix(base, light, (lit - 0.6f) / 0.4f) : mix(dark, base, lit / 0.6f);
  });
  // The gloss: a soft white spot and a faint rim light at the bottom right.
  fillDisc(image, c - r * 0.35f, c - r * 0.4f, r * 0.28f, [&](float x, float y) {
    const float d = std::hypot(x - (c - r * 0.35f), y - (c - r * 0.4f)) / (r * 0.28f);
    return withAlpha(0xFFFFFF, static_cast<unsigned>(220 * (1.0f - d * d)));
  });
  fillDisc(image, c + r * 0.3f, c + r * 0.35f, r * 0.18f,
           [&](float, float) { return withAlpha(light, 70); });
  return image;
}

void DrawGoos(ArtOutput& out) {
  for (int i = 0; i < 5; ++i)
    out.addPicture("gooimage" + std::to_string(i) + ".sft", GooBall(out.px(48), kGooColours[i]));
}

}  // namespace assetgen
