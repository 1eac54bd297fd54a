#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

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

bool rowSolid(const gfx::Surface& s, int row, std::uint16_t c) {
  return rowOnly(s, row, c, c);
}

// Blue 0 at the bottom to blue 2, one field step every 32 rows (all values exact in binary):
// span 64, offset 0, scale 1 on a band of 70 rows gives runs of 31 rows of blue 0 (rows 69..39),
// 32 rows of blue 1 (38..7) and the start of blue 2 at row 6; the gradient ends at row 5 and the
// rows above it take colour B.
TEST(FillGradient, RunsSplitIntoDitherSolidDither) {
  SurfaceBuffer b(32, 70, kWhite);
  const gfx::Surface& s = b.surface();
  gfx::FillGradient(b.surface(), 0, 0, 32, 70, 0x0000, 0x0002, 64, 0, 1.0f);

  // First run: its lower rows dither the colour with itself; solid up to the upper dither.
  for (int row = 69; row >= 49; --row)
    EXPECT_TRUE(rowSolid(s, row, 0x0000)) << row;
  // Upper dither of the first run: word 9 next to the solid part down to word 0 at the
  // boundary, bits set where the run's own colour stays.
  for (int i = 0; i < 10; ++i) {
    const int row = 48 - i;
    EXPECT_TRUE(rowOnly(s, row, 0x0000, 0x0001)) << row;
    EXPECT_EQ(rowWord(s, row, 0x0000), kWords[9 - i]) << "row " << row;
  }
  // Lower dither of the second run: the even mix at the boundary, then more of the new colour.
  for (int i = 0; i < 10; ++i) {
    const int row = 38 - i;
    EXPECT_TRUE(rowOnly(s, row, 0x0000, 0x0001)) << row;
    EXPECT_EQ(rowWord(s, row, 0x0001), kWords[i]) << "row " << row;
  }
  for (int row = 28; row >= 17; --row)
    EXPECT_TRUE(rowSolid(s, row, 0x0001)) << row;
  for (int i = 0; i < 10; ++i) {
    const int row = 16 - i;
    EXPECT_EQ(rowWord(s, row, 0x0001), kWords[9 - i]) << "row " << row;
    EXPECT_TRUE(rowOnly(s, row, 0x0001, 0x0002)) << row;
  }
  // The last, two-row run ends at the gradient's top (row 69 - 64): one dithered row, then its
  // upper half mixes blue 2 with itself.
  EXPECT_EQ(rowWord(s, 6, 0x0002), kWords[0]);
  EXPECT_TRUE(rowOnly(s, 6, 0x0001, 0x0002));
  for (int row = 5; row >= 0; --row)
    EXPECT_TRUE(rowSolid(s, row, 0x0002)) << row;
}

TEST(FillGradient, RunsShorterThanTwentySplitInHalves) {
  // Blue 0 to 2 over span 64 at scale 0.5 and offset 1: the values are (2m - 1) / 32 on the
  // m-th row from the bottom, so blue 0 covers 16 rows, blue 1 the next 16, and the colour
  // changes to blue 2 on the gradient's top row (reach trunc(65 * 0.5) = 32).
  SurfaceBuffer b(32, 40, kWhite);
  const gfx::Surface& s = b.surface();
  gfx::FillGradient(b.surface(), 0, 0, 32, 40, 0x0000, 0x0002, 64, 1, 0.5f);
  for (int row = 39; row >= 32; --row)
    EXPECT_TRUE(rowSolid(s, row, 0x0000)) << row;
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(rowWord(s, 31 - i, 0x0000), kWords[7 - i]) << 31 - i;
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(rowWord(s, 23 - i, 0x0001), kWords[i]) << 23 - i;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rowWord(s, 15 - i, 0x0001), kWords[7 - i]) << 15 - i;
    EXPECT_TRUE(rowOnly(s, 15 - i, 0x0001, 0x0002)) << 15 - i;
  }
  // Row 7 is the gradient's top, where blue 2 was found: it takes that colour rather than
  // keeping what was there; B fills the rows above.
  for (int row = 7; row >= 0; --row)
    EXPECT_TRUE(rowSolid(s, row, 0x0002)) << row;
}

