#include "app/screen.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "fixtures/gfx/fake_frame_buffer.h"

namespace {

using app::Screen;
using app::testing::FakeFrameBuffer;

// A distinct colour for every back-buffer pixel, so that any misplaced word is noticed.
std::uint16_t tag(int x, int y) {
  return static_cast<std::uint16_t>(y * 240 + x + 1);
}

void paintTags(Screen& screen) {
  gfx::Surface& s = screen.surface();
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      s.at(x, y) = tag(x, y);
}

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
  EXPECT_FALSE(screen.hiRes());
  EXPECT_EQ(screen.xPitch(), 1);  // bytes halved: 2 bytes a pixel
  EXPECT_EQ(screen.yPitch(), 240);
  EXPECT_EQ(fb.begins, 0);  // init reads the properties only

  // Orientation bit 0 swaps the sides.
  Screen turned;
  ASSERT_TRUE(turned.Init(240, 320, false, 1, fb));
  EXPECT_EQ(turned.surface().width, 320);
  EXPECT_EQ(turned.surface().height, 240);
  EXPECT_EQ(turned.bounds(), (gfx::Box{0, 0, 320, 240}));
  EXPECT_EQ(turned.orientation(), 1);
}

TEST(ScreenInit, RefusesSizesItCannotPresent) {
  FakeFrameBuffer fb = portrait();  // no raw frame buffer
  Screen screen;
  EXPECT_FALSE(screen.Init(480, 640, true, 0, fb));  // the hi-res copy would have nowhere to go
  EXPECT_FALSE(screen.Init(0, 320, false, 0, fb));
  EXPECT_FALSE(screen.Init(240, -1, false, 0, fb));
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
  EXPECT_EQ(screen.yPitch(), 480);
}

TEST(ScreenPresent, RowMajorDisplayGetsTheWholeBackBuffer) {
  FakeFrameBuffer fb = portrait();
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  paintTags(screen);
  screen.Present();
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x)
      ASSERT_EQ(fb.at(y * 240 + x), tag(x, y)) << x << "," << y;
  EXPECT_TRUE(fb.guardsIntact());
  EXPECT_EQ(fb.begins, 1);
  EXPECT_EQ(fb.ends, 1);
  EXPECT_EQ(fb.open, 0);
}

TEST(ScreenPresent, LandscapeDisplayWithPitches320AndMinus1) {
  // A 320-wide, 240-high display memory; the back buffer's columns run down its rows and its
  // rows run right to left, so pixel (0, 0) sits at the end of the first memory row.
  FakeFrameBuffer fb(320 * 240, 319, 240, 320, 640, -2);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  paintTags(screen);
  screen.Present();
  EXPECT_EQ(fb.at(0), tag(0, 0));
  EXPECT_EQ(fb.at(239 * 320), tag(239, 0));  // 239 * 640 bytes on
  EXPECT_EQ(fb.at(-1), tag(0, 1));           // 2 bytes back
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x)
      ASSERT_EQ(fb.at(x * 320 - y), tag(x, y)) << x << "," << y;  // every word of the memory
  EXPECT_TRUE(fb.guardsIntact());
  EXPECT_EQ(fb.ends, 1);
}

TEST(ScreenPresent, PaddedRowsLeaveThePaddingAlone) {
  // Rows of 256 pixels: 16 padding words after each row of 240.
  FakeFrameBuffer fb(256 * 320, 0, 240, 320, 2, 512);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  paintTags(screen);
  screen.Present();
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 240; ++x)
      ASSERT_EQ(fb.at(y * 256 + x), tag(x, y)) << x << "," << y;
    for (int x = 240; x < 256; ++x)
      ASSERT_EQ(fb.at(y * 256 + x), FakeFrameBuffer::kUntouched);
  }
  EXPECT_TRUE(fb.guardsIntact());
}

