// The game screen's toolbar: its strip, the undo, options and exit buttons (plain and
// pressed), the experience icon with one frame per points value 0 to 10, and the small flyer
// that carries won points to it.
#include <cmath>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"
#include "lib/picture_encoders.h"

namespace assetgen {
namespace {

constexpr std::uint32_t kInk = 0xFF1E3250;

tools::ArgbImage Strip(int scale) {
  tools::ArgbImage image(240 * scale, 24 * scale, 0);
  verticalGradient(image, 0, 24 * scale - 1, 0xFF3A5A8C, 0xFF1E3250);
  for (int x = 0; x < image.width; ++x)
    image.at(x, 0) = 0xFF8FB0D8;
  return image;
}

// A rounded button face with a soft top-to-bottom shading and a light line along its top;
// pressed, it turns gold and its shading runs the other way, as if pushed in.
tools::ArgbImage ButtonBase(int scale, bool pressed) {
  tools::ArgbImage face(22 * scale, 20 * scale, 0);
  const float s = static_cast<float>(scale);
  const std::uint32_t top = pressed ? 0xFFD8A820 : 0xFFFFFFFF;
  const std::uint32_t bottom = pressed ? 0xFFF8DC60 : 0xFFC4D2E4;
  fillRoundBox(face, 0.5f, 0.5f, 22 * s - 1, 20 * s - 1, 5 * s, 0xFF0E1A2C);
  fillRoundBoxGradient(face, 0.5f + s, 0.5f + s, 22 * s - 1 - 2 * s, 20 * s - 1 - 2 * s, 4 * s, top,
                       bottom);
  if (!pressed) fillRoundBox(face, 5 * s, 2 * s, 12 * s, 1 * s, 0.5f * s, 0xB0FFFFFF);
  return face;
}

tools::ArgbImage Undo(int scale, bool pressed) {
  tools::ArgbImage image = ButtonBase(scale, pressed);
  const float s = static_cast<float>(scale);
  // A curved arrow turning back to the left.
  for (int i = 0; i <= 40; ++i) {
    const float a = 3.14159f * (0.1f + 0.9f * i / 40.0f);
    const float x = 11 * s + std::cos(a) * 5 * s, y = 11 * s - std::sin(a) * 5 * s;
    fillDisc(image, x, y, 1.1f * s, [](float, float) { return kInk; });
  }
  fillTriangle(image, 3 * s, 11 * s, 9 * s, 11 * s, 6 * s, 16 * s, kInk);
  return image;
}

tools::ArgbImage Options(int scale, bool pressed) {
  tools::ArgbImage image = ButtonBase(scale, pressed);
  const float s = static_cast<float>(scale);
  for (int i = 0; i < 3; ++i) {  // three sliders
    fillRoundBox(image, 5 * s, (5 + 4.5f * i) * s, 12 * s, 1.5f * s, 0.7f * s, kInk);
    fillDisc(image, (7 + 4 * i) * s, (5.75f + 4.5f * i) * s, 1.8f * s,
             [](float, float) { return kInk; });
  }
  return image;
}

tools::ArgbImage Exit(int scale, bool pressed) {
  tools::ArgbImage image = ButtonBase(scale, pressed);
  const float s = static_cast<float>(scale);
  for (int i = 0; i <= 20; ++i) {  // a cross
    const float t = i / 20.0f;
    fillDisc(image, (6 + 10 * t) * s, (5 + 10 * t) * s, 1.3f * s,
             [](float, float) { return 0xFFC03030; });
    fillDisc(image, (16 - 10 * t) * s, (5 + 10 * t) * s, 1.3f * s,
             [](float, float) { return 0xFFC03030; });
  }
  return image;
}

// The icon: a star that fills up with the points, from grey to gold.
tools::ArgbImage ExperienceStar(int scale, int points) {
  tools::ArgbImage image(22 * scale, 22 * scale, 0);
  const float s = static_cast<float>(scale), c = 11 * s;
  const float fillLine = (20 - 18 * points / 10.0f) * s;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const float dx = x + 0.5f - c, dy = y + 0.5f - c;
      const float a = std::atan2(dy, dx), r = std::hypot(dx, dy);
      // Five-pointed star: the radius swings between the inner and outer radius.
      const float k = std::fabs(std::fmod(a + 3.14159f * 2.5f, 2 * 3.14159f / 5) - 3.14159f / 5) /
                      (3.14159f / 5);
      const float edge = (4.5f + 5.5f * k) * s;
      const float cov = edgeCoverage(r - edge);
      if (cov <= 0) continue;
      const std::uint32_t colour = y + 0.5f >= fillLine ? 0xFFF2C230 : 0xFF8A94A6;
      blend(image, x, y, colour, cov);
    }
  strokeRoundBox(image, 0.5f, 0.5f, 22 * s - 1, 22 * s - 1, 6 * s, 1 * s, 0x60FFFFFF);
  return image;
}

// The flyer carries the won points (written on it in green) to the star: a dark, translucent
// pill with a gold rim, so the green digits stand out.
tools::ArgbImage Flyer(int scale) {
  tools::ArgbImage image(26 * scale, 14 * scale, 0);
  const float s = static_cast<float>(scale);
  fillRoundBox(image, 0.5f, 0.5f, 26 * s - 1, 14 * s - 1, 7 * s, 0xD0142340);
  strokeRoundBox(image, 0.5f, 0.5f, 26 * s - 1, 14 * s - 1, 7 * s, 1 * s, 0xFFF2C230);
  return image;
}

}  // namespace

void DrawToolbar(ArtOutput& out) {
  const int s = out.scale();
  out.addPicture("toolbar.tga", Strip(s), "tga24");
  out.addPicture("undo.espr", Undo(s, false));
  out.addPicture("undop.espr", Undo(s, true));
  out.addPicture("options.espr", Options(s, false));
  out.addPicture("optionsp.espr", Options(s, true));
  out.addPicture("exit.espr", Exit(s, false));
  out.addPicture("exitp.espr", Exit(s, true));
  std::vector<std::string> frames;
  for (int p = 0; p <= 10; ++p) {
    const std::string name = "exp" + std::to_string(p) + ".espr";
    out.addPicture(name, ExperienceStar(s, p));
    frames.push_back(name);
  }
  out.add("expicon.aspr", tools::encodeAspr(1, frames));
  out.addPicture("flyer.espr", Flyer(s));
}

}  // namespace assetgen
