// The sky's pictures: twelve soft clouds of different shapes, and the waving flag that marks
// heights on the tower.
#include <algorithm>
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"
#include "lib/picture_encoders.h"
#include "util/random.h"

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265f;

float unit(util::Random& random) {
  return static_cast<float>(random.next()) / util::Random::kMax;
}

// Cloud n (1..12): a row of puffs along a flattish bottom, taller towards the middle; wider
// clouds get more puffs, odd ones a second, higher crown. Drawn opaque, shaded from a white
// top to a blue-grey underside, softened by a blur and made translucent as a whole so that
// overlapping puffs don't pile up alpha.
}  // namespace

tools::ArgbImage CloudPicture(int index, int scale) {
  util::Random random(static_cast<std::uint32_t>(1000 + index * 77));
  const int width = (44 + (index * 13) % 48) * scale, height = (20 + (index * 7) % 18) * scale;
  const float s = static_cast<float>(scale), margin = 3.0f * s;  // room for the blur
  tools::ArgbImage shape(width, height, 0);
  const float bottom = height - margin;
  const auto shade = [&](float, float y) {
    return mix(0xFFFFFFFF, 0xFFC9D6E6, std::clamp((y - margin) / (bottom - margin), 0.0f, 1.0f));
  };
  const int puffs = 3 + width / (18 * scale) + index % 2;
  for (int i = 0; i < puffs; ++i) {
    const float t = (i + 0.5f) / puffs;
    const float bulge = std::sin(t * kPi);
    const float r =
        std::min((height - 2 * margin) * (0.30f + 0.22f * bulge) * (0.85f + 0.3f * unit(random)),
                 std::min(width * 0.3f, (bottom - margin) / 2));
    const float cx = std::clamp(
        margin + r * 0.7f + (width - 2 * margin - r * 1.4f) * t + (unit(random) - 0.5f) * 3 * s,
        margin + r, width - margin - r);
    fillDisc(shape, cx, bottom - r, r, shade);
  }
  if (index % 2 == 1) {  // a crown puff standing on the others
    const float r = (height - 2 * margin) * 0.42f;
    fillDisc(shape, width * (0.4f + 0.2f * unit(random)), margin + r, r, shade);
  }
  // A flat, slightly darker base joins the puffs.
  fillRoundBox(shape, margin + 2 * s, bottom - 6 * s, width - 2 * margin - 4 * s, 6 * s, 3 * s,
               0xFFD2DDEA);
  tools::ArgbImage image = blur(shape, scale);
  fade(image, 0.78f);
  return image;
}

namespace {

// Frame f of 4 of the flag, drawn at twice the flag's size (the scene shrinks it to the zoom):
// a pole with a round knob, and a red and white cloth waving as a travelling sine, each column
// lit or shaded by the slope of the wave.
tools::ArgbImage FlagFrame(int frame, int scale) {
  const float s = 2.0f * scale;  // pixels per flag unit (the flag is 16 x 20 units)
  const int w = static_cast<int>(16 * s), h = static_cast<int>(20 * s);
  tools::ArgbImage image(w, h, 0);
  fillRoundBox(image, 0.6f * s, 1.5f * s, 1.6f * s, h - 1.5f * s, 0.8f * s, 0xFF6B5236);
  fillRoundBox(image, 0.9f * s, 1.5f * s, 0.5f * s, h - 2.0f * s, 0.25f * s, 0xFF9C7E58);
  fillDisc(image, 1.4f * s, 1.4f * s, 1.3f * s, [&](float x, float y) {
    return mix(0xFFFFF0A0, 0xFFD4A020, std::hypot(x - 1.0f * s, y - 1.0f * s) / (2.0f * s));
  });
  const float clothLeft = 2.2f * s, clothWidth = w - clothLeft - 0.5f * s, clothHeight = 9.0f * s;
  for (int x = static_cast<int>(clothLeft); x < w; ++x) {
    const float u = (x + 0.5f - clothLeft) / clothWidth;  // 0 at the pole, 1 at the free end
    if (u > 1.0f) break;
    const float phase = u * 2.2f * kPi - frame * kPi / 2;
    const float amp = 1.6f * s * u;
    const float top = 2.5f * s + std::sin(phase) * amp;
    const float slope = std::cos(phase) * u;  // lit where the cloth turns towards the light
    const float bottomEdge = top + clothHeight * (1.0f - 0.12f * u);
    for (int y = static_cast<int>(top) - 1; y <= static_cast<int>(bottomEdge) + 1; ++y) {
      const float py = y + 0.5f;
      const float cov = std::min(edgeCoverage(top - py), edgeCoverage(py - bottomEdge));
      if (cov <= 0) continue;
      const bool stripe = static_cast<int>((py - top) / (clothHeight / 3)) % 2 == 0;
      std::uint32_t colour = stripe ? 0xFFD0202C : 0xFFF8F8F8;  // crimson: no goo has its red
      colour = slope > 0 ? mix(colour, 0xFFFFFFFF, slope * 0.25f)
                         : mix(colour, 0xFF402030, -slope * 0.3f);
      blend(image, x, y, colour, cov);
    }
  }
  return image;
}

}  // namespace

void DrawSky(ArtOutput& out) {
  for (int i = 1; i <= 12; ++i)
    out.addPicture("cloud_" + std::to_string(i) + ".espr", CloudPicture(i, out.scale()));
  std::vector<std::string> frames;
  for (int f = 0; f < 4; ++f) {
    const std::string name = "flag0_" + std::to_string(f) + ".sft";
    out.addPicture(name, flipRows(FlagFrame(f, out.scale())));
    frames.push_back(name);
  }
  out.add("flag0.aspr", tools::encodeAspr(150, frames));
}

}  // namespace assetgen