TEST(ScreenPresent, SmallerDisplayIsNeverWrittenPast) {
  // The display says 200 by 300 at a pitch that would fit 240 by 320 row-major: the copy is
  // cut to the display instead of running off its end.
  FakeFrameBuffer fb(200 * 300, 0, 200, 300, 2, 400);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  paintTags(screen);
  screen.Present();
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(fb.at(y * 200 + x), tag(x, y)) << x << "," << y;
  EXPECT_TRUE(fb.guardsIntact());

  // A display that hands out no memory is skipped, but its access is still closed.
  FakeFrameBuffer gone = portrait();
  gone.returnNullFromBegin = true;
  Screen other;
  ASSERT_TRUE(other.Init(240, 320, false, 0, gone));
  other.Present();
  EXPECT_EQ(gone.untouchedWords(), 240u * 320u);
  EXPECT_EQ(gone.begins, 1);
  EXPECT_EQ(gone.ends, 0);  // beginDraw gave nothing, so no endDraw is owed
}

TEST(ScreenPresent, HiResCopiesIntoTheRawFrameBuffer) {
  FakeFrameBuffer fb(480 * 640, 0, 240, 320, 2, 480);  // the display library's own view is 240
  fb.offerRaw(480, 640, 2, 960);
  Screen screen;
  ASSERT_TRUE(screen.Init(480, 640, true, 0, fb));
  gfx::Surface& s = screen.surface();
  for (int y = 0; y < 640; ++y)
    for (int x = 0; x < 480; ++x)
      s.at(x, y) = static_cast<std::uint16_t>(x * 7 + y * 13);
  screen.Present();
  for (int y = 0; y < 640; ++y)
    for (int x = 0; x < 480; ++x)
      ASSERT_EQ(fb.at(y * 480 + x), static_cast<std::uint16_t>(x * 7 + y * 13)) << x << "," << y;
  EXPECT_TRUE(fb.guardsIntact());
  EXPECT_EQ(fb.open, 0);  // the frame is still bracketed so the backend can publish it

  // A raw frame buffer with padded rows gets the strided copy.
  FakeFrameBuffer padded(512 * 640, 0, 240, 320, 2, 480);
  padded.offerRaw(480, 640, 2, 1024);
  Screen other;
  ASSERT_TRUE(other.Init(480, 640, true, 0, padded));
  other.surface().at(479, 1) = 0x1234;
  other.Present();
  EXPECT_EQ(padded.at(512 + 479), 0x1234);
  EXPECT_EQ(padded.at(480), FakeFrameBuffer::kUntouched);
  EXPECT_TRUE(padded.guardsIntact());
}

TEST(ScreenPresent, NothingBeforeInit) {
  Screen screen;
  screen.Present();  // no frame buffer yet: must not crash
  EXPECT_EQ(screen.surface().pixels, nullptr);
}

// A display with its own raw size, for the physical-size rule.
struct SizeCase {
  int propsWidth, propsHeight;
  bool raw;
  int rawWidth, rawHeight;
  int expectedWidth, expectedHeight;
};

TEST(ScreenPhysicalSize, RawSizeWinsOnlyWhenPlausibleAndWider) {
  for (const SizeCase c : {
           SizeCase{240, 320, true, 480, 640, 480, 640},      // hi-res device
           SizeCase{240, 320, true, 240, 320, 240, 320},      // not wider
           SizeCase{240, 320, true, 2500, 640, 240, 320},     // width 2500 is ignored
           SizeCase{240, 320, true, 480, 2500, 240, 320},     // so is height 2500
           SizeCase{240, 320, true, 2499, 2499, 2499, 2499},  // just below the limit
           SizeCase{240, 320, true, 480, 0, 240, 320},        // no height
           SizeCase{240, 320, false, 0, 0, 240, 320},         // no raw frame buffer at all
           SizeCase{320, 240, true, 640, 480, 640, 480},      // landscape
       }) {
    FakeFrameBuffer fb(16, 0, c.propsWidth, c.propsHeight, 2, c.propsWidth * 2);
    if (c.raw) fb.offerRaw(c.rawWidth, c.rawHeight, 2, c.rawWidth * 2);
    const Screen::Size size = Screen::PhysicalSize(fb);
    EXPECT_EQ(size.width, c.expectedWidth) << c.rawWidth << "x" << c.rawHeight;
    EXPECT_EQ(size.height, c.expectedHeight) << c.rawWidth << "x" << c.rawHeight;
  }
}

}  // namespace