TEST(FillGradient, ReachBeyondTheBottomRunsUpToTheBandTop) {
  // reach = 256 > bottom: the gradient stops at row y and rows above the band stay untouched.
  SurfaceBuffer b(8, 60, kWhite);
  const gfx::Surface& s = b.surface();
  gfx::FillGradient(b.surface(), 0, 10, 8, 50, 0x0000, 0x0008, 256, 0, 1.0f);
  for (int row = 0; row < 10; ++row)
    EXPECT_TRUE(rowSolid(s, row, kWhite)) << row;
  for (int row = 10; row < 60; ++row)
    EXPECT_TRUE(rowOnly(s, row, 0x0000, 0x0001)) << row;  // 50 rows: blue 0 then 1 at row 28
  EXPECT_TRUE(rowSolid(s, 59, 0x0000));
  EXPECT_TRUE(rowSolid(s, 10, 0x0001));

  // reach <= bottom: the gradient ends at bottom - reach, which may lie above the band, and
  // every row above it down to row 0 is filled with B.
  SurfaceBuffer above(8, 60, kWhite);
  gfx::FillGradient(above.surface(), 0, 40, 8, 20, 0x0000, 0x0002, 32, 0, 1.0f);
  for (int row = 0; row < 27; ++row)
    EXPECT_TRUE(rowSolid(above.surface(), row, 0x0002)) << row;
  EXPECT_TRUE(rowSolid(above.surface(), 59, 0x0000));
}

