// The menus' pictures: a sky-and-hills background like the demo world's, translucent panels
// that keep texts legible over it, and the help screen's small drawings of how a goo joins the
// tower.
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

namespace {

tools::ArgbImage Panel(int w, int h, int scale) {
  tools::ArgbImage image(w * scale, h * scale, 0);
  const float s = static_cast<float>(scale);
  fillRoundBox(image, 0.5f, 0.5f, w * s - 1, h * s - 1, 8 * s, 0x98142340);
  strokeRoundBox(image, 0.5f, 0.5f, w * s - 1, h * s - 1, 8 * s, 1 * s, 0xC08FB0D8);
  return image;
}

void link(tools::ArgbImage& image, float ax, float ay, float bx, float by, float s,
          std::uint32_t colour) {
  for (int i = 0; i <= 30; ++i) {
    const float t = i / 30.0f;
    fillDisc(image, ax + (bx - ax) * t, ay + (by - ay) * t, 1.2f * s,
             [&](float, float) { return colour; });
  }
}

// The help pages' drawings: a small tower of three goos and a fourth one carried towards it
// (step 1) or joined by two new links (step 2); a taller tower with its flag (step 3); the
// shop's frozen links and magic goo (step 4).
tools::ArgbImage HowTo(int step, int scale) {
  const float s = static_cast<float>(scale);
  tools::ArgbImage image(100 * scale, 60 * scale, 0xFFCFE4F7);
  for (int y = 48 * scale; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      image.at(x, y) = 0xFF6FA84A;
  const tools::ArgbImage ball = GooBall(12 * scale, kGooColours[0]);
  const tools::ArgbImage carried = GooBall(12 * scale, kGooColours[2]);
  const float ax = 30 * s, ay = 42 * s, bx = 50 * s, by = 42 * s, cx = 40 * s, cy = 26 * s;
  const std::uint32_t ink = 0xFF000000 | kLinkColours[0];
  link(image, ax, ay, bx, by, s, ink);
  link(image, ax, ay, cx, cy, s, ink);
  link(image, bx, by, cx, cy, s, ink);
  const float gx = step == 1 ? 78 * s : 58 * s, gy = step == 1 ? 14 * s : 22 * s;
  if (step == 2) {
    link(image, gx, gy, cx, cy, s, 0xFF000000 | kLinkColours[2]);
    link(image, gx, gy, bx, by, s, 0xFF000000 | kLinkColours[2]);
  }
  if (step >= 3) {
    // 3: a taller tower with its height flag; 4: the shop's aids, the lowest links frozen icy
    // cyan and a bright pink magic goo beside the tower.
    // The top ball sits low enough for its flag to fly whole inside the picture.
    const float tx = 42 * s, ty = 15 * s, sx = 29 * s, sy = 21 * s;
    link(image, cx, cy, tx, ty, s, ink);
    link(image, ax, ay, sx, sy, s, ink);
    link(image, sx, sy, tx, ty, s, ink);
    link(image, sx, sy, cx, cy, s, ink);
    if (step == 4) link(image, ax, ay, bx, by, s, 0xFF00E0FF);
    for (auto [x, y] : {std::pair{tx, ty}, std::pair{sx, sy}})
      blit(image, ball, static_cast<int>(x - 6 * s), static_cast<int>(y - 6 * s));
    if (step == 3) {
      link(image, tx + 1 * s, ty - 4 * s, tx + 1 * s, 2 * s, s, 0xFF6B5236);
      for (int y = static_cast<int>(2 * s); y < static_cast<int>(7 * s); ++y)
        for (int x = static_cast<int>(tx + 2 * s); x < static_cast<int>(tx + 10 * s); ++x)
          image.at(x, y) = 0xFFE23B3B;
    } else {
      const tools::ArgbImage magic = GooBall(16 * scale, 0xFF50D8);
      blit(image, magic, static_cast<int>(72 * s), static_cast<int>(32 * s));
    }
  }
  for (auto [x, y] : {std::pair{ax, ay}, std::pair{bx, by}, std::pair{cx, cy}})
    blit(image, ball, static_cast<int>(x - 6 * s), static_cast<int>(y - 6 * s));
  if (step <= 2) blit(image, carried, static_cast<int>(gx - 6 * s), static_cast<int>(gy - 6 * s));
  if (step == 1) {  // the stylus holding it
    link(image, gx + 3 * s, gy + 3 * s, gx + 14 * s, gy + 16 * s, s, 0xFF404040);
  }
  return image;
}

// The full-screen background: the game's sky gradient (deep blue above, pale near the ground),
// a soft sun, a few clouds, two rows of rolling green hills and the sandy ground in front.
tools::ArgbImage Background(int scale) {
  const int w = 240 * scale, h = 320 * scale;
  const float s = static_cast<float>(scale);
  tools::ArgbImage image(w, h, 0);
  verticalGradient(image, 0, h - 1, 0xFF58B8FF, 0xFFF2F8D0);
  fillDisc(image, 196 * s, 46 * s, 34 * s, [&](float x, float y) {  // the sun's glow
    const float d = std::hypot(x - 196 * s, y - 46 * s) / (34 * s);
    return withAlpha(0xFFF7C0, static_cast<unsigned>(110 * (1 - d) * (1 - d)));
  });
  fillDisc(image, 196 * s, 46 * s, 15 * s, [](float, float) { return 0xFFFFF2B0; });
  blit(image, CloudPicture(9, scale), static_cast<int>(10 * s), static_cast<int>(34 * s));
  blit(image, CloudPicture(4, scale), static_cast<int>(120 * s), static_cast<int>(92 * s));
  blit(image, CloudPicture(11, scale), static_cast<int>(-20 * s), static_cast<int>(150 * s));
  // Hills: a row of far, pale ones and a nearer, greener row, each the sum of two sines.
  // Meadows are mottled by a faint noise so the hills don't look like flat cut-outs; the noise
  // is sampled in 240 x 320 units so both scales show the same pattern.
  const ValueNoise meadow(2024, 9.0f);
  const auto hills = [&](float base, float a1, float f1, float a2, float f2, std::uint32_t top,
                         std::uint32_t foot) {
    for (int x = 0; x < w; ++x) {
      const float u = x / s;
      const float ridge = (base - a1 * std::sin(u * f1 + 0.6f) - a2 * std::sin(u * f2 + 2.0f)) * s;
      for (int y = std::max(0, static_cast<int>(ridge) - 1); y < h; ++y) {
        const float py = y + 0.5f;
        const float t = std::clamp((py - ridge) / ((320 - base + a1 + a2) * s), 0.0f, 1.0f);
        const std::uint32_t colour =
            mix(mix(top, foot, t), 0xFF4E8A34, 0.22f * meadow.at(x / s, py / s));
        blend(image, x, y, colour, edgeCoverage(ridge - py));
      }
    }
  };
  hills(262, 12, 0.021f, 6, 0.057f, 0xFF9CCB84, 0xFF84B870);
  hills(284, 9, 0.031f, 5, 0.083f, 0xFF78B452, 0xFF5E9A3E);
  // The ground in front as the game draws its earth: a green edge over sand that deepens to
  // orange further down.
  for (int y = 304 * scale; y < h; ++y) {
    const std::uint32_t sand =
        mix(0xFFF4D8A2, 0xFFD08A48, static_cast<float>(y - 306 * scale) / (14.0f * s));
    for (int x = 0; x < w; ++x)
      image.at(x, y) = y < 306 * scale ? 0xFF3F7A2E : sand;
  }
  return image;
}

}  // namespace

void DrawMenus(ArtOutput& out) {
  const int s = out.scale();
  out.addPicture("menubg.spr", Background(s), "spr16rle");
  out.addPicture("panel.cmb", Panel(220, 250, s));
  out.addPicture("panelmd.cmb", Panel(220, 200, s));
  out.addPicture("panelsm.cmb", Panel(200, 120, s));
  out.addPicture("howto1.spr", HowTo(1, s), "spr16rle");
  out.addPicture("howto2.spr", HowTo(2, s), "spr16rle");
  out.addPicture("howto3.spr", HowTo(3, s), "spr16rle");
  out.addPicture("howto4.spr", HowTo(4, s), "spr16rle");
}

}  // namespace assetgen
