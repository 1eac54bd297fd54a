#include "gfx/images/palette_picture.h"

#include <gtest/gtest.h>

#include "gfx/color.h"
#include "gfx/surface.h"
#include "image_bytes.h"

namespace gfx {
namespace {

using testing::Bytes;

Bytes palette16(Bytes b) {
  for (int i = 0; i < 16; ++i)
    b.u16({0x100 + i});
  return b;
}

Bytes palette256(Bytes b) {
  for (int i = 0; i < 256; ++i)
    b.u16({0x1000 + i});
  return b;
}

TEST(PalettePicture, Packed4BitHighNibbleFirst) {
  PalettePicture picture;
  // 5 wide: (5 + 3) / 4 = 2 words a row.
  ASSERT_TRUE(picture.LoadBytes(
      "a.spr", palette16(Bytes().u16({5, 1}).u8({4, 0})).u8({0x12, 0x34, 0x50, 0x00}).data));
  SurfaceBuffer buffer(5, 1, 0);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0x101, 0x102, 0x103, 0x104, 0x105}));
}

TEST(PalettePicture, Packed8And16Bit) {
  PalettePicture p8;
  ASSERT_TRUE(p8.LoadBytes(
      "b.spr", palette256(Bytes().u16({3, 2}).u8({8, 0})).u8({1, 2, 3, 0, 4, 5, 6, 0}).data));
  SurfaceBuffer b8(3, 2, 0);
  p8.Draw(b8.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b8.pixels(),
            (std::vector<std::uint16_t>{0x1001, 0x1002, 0x1003, 0x1004, 0x1005, 0x1006}));

  PalettePicture p16;
  ASSERT_TRUE(p16.LoadBytes("c.spr", Bytes().u16({2, 1}).u8({16, 0}).u16({0xABCD, 0x1234}).data));
  SurfaceBuffer b16(3, 1, 7);
  const Box clip{1, 0, 5, 1};
  p16.Draw(b16.surface(), 0, 0, &clip, 0);
  EXPECT_EQ(b16.pixels(), (std::vector<std::uint16_t>{7, 0x1234, 7}));
}

TEST(PalettePicture, RunLength4BitWithPadding) {
  PalettePicture picture;
  // Row 0: 3 of index 1, end, padded (3 bytes so far... 0x31 0x00 = 2, even: no pad).
  // Row 1: 2 of index 2, 1 of index 3, end: 3 bytes, odd: pad byte.
  ASSERT_TRUE(picture.LoadBytes("d.spr", palette16(Bytes().u16({3, 3}).u8({4, 1}))
                                             .u8({0x31, 0x00})
                                             .u8({0x22, 0x13, 0x00, 0x00})
                                             .u8({0x34, 0x00})
                                             .data));
  SurfaceBuffer buffer(3, 3, 0);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0x101, 0x101, 0x101, 0x102, 0x102, 0x103,
                                                         0x104, 0x104, 0x104}));
}

TEST(PalettePicture, RunLength8And16Bit) {
  PalettePicture p8;
  // Row 0: literal 2 (5, 6), repeat 2 of 7, end + pad. Row 1: repeat 4 of 9, end.
  ASSERT_TRUE(p8.LoadBytes("e.spr", palette256(Bytes().u16({4, 2}).u8({8, 1}))
                                        .u8({0x02, 5, 6, 0x82, 7, 0x00, 0x00})
                                        .u8({0x84, 9, 0x00})
                                        .data));
  SurfaceBuffer b8(4, 2, 0);
  const Box clip{0, 1, 4, 1};
  p8.Draw(b8.surface(), 0, 0, &clip, 0);
  EXPECT_EQ(b8.pixels(), (std::vector<std::uint16_t>{0, 0, 0, 0, 0x1009, 0x1009, 0x1009, 0x1009}));
  p8.Draw(b8.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b8.pixels()[0], 0x1005);
  EXPECT_EQ(b8.pixels()[3], 0x1007);

  PalettePicture p16;
  ASSERT_TRUE(p16.LoadBytes("f.spr", Bytes()
                                         .u16({3, 1})
                                         .u8({16, 1})
                                         .u8({0x01})
                                         .u16({0xAAAA})
                                         .u8({0x82})
                                         .u16({0xBBBB})
                                         .u8({0})
                                         .data));
  SurfaceBuffer b16(3, 1, 0);
  p16.Draw(b16.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b16.pixels(), (std::vector<std::uint16_t>{0xAAAA, 0xBBBB, 0xBBBB}));
}

