// The goo images: glossy balls lit from the upper left, one per goo colour. The scene resamples
// them to the cell size, so they are drawn large; its resampling loader turns the rows over, so
// the .sft pictures are stored bottom row first.
#include <algorithm>
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

tools::ArgbImage GooBall(int side, std::uint32_t rgb) {
  tools::ArgbImage image(side, side, 0);
  const float r = side / 2.0f - 0.5f, c = side / 2.0f;
  const std::uint32_t base = 0xFF000000 | rgb;
  const std::uint32_t dark = mix(base, 0xFF101020, 0.6f);
  const std::uint32_t light = mix(base, 0xFFFFFFFF, 0.35f);
  // The light comes from up and to the left, in front of the ball.
  const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
  fillDisc(image, c, c, r, [&](float x, float y) {
    const float nx = (x - c) / r, ny = (y - c) / r;
    const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
    const float diffuse = std::clamp(lx * nx + ly * ny + lz * nz, 0.0f, 1.0f);
    std::uint32_t colour = diffuse > 0.6f ? mix(base, light, (diffuse - 0.6f) / 0.4f)
                                          : mix(dark, base, diffuse / 0.6f);
    // Specular highlight: the reflection of the light towards the viewer, tight and bright.
    const float hx = lx, hy = ly, hz = lz + 1.0f, hl = std::hypot(hx, hy, hz);
    const float spec = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 40.0f);
    colour = mix(colour, 0xFFFFFFFF, spec * 0.9f);
    // Light bounced from the ground brightens the lower right rim a little.
    const float rim = std::clamp((nx * 0.5f + ny * 0.7f) * (1.0f - nz) * 1.6f - 0.4f, 0.0f, 1.0f);
    colour = mix(colour, light, rim * 0.45f);
    return colour;
  });
  return image;
}

void DrawGoos(ArtOutput& out) {
  for (int i = 0; i < 5; ++i)
    out.addPicture("gooimage" + std::to_string(i) + ".sft",
                   flipRows(GooBall(out.px(48), kGooColours[i])));
}

}  // namespace assetgen