TEST(FillGradient, ColumnsKeepTheirDitherBitsWhenClipped) {
  // Pixel j of a 40-wide band reads bit (39 - j) mod 32 of its word, wherever the band lies.
  SurfaceBuffer ref(60, 70, kWhite);
  gfx::FillGradient(ref.surface(), 10, 0, 40, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  const gfx::Surface& r = ref.surface();
  for (int j = 0; j < 40; ++j)
    EXPECT_EQ(r.at(10 + j, 38) == 0x0001, ((kWords[0] >> ((39 - j) % 32)) & 1u) != 0) << j;
  for (int j = 0; j < 40; ++j)
    EXPECT_EQ(r.at(10 + j, 34) == 0x0001, ((kWords[4] >> ((39 - j) % 32)) & 1u) != 0) << j;
  for (int row = 0; row < 70; ++row) {
    EXPECT_EQ(r.at(9, row), kWhite);
    EXPECT_EQ(r.at(50, row), kWhite);
  }

  // The same band sticking out of a 30-wide surface on the left and on the right.
  SurfaceBuffer left(30, 70, kWhite);
  gfx::FillGradient(left.surface(), -20, 0, 40, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  SurfaceBuffer right(30, 70, kWhite);
  gfx::FillGradient(right.surface(), 10, 0, 40, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  for (int row = 0; row < 70; ++row)
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(left.surface().at(x, row), r.at(x + 30, row)) << x << "," << row;
      if (x < 10)
        ASSERT_EQ(right.surface().at(x, row), kWhite) << x << "," << row;
      else
        ASSERT_EQ(right.surface().at(x, row), r.at(x, row)) << x << "," << row;
    }
}

// A band wider than the surface and cut on both sides: every visible pixel of a dithered row
// still reads bit (w - 1 - j) mod 32 of its word, however many 32-pixel periods the row holds.
TEST(FillGradient, WideClippedRowsKeepTheirDitherBits) {
  constexpr int kBandX = -13, kBandW = 100;
  SurfaceBuffer b(80, 70, kWhite);
  const gfx::Surface& s = b.surface();
  gfx::FillGradient(b.surface(), kBandX, 0, kBandW, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  // Rows 38 and 34 mix blue 0 and 1 with words 0 and 4 (see RunsSplitIntoDitherSolidDither);
  // rows 44 and 12 take words 5 and 5 of the neighbouring upper dithers.
  const struct {
    int row, word;
    std::uint16_t set, clear;
  } rows[] = {{38, 0, 0x0001, 0x0000},
              {34, 4, 0x0001, 0x0000},
              {44, 5, 0x0000, 0x0001},
              {12, 5, 0x0001, 0x0002}};
  for (const auto& r : rows)
    for (int x = 0; x < 80; ++x) {
      const int j = x - kBandX;
      const bool bit = ((kWords[r.word] >> ((kBandW - 1 - j) % 32)) & 1u) != 0;
      ASSERT_EQ(s.at(x, r.row), bit ? r.set : r.clear) << "row " << r.row << ", x " << x;
    }
}

TEST(FillGradient, RowsBeyondTheTopAndBottomAreClipped) {
  // A band hanging below a short surface: the visible rows equal the top of a tall one.
  SurfaceBuffer tall(32, 70, kWhite), shortSurface(32, 40, kWhite);
  gfx::FillGradient(tall.surface(), 0, 0, 32, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  gfx::FillGradient(shortSurface.surface(), 0, 0, 32, 70, 0x0000, 0x0002, 64, 0, 1.0f);
  for (int row = 0; row < 40; ++row)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(shortSurface.surface().at(x, row), tall.surface().at(x, row)) << x << "," << row;

  // A band starting 40 rows above the surface (the gradient reaches its top, so nothing is
  // filled above it and the drawing only shifts).
  SurfaceBuffer full(32, 200, kWhite), shifted(32, 160, kWhite);
  gfx::FillGradient(full.surface(), 0, 0, 32, 200, 0x0000, 0x0008, 256, 0, 1.0f);
  gfx::FillGradient(shifted.surface(), 0, -40, 32, 200, 0x0000, 0x0008, 256, 0, 1.0f);
  for (int row = 0; row < 160; ++row)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(shifted.surface().at(x, row), full.surface().at(x, row + 40)) << x << "," << row;
}

// The scene's sky over a whole 240 by 320 screen: every row holds at most two neighbouring
// quantised colours, and each field stays between the two end colours.
TEST(FillGradient, SceneSkyStaysBetweenItsColours) {
  constexpr std::uint16_t a = 0xF7DA, bColour = 0x5CFF;
  SurfaceBuffer b(240, 320, 0x0000);
  const gfx::Surface& s = b.surface();
  // Offset -100: the camera 100 rows above the ground, so the bottom row is already 101 / 424
  // of the way from A to B and the gradient reaches past the top row.
  gfx::FillGradient(b.surface(), 0, 0, 240, 320, a, bColour, 424, -100, 1.0f);
  auto inRange = [](int v, int p, int q) { return v >= std::min(p, q) && v <= std::max(p, q); };
  std::set<std::uint16_t> seen;
  for (int row = 0; row < 320; ++row) {
    std::set<std::uint16_t> colours;
    for (int x = 0; x < 240; ++x)
      colours.insert(s.at(x, row));
    EXPECT_LE(colours.size(), 2u) << row;
    for (const std::uint16_t c : colours) {
      EXPECT_TRUE(inRange(c >> 11, a >> 11, bColour >> 11)) << row;
      EXPECT_TRUE(inRange((c >> 5) & 0x3F, (a >> 5) & 0x3F, (bColour >> 5) & 0x3F)) << row;
      EXPECT_TRUE(inRange(c & 0x1F, a & 0x1F, bColour & 0x1F)) << row;
      seen.insert(c);
    }
  }
  EXPECT_GT(seen.size(), 10u);                     // a gradient, not a flat fill
  EXPECT_NEAR(s.at(0, 319) >> 11, 25, 1);          // 30 - 19 * 101 / 424
  EXPECT_NEAR((s.at(0, 319) >> 5) & 0x3F, 56, 1);  // 62 - 23 * 101 / 424
  EXPECT_NEAR(s.at(0, 0) >> 11, 11, 1);            // 30 - 19 * 420 / 424, near B
}

TEST(FillGradient, RefusesDegenerateParameters) {
  SurfaceBuffer b(16, 16, kWhite);
  gfx::FillGradient(b.surface(), 0, 0, 16, 16, 0x0000, 0x001F, 0, 0, 1.0f);
  gfx::FillGradient(b.surface(), 0, 0, 16, 16, 0x0000, 0x001F, -5, 0, 1.0f);
  gfx::FillGradient(b.surface(), 0, 0, 16, 16, 0x0000, 0x001F, 16, 0, 0.0f);
  gfx::FillGradient(b.surface(), 0, 0, 16, 16, 0x0000, 0x001F, 16, 0, -1.0f);
  gfx::FillGradient(b.surface(), 0, 0, 0, 16, 0x0000, 0x001F, 16, 0, 1.0f);
  gfx::FillGradient(b.surface(), 0, 0, 16, 0, 0x0000, 0x001F, 16, 0, 1.0f);
  for (int row = 0; row < 16; ++row)
    EXPECT_TRUE(rowSolid(b.surface(), row, kWhite)) << row;

  // An offset far outside the span holds each field at its end instead of spilling into the
  // neighbouring field.
  SurfaceBuffer wide(8, 8, kWhite);
  gfx::FillGradient(wide.surface(), 0, 0, 8, 8, 0x001F, 0x0000, 4, -1000, 1.0f);
  for (int row = 0; row < 8; ++row)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(wide.surface().at(x, row) & ~0x001F, 0) << row;
}

}  // namespace
