#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;

constexpr std::uint16_t kWhite = 0xFFFF;

// The ten dither words, from an even mix to mostly the second colour.
constexpr std::uint32_t kWords[10] = {0xAAAAAAAA, 0xAB5556AA, 0xAD556AB5, 0xAD6B5AD6, 0xB6DB6DB6,
                                      0xDB76DDB6, 0xDDDDDDDD, 0xDEF7BDEE, 0xFBEFDF7D, 0xF7F7F7F7};

// Reads a 32-pixel row back as a pattern word: bit 31 - j is set when pixel j is `set`.
std::uint32_t rowWord(const gfx::Surface& s, int row, std::uint16_t set) {
  std::uint32_t word = 0;
  for (int j = 0; j < 32; ++j)
    if (s.at(j, row) == set) word |= 1u << (31 - j);
  return word;
}

// Every pixel of the row is one of the two colours.
bool rowOnly(const gfx::Surface& s, int row, std::uint16_t a, std::uint16_t b) {
  for (int x = 0; x < s.width; ++x)
    if (s.at(x, row) != a && s.at(x, row) != b) return false;
  return true;
}

// The sky's long runs (dither, solid, dither) are pinned by the golden frames
// (tests/game/render_checksum_test.cpp); here short runs, the reach, clipping and limits.
TEST(FillGradient, RunsShorterThanTwentySplitInHalves) {
  // Blue 0 to 2 over span 64 at scale 0.5 and offset 1: the values are (2m - 1) / 32 on the
  // m-th row from the bottom, so blue 0 covers 16 rows, blue 1 the next 16, and the colour
  // changes to blue 2 on the gradient's top row (reach trunc(65 * 0.5) = 32).
  SurfaceBuffer b(32, 40, kWhite);
  const gfx::Surface& s = b.surface();
  gfx::FillGradient(b.surface(), 0, 0, 32, 40, 0x0000, 0x0002, 64, 1, 0.5f);
  for (int row = 39; row >= 32; --row)
    EXPECT_TRUE(rowOnly(s, row, 0x0000, 0x0000)) << row;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rowWord(s, 31 - i, 0x0000), kWords[7 - i]) << 31 - i;
    EXPECT_EQ(rowWord(s, 23 - i, 0x0001), kWords[i]) << 23 - i;
    EXPECT_EQ(rowWord(s, 15 - i, 0x0001), kWords[7 - i]) << 15 - i;
    EXPECT_TRUE(rowOnly(s, 15 - i, 0x0001, 0x0002)) << 15 - i;
  }
  // Row 7, the gradient's top where blue 2 was found, takes that colour; B fills the rows above.
  for (int row = 7; row >= 0; --row)
    EXPECT_TRUE(rowOnly(s, row, 0x0002, 0x0002)) << row;
}

TEST(FillGradient, ReachBeyondTheBottomRunsUpToTheBandTop) {
  // reach = 256 > bottom: the gradient stops at row y and rows above the band stay untouched.
  SurfaceBuffer b(8, 60, kWhite);
  gfx::FillGradient(b.surface(), 0, 10, 8, 50, 0x0000, 0x0008, 256, 0, 1.0f);
  for (int row = 0; row < 60; ++row)
    EXPECT_TRUE(row < 10 ? rowOnly(b.surface(), row, kWhite, kWhite)
                         : rowOnly(b.surface(), row, 0x0000, 0x0001))
        << row;
  EXPECT_TRUE(rowOnly(b.surface(), 10, 0x0001, 0x0001));
}

// A band cut by any edge of the surface draws exactly the visible part of the same band drawn
// whole on a larger surface: dither columns keep their bits, rows keep their colours.
TEST(FillGradient, ClippedBandsDrawTheVisiblePartOfTheWholeBand) {
  const struct {
    int x, y, w, h, span, offset;
    std::uint16_t b;
  } cases[] = {{-20, 0, 40, 70, 64, 0, 0x0002},   {10, 0, 40, 70, 64, 0, 0x0002},
               {-13, 0, 100, 70, 64, 0, 0x0002},  {0, 0, 32, 70, 64, 0, 0x0002},
               {0, -40, 32, 200, 256, 0, 0x0008}, {0, 20, 30, 20, 32, 0, 0x0002}};
  constexpr int kW = 30, kH = 40, kMx = 120, kMy = 200;
  for (const auto& c : cases) {
    SurfaceBuffer small(kW, kH, kWhite), big(kW + 2 * kMx, kH + 2 * kMy, kWhite);
    gfx::FillGradient(small.surface(), c.x, c.y, c.w, c.h, 0x0000, c.b, c.span, c.offset, 1.0f);
    gfx::FillGradient(big.surface(), c.x + kMx, c.y + kMy, c.w, c.h, 0x0000, c.b, c.span, c.offset,
                      1.0f);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(small.surface().at(x, y), big.surface().at(x + kMx, y + kMy))
            << "band at " << c.x << "," << c.y << ", pixel " << x << "," << y;
    // Column j of a dithered row reads bit (w - 1 - j) mod 32 of its word (row 34: word 4, whose
    // pattern repeats every three bits, so a shifted column shows).
    for (int j = 0; c.span == 64 && j < c.w; ++j)
      ASSERT_EQ(big.surface().at(c.x + kMx + j, c.y + kMy + 34) == 0x0001,
                ((kWords[4] >> ((c.w - 1 - j) % 32)) & 1u) != 0)
          << c.w << " wide, column " << j;
  }
}

TEST(FillGradient, RefusesDegenerateParametersAndHoldsFieldsAtTheirEnds) {
  const struct {
    int w, h, span;
    float scale;
  } refused[] = {{16, 16, 0, 1.0f},   {16, 16, -5, 1.0f}, {16, 16, 16, 0.0f},
                 {16, 16, 16, -1.0f}, {0, 16, 16, 1.0f},  {16, 0, 16, 1.0f}};
  SurfaceBuffer b(16, 16, kWhite);
  for (const auto& r : refused)
    gfx::FillGradient(b.surface(), 0, 0, r.w, r.h, 0x0000, 0x001F, r.span, 0, r.scale);
  for (int row = 0; row < 16; ++row)
    EXPECT_TRUE(rowOnly(b.surface(), row, kWhite, kWhite)) << row;

  // An offset far outside the span holds each field at its end instead of spilling into the
  // neighbouring field.
  SurfaceBuffer wide(8, 8, kWhite);
  gfx::FillGradient(wide.surface(), 0, 0, 8, 8, 0x001F, 0x0000, 4, -1000, 1.0f);
  for (const std::uint16_t p : wide.pixels())
    EXPECT_EQ(p & ~0x001F, 0);
}

}  // namespace
