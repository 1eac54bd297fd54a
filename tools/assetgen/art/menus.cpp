// The menus' pictures: translucent panels that keep texts legible over the demo world, and the
// help screen's small drawings of how a goo joins the tower.
#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

tools::ArgbImage GooBall(int side, std::uint32_t rgb);  // goos.cpp

namespace {

tools::ArgbImage Panel(int w, int h, int scale) {
  tools::ArgbImage image(w * scale, h * scale, 0);
  const float s = static_cast<float>(scale);
  fillRoundBox(image, 0.5f, 0.5f, w * s - 1, h * s - 1, 8 * s, 0x98142340);
  strokeRoundBox(image, 0.5f, 0.5f, w * s - 1, h * s - 1, 8 * s, 1 * s, 0xC08FB0D8);
  return image;
}

void blit(tools::ArgbImage& dst, const tools::ArgbImage& src, float x0, float y0) {
  for (int y = 0; y < src.height; ++y)
    for (int x = 0; x < src.width; ++x) {
      const std::uint32_t p = src.at(x, y);
      blend(dst, static_cast<int>(x0) + x, static_cast<int>(y0) + y, p | 0xFF000000,
            static_cast<float>(p >> 24) / 255.0f);
    }
}

void link(tools::ArgbImage& image, float ax, float ay, float bx, float by, float s,
          std::uint32_t colour) {
  for (int i = 0; i <= 30; ++i) {
    const float t = i / 30.0f;
    fillDisc(image, ax + (bx - ax) * t, ay + (by - ay) * t, 1.2f * s,
             [&](float, float) { return colour; });
  }
}

// A small tower of three goos and a fourth one carried towards it; step 1 shows it being
// carried, step 2 joined by two new links.
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
  for (auto [x, y] : {std::pair{ax, ay}, std::pair{bx, by}, std::pair{cx, cy}})
    blit(image, ball, x - 6 * s, y - 6 * s);
  blit(image, carried, gx - 6 * s, gy - 6 * s);
  if (step == 1) {  // the stylus holding it
    link(image, gx + 3 * s, gy + 3 * s, gx + 14 * s, gy + 16 * s, s, 0xFF404040);
  }
  return image;
}

}  // namespace

void DrawMenus(ArtOutput& out) {
  const int s = out.scale();
  out.addPicture("panel.cmb", Panel(220, 250, s));
  out.addPicture("panelsm.cmb", Panel(200, 120, s));
  out.addPicture("howto1.spr", HowTo(1, s), "spr16rle");
  out.addPicture("howto2.spr", HowTo(2, s), "spr16rle");
}

}  // namespace assetgen
