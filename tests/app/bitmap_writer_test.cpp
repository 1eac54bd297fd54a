#include "app/bitmap_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/screen.h"
#include "fixtures/gfx/fake_frame_buffer.h"
#include "fixtures/temp_folder.h"
#include "gfx/color.h"
#include "gfx/primitives.h"
#include "platform/file.h"

namespace {

using app::Screen;
using app::testing::FakeFrameBuffer;

std::uint16_t le16(const std::vector<std::byte>& b, std::size_t at) {
  return static_cast<std::uint16_t>(std::to_integer<unsigned>(b[at]) |
                                    std::to_integer<unsigned>(b[at + 1]) << 8);
}

using WriteBitmap = testing_support::TempFolderTest;

std::uint16_t tinted(std::uint16_t p) {
  gfx::BlendPixel(p, 0x001F, 16);
  return p;
}

TEST(BitmapEncoding, HeaderOfAScreen) {
  gfx::SurfaceBuffer b(240, 320);
  const std::vector<std::byte> bytes = app::EncodeBitmap(b.surface());
  ASSERT_EQ(bytes.size(), 153656u);
  // "BM", file size, reserved, pixel offset 54; info header 40, width 240, height 320 (rows
  // bottom-up), 1 plane, 16 bits, no compression, image size 153602, 2834 pixels per metre both
  // ways, no colour counts.
  const std::array<unsigned, 54> expected{
      'B', 'M', 0x38, 0x58, 2,    0, 0,    0,    0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
      240, 0,   0,    0,    0x40, 1, 0,    0,    1, 0, 16, 0, 0, 0, 0,  0, 2, 0x58,
      2,   0,   0x12, 0x0B, 0,    0, 0x12, 0x0B, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0};
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(std::to_integer<unsigned>(bytes[i]), expected[i]) << "byte " << i;
  // The two fill bytes after the pixels are zero.
  EXPECT_EQ(std::to_integer<unsigned>(bytes[153654]), 0u);
  EXPECT_EQ(std::to_integer<unsigned>(bytes[153655]), 0u);
}

TEST(BitmapEncoding, RowsBottomUpLeftToRight) {
  gfx::SurfaceBuffer b(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      b.surface().at(x, y) = static_cast<std::uint16_t>(0x1F * (y * 4 + x));
  const std::vector<std::byte> bytes = app::EncodeBitmap(b.surface());
  ASSERT_EQ(bytes.size(), 80u);  // 54 + 24 = 78, rounded up to 80
  for (int stored = 0; stored < 3; ++stored)
    for (int x = 0; x < 4; ++x) {
      const int y = 2 - stored;  // the first stored row is the bottom row
      EXPECT_EQ(le16(bytes, 54 + stored * 8 + x * 2), app::BitmapPixelFrom565(b.surface().at(x, y)))
          << x << "," << y;
    }
  EXPECT_EQ(le16(bytes, 78), 0);

  // An odd width gets rows padded to four bytes, so that readers find every row.
  gfx::SurfaceBuffer odd(3, 2, 0xFFFF);
  const std::vector<std::byte> padded = app::EncodeBitmap(odd.surface());
  EXPECT_EQ(app::BitmapRowBytes(3), 8u);
  ASSERT_EQ(padded.size(), 72u);  // 54 + 2 * 8 = 70, rounded up
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(le16(padded, 54 + row * 8 + x * 2), 0x7FFF);
    EXPECT_EQ(le16(padded, 54 + row * 8 + 6), 0);
  }
}

TEST(ScreenshotName, CounterPaddedToFourDigitsNeverCut) {
  EXPECT_EQ(app::ScreenshotPath("/games/q/", 1), "/games/q/screenshot0001.bmp");
  EXPECT_EQ(app::ScreenshotPath("d/", 65535), "d/screenshot65535.bmp");
}

TEST_F(WriteBitmap, WritesTheFileThenTintsTheDisplayTowardBlue) {
  FakeFrameBuffer fb(240 * 320, 0, 240, 320, 2, 480);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  screen.surface().at(0, 0) = 0xF800;
  screen.surface().at(239, 319) = 0x07E0;
  screen.Present();
  fb.origin()[5] = 0x0000;  // the display need not match the back buffer

  const std::string path = folder() + "write_bitmap.bmp";
  ASSERT_TRUE(app::WriteBitmap(screen, path));  // its content is read back below by ImageMagick
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  // Every display pixel went halfway to blue: (old * 15 + new * 16) / 32 per field.
  EXPECT_EQ(tinted(0xFFFF), 0x73BE);
  EXPECT_EQ(fb.at(0), tinted(0xF800));
  EXPECT_EQ(fb.at(5), 0x000F);
  EXPECT_EQ(fb.at(1), 0x73BE);
  EXPECT_EQ(fb.at(319 * 240 + 239), tinted(0x07E0));
  for (int i = 6; i < 240 * 320 - 1; ++i)
    ASSERT_EQ(fb.at(i), 0x73BE) << i;
  EXPECT_TRUE(fb.guardsIntact());
  EXPECT_EQ(fb.open, 0);
  // The back buffer itself is not tinted.
  EXPECT_EQ(screen.surface().at(1, 0), 0xFFFF);
}

TEST_F(WriteBitmap, FalseAndNoTintWhenTheFileCannotBeCreated) {
  FakeFrameBuffer fb(240 * 320, 0, 240, 320, 2, 480);
  fb.fill(0x1234);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  EXPECT_FALSE(app::WriteBitmap(screen, folder() + "no/such/folder/shot.bmp"));
  const std::string dir = folder() + "a_folder.bmp";
  std::filesystem::create_directories(dir);
  EXPECT_FALSE(app::WriteBitmap(screen, dir));  // a directory is in the way
  EXPECT_TRUE(std::filesystem::is_directory(dir));
  for (int i = 0; i < 240 * 320; ++i)
    ASSERT_EQ(fb.at(i), 0x1234) << i;
  EXPECT_EQ(fb.begins, 0);
}

// An independent reader (ImageMagick) sees the screenshot the right way up in the right colours.
TEST_F(WriteBitmap, ImageMagickReadsTheScreenshot) {
  FakeFrameBuffer fb(240 * 320, 0, 240, 320, 2, 480);
  Screen screen;
  ASSERT_TRUE(screen.Init(240, 320, false, 0, fb));
  gfx::Surface& s = screen.surface();
  gfx::FillRect(s, 0, 0, 10, 10, 0xF800);      // red block at the top left
  gfx::FillRect(s, 220, 300, 20, 20, 0x07E0);  // green block at the bottom right
  s.at(120, 0) = 0x001F;                       // blue on the top row
  s.at(5, 200) = gfx::Rgb565From24(0x808080);  // a mid grey: fields 16, 32, 16, read as 132
  s.at(6, 200) = 0x0000;
  const std::string path = folder() + "peer.bmp";
  ASSERT_TRUE(app::WriteBitmap(screen, path));
  ASSERT_EQ(std::filesystem::file_size(path), 153656u);

  const std::string command = "convert '" + path + "' -depth 8 'rgb:" + path + ".rgb' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0)
      << "convert (ImageMagick, see scripts/install-deps.sh) failed to read the bitmap";
  const std::string rgb = *platform::readWholeFile(path + ".rgb");
  ASSERT_EQ(rgb.size(), 240u * 320u * 3u);  // 240 x 320
  // Each stored 5-bit field v reads back as about v * 255 / 31.
  const struct {
    int x, y, rgb[3];
  } kPixels[] = {
      {0, 0, {255, 0, 0}},       {9, 9, {255, 0, 0}},         {10, 0, {255, 255, 255}},
      {0, 319, {255, 255, 255}}, {120, 0, {0, 0, 255}},       {239, 319, {0, 255, 0}},
      {220, 300, {0, 255, 0}},   {219, 319, {255, 255, 255}}, {239, 0, {255, 255, 255}},
      {5, 200, {132, 132, 132}}, {6, 200, {0, 0, 0}},
  };
  for (const auto& p : kPixels)
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(static_cast<unsigned char>(rgb[(p.y * 240 + p.x) * 3 + i]), p.rgb[i], 1)
          << p.x << "," << p.y << " field " << i;
}

}  // namespace
