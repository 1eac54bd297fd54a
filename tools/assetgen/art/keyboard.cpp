// The on-screen keyboard's keys: plain keycaps (the labels are drawn by the keyboard in its
// font), the wide space bar, the two halves of the Enter key and the gaps of rows 2 and 4.
#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {
namespace {

tools::ArgbImage Key(int w, int h, int scale, bool pressed, int enterHalf) {
  tools::ArgbImage image(w * scale, h * scale, 0);
  const float s = static_cast<float>(scale);
  // The face is shaded light to dark downwards; pressed, gold and shaded the other way.
  const std::uint32_t faceTop = pressed ? 0xFFD8A820 : 0xFFFFFFFF;
  const std::uint32_t faceBottom = pressed ? 0xFFF8DC60 : 0xFFD4DEEA;
  const std::uint32_t edge = pressed ? 0xFF9A7A10 : 0xFF7F8FA8;
  // Enter's halves are open towards each other so the two read as one key.
  const float top = enterHalf == 2 ? -3 * s : 1 * s;
  const float bottom = enterHalf == 1 ? (h + 3) * s : (h - 1) * s;
  fillRoundBox(image, 1 * s, top, (w - 2) * s, bottom - top, 3 * s, edge);
  fillRoundBoxGradient(image, 2 * s, top + 1 * s, (w - 4) * s, bottom - top - 3 * s, 2.5f * s,
                       faceTop, faceBottom);
  if (enterHalf == 2) {  // the return arrow on the lower half
    fillRoundBox(image, 12 * s, 2 * s, 2 * s, 9 * s, 1 * s, 0xFF1E3250);
    fillRoundBox(image, 7 * s, 9 * s, 7 * s, 2 * s, 1 * s, 0xFF1E3250);
    fillTriangle(image, 4 * s, 10 * s, 8 * s, 6.5f * s, 8 * s, 13.5f * s, 0xFF1E3250);
  }
  return image;
}

}  // namespace

void DrawKeyboard(ArtOutput& out) {
  const int s = out.scale();
  // Eleven keys of 19 make a keyboard of 209 x 72 (four rows of 18), which leaves a margin on
  // either side inside the record book's 220-wide panel.
  constexpr int kW = 19, kH = 18;
  out.addPicture("key.espr", Key(kW, kH, s, false, 0));
  out.addPicture("keyp.espr", Key(kW, kH, s, true, 0));
  out.addPicture("keysp.espr", Key(2 * kW, kH, s, false, 0));
  out.addPicture("keyspp.espr", Key(2 * kW, kH, s, true, 0));
  out.addPicture("keyent1.espr", Key(kW, kH, s, false, 1));
  out.addPicture("keyent1p.espr", Key(kW, kH, s, true, 1));
  out.addPicture("keyent2.espr", Key(kW, kH, s, false, 2));
  out.addPicture("keyent2p.espr", Key(kW, kH, s, true, 2));
  out.addPicture("keygap.espr", tools::ArgbImage(10 * s, kH * s, 0));
  out.addPicture("keygap2.espr", tools::ArgbImage(kW * s, kH * s, 0));
}

}  // namespace assetgen
