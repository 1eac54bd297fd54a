// The application icon: a small tower of three linked goos on a rounded sky tile.
#include "assetgen/art/art.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

tools::ArgbImage GooBall(int side, std::uint32_t rgb);  // goos.cpp

namespace {

void blitBall(tools::ArgbImage& dst, const tools::ArgbImage& ball, float cx, float cy) {
  const int x0 = static_cast<int>(cx) - ball.width / 2, y0 = static_cast<int>(cy) - ball.height / 2;
  for (int y = 0; y < ball.height; ++y)
    for (int x = 0; x < ball.width; ++x) {
      const std::uint32_t p = ball.at(x, y);
      blend(dst, x0 + x, y0 + y, p | 0xFF000000, static_cast<float>(p >> 24) / 255.0f);
    }
}

void link(tools::ArgbImage& image, float ax, float ay, float bx, float by, float width) {
  for (int i = 0; i <= 40; ++i) {
    const float t = i / 40.0f;
    fillDisc(image, ax + (bx - ax) * t, ay + (by - ay) * t, width,
             [](float, float) { return 0xFF000000u | kLinkColours[0]; });
  }
}

}  // namespace

tools::ArgbImage DrawIcon(int size) {
  const float s = size / 64.0f;
  tools::ArgbImage image(size, size, 0);
  tools::ArgbImage sky(size, size, 0);
  verticalGradient(sky, 0, size - 1, 0xFF5C9CE8, 0xFFCFE4F7);
  fillRoundBox(image, 1, 1, size - 2.0f, size - 2.0f, 12 * s, 0xFFFFFFFF);
  for (int y = 0; y < size; ++y)  // the tile takes the sky's colours inside its rounded edge
    for (int x = 0; x < size; ++x)
      image.at(x, y) = (image.at(x, y) & 0xFF000000) | (sky.at(x, y) & 0xFFFFFF);
  fillRoundBox(image, 1, 48 * s, size - 2.0f, 15 * s, 6 * s, 0xFF6FA84A);
  const float ax = 18 * s, ay = 46 * s, bx = 46 * s, by = 46 * s, cx = 32 * s, cy = 22 * s;
  link(image, ax, ay, bx, by, 1.6f * s);
  link(image, ax, ay, cx, cy, 1.6f * s);
  link(image, bx, by, cx, cy, 1.6f * s);
  const int side = static_cast<int>(20 * s);
  blitBall(image, GooBall(side, kGooColours[0]), ax, ay);
  blitBall(image, GooBall(side, kGooColours[2]), bx, by);
  blitBall(image, GooBall(side, kGooColours[3]), cx, cy);
  return image;
}

}  // namespace assetgen
