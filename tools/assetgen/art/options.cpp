// The options screen's pictures: the six colour schemes, the five volume levels and the parts
// of the select boxes (a centre field and two arrows, each plain and focused).
#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {

namespace {

// A scheme: two linked balls of its colour; the sixth shows all five colours.
tools::ArgbImage Scheme(int index, int scale) {
  tools::ArgbImage image(40 * scale, 16 * scale, 0);
  if (index < 5) {
    fillRoundBox(image, 11 * scale, 7 * scale, 18.0f * scale, 2.0f * scale, 1.0f * scale,
                 0xFF000000 | kLinkColours[index]);
    const tools::ArgbImage ball = GooBall(14 * scale, kGooColours[index]);
    blit(image, ball, 4 * scale, 1 * scale);
    blit(image, ball, 22 * scale, 1 * scale);
  } else {
    for (int i = 0; i < 5; ++i)
      blit(image, GooBall(9 * scale, kGooColours[i]), (i * 7 + 2) * scale,
           ((i % 2) * 5 + 1) * scale);
  }
  return image;
}

// Volume level k of 5: k rising bars lit, the rest dim; opaque on the field's colour.
tools::ArgbImage Volume(int level, int scale) {
  tools::ArgbImage image(40 * scale, 16 * scale, 0xFF1E3250);
  for (int i = 0; i < 5; ++i) {
    const float h = (3.0f + 2.4f * i) * scale;
    const std::uint32_t c = i < level ? mix(0xFF50E070, 0xFFF0D040, i / 4.0f) : 0xFF3A4A64;
    fillRoundBox(image, (3.0f + 7.0f * i) * scale, 14.0f * scale - h, 5.0f * scale, h, 1.0f * scale,
                 c);
  }
  return image;
}

tools::ArgbImage Field(int scale, bool focused) {
  tools::ArgbImage image(100 * scale, 20 * scale, 0);
  fillRoundBox(image, 0.5f, 0.5f, 100.0f * scale - 1, 20.0f * scale - 1, 5.0f * scale,
               focused ? 0xFF2A4A7A : 0xFF1E3250);
  strokeRoundBox(image, 0.5f, 0.5f, 100.0f * scale - 1, 20.0f * scale - 1, 5.0f * scale,
                 1.0f * scale, focused ? 0xFFF0D040 : 0xFF8FB0D8);
  return image;
}

tools::ArgbImage Arrow(int scale, bool right, bool focused) {
  tools::ArgbImage image(14 * scale, 20 * scale, 0);
  fillRoundBox(image, 0.5f, 0.5f, 14.0f * scale - 1, 20.0f * scale - 1, 4.0f * scale,
               focused ? 0xFFF0D040 : 0xFF8FB0D8);
  const float s = static_cast<float>(scale);
  if (right)
    fillTriangle(image, 4 * s, 5 * s, 4 * s, 15 * s, 11 * s, 10 * s, 0xFF1E3250);
  else
    fillTriangle(image, 10 * s, 5 * s, 10 * s, 15 * s, 3 * s, 10 * s, 0xFF1E3250);
  return image;
}

}  // namespace

void DrawOptions(ArtOutput& out) {
  const int s = out.scale();
  for (int i = 0; i < 6; ++i)
    out.addPicture(std::to_string(i + 1) + ".espr", Scheme(i, s));
  for (int k = 1; k <= 5; ++k)
    out.addPicture("bopvol" + std::to_string(k) + ".espr", Volume(k, s));
  out.addPicture("sbfield.cmb", Field(s, false));
  out.addPicture("sbfieldf.cmb", Field(s, true));
  out.addPicture("sbleft.espr", Arrow(s, false, false));
  out.addPicture("sbleftf.espr", Arrow(s, false, true));
  out.addPicture("sbright.espr", Arrow(s, true, false));
  out.addPicture("sbrightf.espr", Arrow(s, true, true));
}

}  // namespace assetgen