TEST(PalettePicture, RefusesShortOrUnknownData) {
  PalettePicture picture;
  EXPECT_FALSE(picture.LoadBytes("g.spr", Bytes().u16({2, 2}).u8({16, 0}).u16({1, 2, 3}).data));
  EXPECT_FALSE(picture.LoadBytes("g.spr", Bytes().u16({2, 1}).u8({12, 0}).u16({1, 2}).data));
  EXPECT_FALSE(picture.LoadBytes("g.spr", palette16(Bytes().u16({2, 1}).u8({4, 0})).data))
      << "rows missing";
  EXPECT_FALSE(picture.LoadBytes("g.spr", Bytes().u16({4, 1}).u8({16, 1}).u8({0x84}).data))
      << "run without its pixel";
  EXPECT_FALSE(picture.LoadBytes("g.spr", Bytes().u16({4, 2}).u8({16, 1}).u8({0}).data))
      << "second row missing";
}

Bytes tgaHeader(int w, int h, int bits, int descriptor = 0, int idLength = 0) {
  return Bytes().u8({idLength, 0, 2}).u8({0, 0, 0, 0, 0}).u16({0, 0, w, h}).u8({bits, descriptor});
}

TEST(PalettePicture, TgaDepthsAndRowFlip) {
  PalettePicture p24;
  // Bottom row first: bottom = blue, top = red (bytes B, G, R).
  ASSERT_TRUE(p24.LoadBytes("a.tga", tgaHeader(1, 2, 24).u8({255, 0, 0, 0, 0, 255}).data));
  SurfaceBuffer b(1, 2, 0);
  p24.Draw(b.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b.pixels(), (std::vector<std::uint16_t>{0xF800, 0x001F}));

  PalettePicture p32;
  ASSERT_TRUE(p32.LoadBytes(
      "b.tga", tgaHeader(1, 1, 32, 0x28, 3).u8({'a', 'b', 'c'}).u8({0x10, 0x20, 0x30, 0xFF}).data));
  SurfaceBuffer b32(1, 1, 0);
  p32.Draw(b32.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b32.pixels()[0], Rgb565From24(0x302010)) << "image ID skipped";

  PalettePicture p16;
  // 1-5-5-5: white, and pure 5-bit green 31 becomes 6-bit 63.
  ASSERT_TRUE(p16.LoadBytes("c.tga", tgaHeader(2, 1, 16, 0x20).u16({0xFFFF, 0x03E0}).data));
  SurfaceBuffer b16(2, 1, 0);
  p16.Draw(b16.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b16.pixels(), (std::vector<std::uint16_t>{0xFFFF, 0x07E0}));

  PalettePicture p8;
  ASSERT_TRUE(p8.LoadBytes("d.tga", tgaHeader(2, 1, 8).u8({1, 2}).data));
  SurfaceBuffer b8(2, 1, 0x5555);
  p8.Draw(b8.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(b8.pixels(), (std::vector<std::uint16_t>{0, 0})) << "other depths draw black";

  EXPECT_FALSE(p24.LoadBytes("e.tga", tgaHeader(2, 2, 24).u8({1, 2, 3}).data)) << "short";
  EXPECT_FALSE(p24.LoadBytes("e.tga", Bytes().u8({0, 0, 2}).data));
}

}  // namespace
}  // namespace gfx
