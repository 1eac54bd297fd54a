// FillGradient: the sky. The colour runs in single precision per 5/6/5-bit field from the band's
// bottom row upward and is quantised by truncation. Each run of rows with one quantised colour
// is split into a dithered lower part, a solid middle and a dithered upper part; the ten pattern
// words mix the neighbouring colours from an even checker (word 0) to mostly one colour (word 9).
// Both dithered parts put word 0 on the row next to a colour boundary and the word with the most
// set bits next to the solid middle, so the mix changes monotonically across every boundary.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "gfx/primitives.h"

namespace gfx {
namespace {

constexpr std::uint32_t kPatternWords[10] = {0xAAAAAAAA, 0xAB5556AA, 0xAD556AB5, 0xAD6B5AD6,
                                             0xB6DB6DB6, 0xDB76DDB6, 0xDDDDDDDD, 0xDEF7BDEE,
                                             0xFBEFDF7D, 0xF7F7F7F7};
constexpr int kDitherRows = 10;  // at most this many dithered rows either side of a run

struct Channels {
  float r, g, b;
};

// Truncates each field, held between the two end colours' values: the last rows of the
// gradient step slightly past colour B (a row's worth, and float error), and a falling field
// truncated there would show a darker line just below the solid B above it.
std::uint16_t quantise(const Channels& c, const Channels& low, const Channels& high) {
  auto field = [](float v, float lo, float hi) {
    if (!(v > lo)) return static_cast<int>(lo);
    if (v >= hi) return static_cast<int>(hi);
    return static_cast<int>(v);
  };
  return static_cast<std::uint16_t>((field(c.r, low.r, high.r) << 11) |
                                    (field(c.g, low.g, high.g) << 5) | field(c.b, low.b, high.b));
}

Channels split(std::uint16_t c) {
  return Channels{static_cast<float>((c >> 11) & 0x1F), static_cast<float>((c >> 5) & 0x3F),
                  static_cast<float>(c & 0x1F)};
}

// Writes rows of the band, clipped to the surface; the dither bit of band column j is
// (w - 1 - j) mod 32 whatever part of the band is visible.
class BandWriter {
 public:
  BandWriter(Surface& s, int x, int w) : s_(s), x_(x), w_(w) {
    x0_ = std::max(x, 0);
    x1_ = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, s.width));
  }

  void solid(int row, std::uint16_t colour) {
    if (!visible(row)) return;
    for (std::uint16_t *p = s_.pixels + row * s_.width + x0_, *end = p + (x1_ - x0_); p != end; ++p)
      *p = colour;
  }

  // Pixel j takes second where bit ((w - 1 - j) mod 32) of word is set, else first. The row
  // repeats every 32 pixels, so its first 32 visible pixels are worked out bit by bit and the
  // rest is copied from them in doubling blocks.
  void dithered(int row, std::uint32_t word, std::uint16_t first, std::uint16_t second) {
    if (!visible(row)) return;
    std::uint16_t* line = s_.pixels + row * s_.width + x0_;
    const int length = x1_ - x0_;
    const int period = std::min(length, 32);
    for (int i = 0, j = x0_ - x_; i < period; ++i, ++j)
      line[i] = (word >> ((w_ - 1 - j) & 31)) & 1u ? second : first;
    for (int done = period; done < length; done *= 2)
      std::memcpy(line + done, line, sizeof(std::uint16_t) * std::min(done, length - done));
  }

 private:
  bool visible(int row) const { return row >= 0 && row < s_.height && x0_ < x1_; }

  Surface& s_;
  int x_, w_, x0_ = 0, x1_ = 0;
};

}  // namespace

void FillGradient(Surface& s, int x, int y, int w, int h, std::uint16_t colourA,
                  std::uint16_t colourB, int span, int offset, float scale) {
  if (w <= 0 || h <= 0 || span <= 0 || !(scale > 0.0f) || !std::isfinite(scale)) return;
  const Channels a = split(colourA), b = split(colourB);
  const Channels low{std::min(a.r, b.r), std::min(a.g, b.g), std::min(a.b, b.b)};
  const Channels high{std::max(a.r, b.r), std::max(a.g, b.g), std::max(a.b, b.b)};
  const float n = static_cast<float>(span), k = static_cast<float>(offset);
  const float inverseScale = 1.0f / scale;
  const Channels slope{(b.r - a.r) / n, (b.g - a.g) / n, (b.b - a.b) / n};
  Channels value{a.r - k * slope.r, a.g - k * slope.g, a.b - k * slope.b};
  const Channels step{slope.r * inverseScale, slope.g * inverseScale, slope.b * inverseScale};
  auto advance = [&] {
    value.r += step.r;
    value.g += step.g;
    value.b += step.b;
  };

  const int bottom = y + h - 1;
  const float reachF = std::trunc((k + n) * scale);
  const long long reach = reachF > 0.0f ? static_cast<long long>(std::min(reachF, 1e9f)) : 0;
  const bool fillAbove = reach <= bottom;
  const int top = fillAbove ? bottom - static_cast<int>(reach) : y;

  BandWriter band(s, x, w);
  std::uint16_t current =
      quantise(Channels{value.r + step.r, value.g + step.g, value.b + step.b}, low, high);
  std::uint16_t pairFirst = current, pairSecond = current;
  int run = 0;
  int drawRow = bottom;
  int countRow = bottom;
  while (countRow >= top) {
    std::uint16_t next = current;
    // A run that already reaches past row 0 with its lower dither and solid part is cut short:
    // its remaining rows and everything after it lie above the surface.
    bool restHidden = false;
    for (;;) {
      advance();
      next = quantise(value, low, high);
      if (next != current) break;
      --countRow;
      ++run;
      if (countRow < top) break;
      if (run >= 2 * kDitherRows && run >= drawRow + 1 + kDitherRows) {
        restHidden = true;
        break;
      }
    }
    const int lower = run < 2 * kDitherRows ? run / 2 : kDitherRows;
    const int upper = run < 2 * kDitherRows ? run - lower : kDitherRows;
    // The lower rows rise away from the boundary below them: the row next to it is the even
    // mix, and each row further up takes more of the run's own colour.
    for (int i = 0; i < lower; ++i)
      band.dithered(drawRow--, kPatternWords[i], pairFirst, pairSecond);
    if (restHidden) {
      while (drawRow >= 0)
        band.solid(drawRow--, current);
      break;
    }
    for (int i = run - lower - upper; i > 0; --i)
      band.solid(drawRow--, current);
    pairFirst = next;
    for (int i = upper - 1; i >= 0; --i)
      band.dithered(drawRow--, kPatternWords[i], pairFirst, pairSecond);
    pairFirst = current;
    pairSecond = next;
    current = next;
    --countRow;
    run = 1;
    if (drawRow < 0) break;  // the rest of the gradient lies above the surface
  }
  // A colour change found on the gradient's top row leaves that row counted but not drawn; it
  // takes the colour found there instead of keeping stale pixels.
  for (; drawRow >= std::max(top, 0); --drawRow)
    band.solid(drawRow, current);
  if (fillAbove)
    for (int row = std::min(top - 1, s.height - 1); row >= 0; --row)
      band.solid(row, colourB);
}

}  // namespace gfx
