// The sky's pictures: twelve soft clouds of different shapes, and the waving flag that marks
// heights on the tower.
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"
#include "lib/picture_encoders.h"
#include "util/random.h"

namespace assetgen {
namespace {

float unit(util::Random& random) {
  return static_cast<float>(random.next()) / util::Random::kMax;
}

tools::ArgbImage Cloud(int index, int scale) {
  util::Random random(static_cast<std::uint32_t>(1000 + index * 77));
  const int width = (44 + (index * 13) % 48) * scale, height = (20 + (index * 7) % 18) * scale;
  tools::ArgbImage image(width, height, 0);
  // Puffs along a flat bottom, taller in the middle; drawn white, then faded as a whole so
  // overlapping puffs don't pile up alpha.
  const int puffs = 3 + index % 4;
  for (int i = 0; i < puffs; ++i) {
    const float t = (i + 0.5f) / puffs;
    const float r =
        height * (0.28f + 0.22f * std::sin(t * 3.14159f)) * (0.85f + 0.3f * unit(random));
    const float cx = width * (0.12f + 0.76f * t) + (unit(random) - 0.5f) * 4 * scale;
    const float cy = height - r - 1.0f * scale;
    fillDisc(image, cx, cy, r, [&](float, float y) {
      return mix(0xFFFFFFFF, 0xFFD8E4F0, (y - cy + r) / (2 * r));  // shaded underside
    });
  }
  fade(image, 0.72f);
  return image;
}

tools::ArgbImage FlagFrame(int frame, int scale) {
  const int w = 16 * scale, h = 20 * scale;
  tools::ArgbImage image(w, h, 0);
  // The pole, then the cloth waving: each column shifted by a travelling sine.
  fillRoundBox(image, 0, 0, 2.0f * scale, static_cast<float>(h), 1.0f * scale, 0xFF5A4632);
  for (int x = 2 * scale; x < w; ++x) {
    const float wave =
        std::sin((x / static_cast<float>(scale)) * 0.7f - frame * 1.57f) * 1.5f * scale;
    const float amp = (x - 2.0f * scale) / (w - 2.0f * scale);
    const int top = static_cast<int>(std::lround(1 * scale + wave * amp));
    for (int y = top; y < top + 9 * scale && y < h; ++y) {
      const bool stripe = ((y - top) / (3 * scale)) % 2 == 0;
      blend(image, x, y, stripe ? 0xFFE83C3C : 0xFFFFFFFF);
    }
  }
  return image;
}

}  // namespace

void DrawSky(ArtOutput& out) {
  for (int i = 1; i <= 12; ++i)
    out.addPicture("cloud_" + std::to_string(i) + ".espr", Cloud(i, out.scale()));
  std::vector<std::string> frames;
  for (int f = 0; f < 4; ++f) {
    const std::string name = "flag0_" + std::to_string(f) + ".espr";
    out.addPicture(name, FlagFrame(f, out.scale()));
    frames.push_back(name);
  }
  out.add("flag0.aspr", tools::encodeAspr(120, frames));
}

}  // namespace assetgen
