#include "app/screen.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "fixtures/gfx/fake_frame_buffer.h"

namespace {

using app::Screen;
using app::testing::FakeFrameBuffer;

// A portrait display of 240 by 320 with rows back to back.
FakeFrameBuffer portrait() {
  return FakeFrameBuffer(240 * 320, 0, 240, 320, 2, 480);
}

TEST(ScreenInit, BackBufferIsWhiteWithItsBounds) {
  FakeFrameBuffer fb = portrait();
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  const gfx::Surface& s = screen.surface();
  EXPECT_EQ(s.width, 240);
  EXPECT_EQ(s.height, 320);
  EXPECT_EQ(screen.bounds(), (gfx::Box{0, 0, 240, 320}));
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x)
      ASSERT_EQ(s.at(x, y), 0xFFFF) << x << "," << y;
  EXPECT_EQ(fb.begins, 0);  // init reads the properties only

  // Orientation bit 0 swaps the sides.
  Screen turned;
  ASSERT_TRUE(turned.Init(240, 320, false, 1, fb));
  EXPECT_EQ(turned.surface().width, 320);
  EXPECT_EQ(turned.surface().height, 240);
  EXPECT_EQ(turned.bounds(), (gfx::Box{0, 0, 320, 240}));
}

TEST(ScreenInit, RefusesSizesItCannotPresent) {
  FakeFrameBuffer fb = portrait();  // no raw frame buffer
  Screen screen;
  EXPECT_FALSE(screen.Init(480, 640, true, 0, fb));  // the hi-res copy would have nowhere to go
  EXPECT_FALSE(screen.Init(0, 320, false, 0, fb));
  EXPECT_FALSE(screen.Init(5000, 320, false, 0, fb));
  // A refused init leaves nothing to present.
  screen.Present();
  EXPECT_EQ(fb.begins, 0);
  EXPECT_EQ(fb.untouchedWords(), 240u * 320u);
  EXPECT_EQ(screen.surface().pixels, nullptr);

  // The same size is accepted once the display offers its raw frame buffer.
  FakeFrameBuffer raw(480 * 640, 0, 480, 640, 2, 960);
  raw.offerRaw(480, 640, 2, 960);
  EXPECT_TRUE(screen.Init(480, 640, true, 0, raw));
  EXPECT_TRUE(screen.hiRes());
}

// Every back-buffer pixel the display holds lands at its word, once, and no word outside
// the display (padding, guards) is written.
TEST(ScreenPresent, EveryPixelLandsAtItsWordOnEveryLayout) {
  struct Case {
    const char* name;
    std::size_t words;
    std::ptrdiff_t origin;
    int displayW, displayH, xStride, yStride;
    int rawW, rawStride;  // rawW 0: no raw frame buffer (then a 240 x 320 screen, else hi-res)
    int visibleW, visibleH;
    int wordX, wordY;  // the word of (x, y) from the origin: x * wordX + y * wordY
  };
  const Case kCases[] = {
      {"row-major", 240 * 320, 0, 240, 320, 2, 480, 0, 0, 240, 320, 1, 240},
      // Landscape memory, 320 wide: columns run down its rows, rows right to left, so (0, 0)
      // sits at the end of the first memory row.
      {"landscape", 320 * 240, 319, 240, 320, 640, -2, 0, 0, 240, 320, 320, -1},
      {"padded rows", 256 * 320, 0, 240, 320, 2, 512, 0, 0, 240, 320, 1, 256},
      // A display smaller than its pitch suggests: the copy is cut to it, not run off its end.
      {"smaller display", 200 * 300, 0, 200, 300, 2, 400, 0, 0, 200, 300, 1, 200},
      // The display library's own view is 240 wide; hi-res goes to the raw frame buffer.
      {"hi-res", 480 * 640, 0, 240, 320, 2, 480, 480, 960, 480, 640, 1, 480},
      {"hi-res padded", 512 * 640, 0, 240, 320, 2, 480, 480, 1024, 480, 640, 1, 512},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    FakeFrameBuffer fb(c.words, c.origin, c.displayW, c.displayH, c.xStride, c.yStride);
    if (c.rawW != 0) fb.offerRaw(c.rawW, c.rawW * 4 / 3, 2, c.rawStride);
    Screen screen;
    const bool hiRes = c.rawW != 0;
    ASSERT_TRUE(screen.Init(hiRes ? 480 : 240, hiRes ? 640 : 320, hiRes, 0, fb));
    gfx::Surface& s = screen.surface();
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x)
        s.at(x, y) = static_cast<std::uint16_t>(x * 7 + y * 13 + 1);
    screen.Present();
    for (int y = 0; y < c.visibleH; ++y)
      for (int x = 0; x < c.visibleW; ++x)
        ASSERT_EQ(fb.at(x * c.wordX + y * c.wordY), static_cast<std::uint16_t>(x * 7 + y * 13 + 1))
            << x << "," << y;
    EXPECT_EQ(fb.untouchedWords(), c.words - static_cast<std::size_t>(c.visibleW * c.visibleH));
    EXPECT_TRUE(fb.guardsIntact());
    EXPECT_EQ(fb.begins, 1);
    EXPECT_EQ(fb.ends, 1);  // bracketed even in hi-res, so the backend can publish the frame
  }

  // A display that hands out no memory is skipped, and no endDraw is owed.
  FakeFrameBuffer gone = portrait();
  gone.returnNullFromBegin = true;
  Screen other;
  ASSERT_TRUE(other.Init(240, 320, false, 0, gone));
  other.Present();
  EXPECT_EQ(gone.untouchedWords(), 240u * 320u);
  EXPECT_EQ(gone.begins, 1);
  EXPECT_EQ(gone.ends, 0);
}

TEST(ScreenPhysicalSize, RawSizeWinsOnlyWhenPlausibleAndWider) {
  // Display width and height, whether it has a raw frame buffer, its size, the size expected.
  const struct {
    int propsWidth, propsHeight;
    bool raw;
    int rawWidth, rawHeight, expectedWidth, expectedHeight;
  } kCases[] = {
      {240, 320, true, 480, 640, 480, 640},      // hi-res device
      {240, 320, true, 240, 320, 240, 320},      // not wider
      {240, 320, true, 2500, 640, 240, 320},     // width 2500 is ignored
      {240, 320, true, 480, 2500, 240, 320},     // so is height 2500
      {240, 320, true, 2499, 2499, 2499, 2499},  // just below the limit
      {240, 320, true, 480, 0, 240, 320},        // no height
      {240, 320, false, 0, 0, 240, 320},         // no raw frame buffer at all
      {320, 240, true, 640, 480, 640, 480},      // landscape
  };
  for (const auto& c : kCases) {
    FakeFrameBuffer fb(16, 0, c.propsWidth, c.propsHeight, 2, c.propsWidth * 2);
    if (c.raw) fb.offerRaw(c.rawWidth, c.rawHeight, 2, c.rawWidth * 2);
    const Screen::Size size = Screen::PhysicalSize(fb);
    EXPECT_EQ(size.width, c.expectedWidth) << c.rawWidth << "x" << c.rawHeight;
    EXPECT_EQ(size.height, c.expectedHeight) << c.rawWidth << "x" << c.rawHeight;
  }
}

}  // namespace
