// Every picture format decoded from bytes built by hand and drawn pixel for pixel, and every
// malformed entry refused.
#include <gtest/gtest.h>

#include <optional>

#include "fixtures/gfx/image_bytes.h"
#include "gfx/color.h"
#include "gfx/images/picture_loader.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"

namespace gfx {
namespace {

using testing::Bytes;
using testing::cmd;

Bytes palette(Bytes b, int count, int base) {
  for (int i = 0; i < count; ++i)
    b.u16({base + i});
  return b;
}

// A .cmb with the given palette and rows.
Bytes cmb(int width, int bits, const std::vector<int>& colours,
          const std::vector<std::vector<int>>& rows) {
  Bytes b;
  b.u16({width, static_cast<int>(rows.size())}).u8({bits, 0}).u16({int(colours.size())});
  for (int c : colours)
    b.u16({c});
  std::uint32_t offset = 0;
  b.u32({0});
  for (const auto& row : rows)
    b.u32({offset += static_cast<std::uint32_t>(row.size())});
  for (const auto& row : rows)
    for (int v : row)
      b.u8({v});
  return b;
}

Bytes tga(int w, int h, int bits, int descriptor = 0, int idLength = 0) {
  return Bytes().u8({idLength, 0, 2}).u8({0, 0, 0, 0, 0}).u16({0, 0, w, h}).u8({bits, descriptor});
}

std::uint16_t blend(std::uint16_t under, std::uint16_t colour, int weight) {
  BlendPixel(under, colour, weight);
  return under;
}

std::unique_ptr<Picture> make(const std::string& name) {
  if (nameHas(name, ".sft")) return std::make_unique<StreamPicture>();
  return createPictureFor(name);
}

struct Decode {
  std::string name;
  Bytes bytes;
  int w, h, x;
  std::optional<Box> clip;
  std::uint16_t background;
  std::vector<std::uint16_t> pixels;
};

TEST(PictureDecode, EveryFormatDrawsItsPixels) {
  const std::uint16_t b16 = blend(0, 0xFFFF, 16), b30w = blend(0, 0xFFFF, 30);
  const Bytes ops4 =
      cmb(8, 4, {0, 0x10, 0x20, 0x30}, {{0x01, 0x23, 0x21, 0x03, 0x62, 1, 0x81, 0xF3, 0}});
  // 8 bit: literal 2 (5, 6), repeat 2 of 7, end + pad; repeat 4 of 9, end.
  const Bytes rle8 = palette(Bytes().u16({4, 2}).u8({8, 1}), 256, 0x1000)
                         .u8({0x02, 5, 6, 0x82, 7, 0x00, 0x00, 0x84, 9, 0x00});
  // clang-format off
  const Decode cases[] = {
      // .spr packed 4 bit, high nibble first; 5 wide: (5 + 3) / 4 = 2 words a row.
      {"a.spr", palette(Bytes().u16({5, 1}).u8({4, 0}), 16, 0x100).u8({0x12, 0x34, 0x50, 0}),
       5, 1, 0, {}, 0, {0x101, 0x102, 0x103, 0x104, 0x105}},
      {"b.spr", palette(Bytes().u16({3, 2}).u8({8, 0}), 256, 0x1000).u8({1, 2, 3, 0, 4, 5, 6, 0}),
       3, 2, 0, {}, 0, {0x1001, 0x1002, 0x1003, 0x1004, 0x1005, 0x1006}},
      {"c.spr", Bytes().u16({2, 1}).u8({16, 0}).u16({0xABCD, 0x1234}),
       3, 1, 0, Box{1, 0, 5, 1}, 7, {7, 0x1234, 7}},
      // .spr run length 4 bit: (count << 4 | index), end 0, rows padded to even length.
      {"d.spr", palette(Bytes().u16({3, 3}).u8({4, 1}), 16, 0x100)
                    .u8({0x31, 0x00, 0x22, 0x13, 0x00, 0x00, 0x34, 0x00}),
       3, 3, 0, {}, 0, {0x101, 0x101, 0x101, 0x102, 0x102, 0x103, 0x104, 0x104, 0x104}},
      {"e.spr", rle8, 4, 2, 0, {}, 0,
       {0x1005, 0x1006, 0x1007, 0x1007, 0x1009, 0x1009, 0x1009, 0x1009}},
      {"e.spr", rle8, 4, 2, 0, Box{0, 1, 4, 1}, 0, {0, 0, 0, 0, 0x1009, 0x1009, 0x1009, 0x1009}},
      {"f.spr", Bytes().u16({3, 1}).u8({16, 1, 0x01}).u16({0xAAAA}).u8({0x82}).u16({0xBBBB})
                    .u8({0}),
       3, 1, 0, {}, 0, {0xAAAA, 0xBBBB, 0xBBBB}},
      // .tga: bottom row first, B G R; the image ID is skipped; 1-5-5-5 green 31 becomes 63;
      // other depths draw black.
      {"a.tga", tga(1, 2, 24).u8({255, 0, 0, 0, 0, 255}), 1, 2, 0, {}, 0, {0xF800, 0x001F}},
      {"b.tga", tga(1, 1, 32, 0x28, 3).u8({'a', 'b', 'c', 0x10, 0x20, 0x30, 0xFF}),
       1, 1, 0, {}, 0, {Rgb565From24(0x302010)}},
      {"c.tga", tga(2, 1, 16, 0x20).u16({0xFFFF, 0x03E0}), 2, 1, 0, {}, 0, {0xFFFF, 0x07E0}},
      {"d.tga", tga(2, 1, 8).u8({1, 2}), 2, 1, 0, {}, 0x5555, {0, 0}},
      // .cmb 4 bit: skip 1; 3 indexes low nibble first; fill 2 of index 1; blend-fill 1; the
      // row ends at 0. Clipped inside a packed run or a fill, pixels keep their own indexes.
      {"b.cmb", ops4,
       8, 1, 0, {}, 0, {0, 0x10, 0x20, 0x30, 0x10, 0x10, blend(0, 0x30, 30), 0}},
      {"b.cmb", ops4,
       8, 1, 0, Box{2, 0, 3, 1}, 0, {0, 0, 0x20, 0x30, 0x10, 0, 0, 0}},
      {"a.cmb", cmb(4, 4, {0, 0, 0xFFFF}, {{0x43, 0xF2, 0xF2, 0xF2, 0x00, 0x61, 2}}),
       4, 1, 0, {}, 0, {b30w, b30w, b30w, 0}},
      {"c.cmb", cmb(6, 8, {0, 0x11, 0x22, 0xF800}, {{0x22, 1, 2, 0x41, 3, 31, 0x63, 2, 0},
                                                    {0x86, 3, 31, 0}}),
       6, 2, 0, Box{1, 0, 3, 2}, 0, {0, 0x22, 0xF800, 0x22, 0, 0, 0, 0xF800, 0xF800, 0xF800, 0, 0}},
      // Indexes past the palette draw nothing; a literal run past the row stops it.
      {"e.cmb", cmb(3, 8, {0x77}, {{0x23, 0, 9, 0}}), 3, 1, 0, {}, 5, {0x77, 5, 0x77}},
      {"f.cmb", cmb(3, 8, {0x77}, {{0x25, 0}}), 3, 1, 0, {}, 5, {5, 5, 5}},
      // .espr: skip 1, copy 2, blend-each 1 at 16, blend-fill 2 at 31, fill 1.
      {"o.espr", Bytes().u16({7, 1, cmd(0, 1), cmd(1, 2), 1, 2, cmd(2, 1), 0xFFFF, 16,
                              cmd(3, 2), 0x07E0, 31, cmd(4, 1), 0x001F, 0}),
       8, 1, 0, {}, 0, {0, 1, 2, b16, 0x07E0, 0x07E0, 0x001F, 0}},
      {"r.espr", Bytes().u16({3, 1, cmd(4, 3), 0xF800, 0}),
       5, 1, 1, {}, 0x1111, {0x1111, 0xF800, 0xF800, 0xF800, 0x1111}},
      {"c.espr", Bytes().u16({5, 2, cmd(4, 5), 9, 0, cmd(1, 5), 1, 2, 3, 4, 5, 0}),
       6, 2, 0, Box{2, 1, 2, 1}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 3, 4, 0, 0}},
      // A skip past the clip ends the row, the next row still draws; never outside the surface.
      {"s.espr", Bytes().u16({6, 2, cmd(0, 4), cmd(4, 2), 7, 0, cmd(4, 6), 8, 0}),
       6, 2, 0, Box{0, 0, 3, 2}, 0, {0, 0, 0, 0, 0, 0, 8, 8, 8, 0, 0, 0}},
      {"b.espr", Bytes().u16({4, 2, cmd(4, 4), 5, 0, cmd(4, 4), 5, 0}),
       3, 1, -2, Box{-100, -100, 1000, 1000}, 0, {5, 5, 0}},
  };
  // clang-format on
  for (const Decode& c : cases) {
    auto picture = make(c.name);
    ASSERT_NE(picture, nullptr) << c.name;
    ASSERT_TRUE(picture->LoadBytes(c.name, c.bytes.data)) << c.name;
    SurfaceBuffer buffer(c.w, c.h, c.background);
    picture->Draw(buffer.surface(), c.x, 0, c.clip ? &*c.clip : nullptr, 0);
    EXPECT_EQ(buffer.pixels(), c.pixels) << c.name << (c.clip ? " clipped" : "");
  }
}

TEST(PictureDecode, MalformedEntriesAreRefusedAndDrawNothing) {
  Bytes cutCmb = cmb(2, 8, {1}, {{0x62, 0, 0}});
  cutCmb.data.resize(cutCmb.data.size() - 2);
  Bytes wideSft = Bytes().u16({256, 1});
  for (int i = 0; i < 256; ++i)
    wideSft.u32({0xFF000000});
  // clang-format off
  const std::pair<std::string, Bytes> cases[] = {
      {"g.spr", Bytes().u16({2, 2}).u8({16, 0}).u16({1, 2, 3})},  // short
      {"g.spr", Bytes().u16({2, 1}).u8({12, 0}).u16({1, 2})},     // unknown depth
      {"g.spr", palette(Bytes().u16({2, 1}).u8({4, 0}), 16, 0)},  // rows missing
      {"g.spr", Bytes().u16({4, 1}).u8({16, 1}).u8({0x84})},      // run without its pixel
      {"g.spr", Bytes().u16({4, 2}).u8({16, 1}).u8({0})},         // second row missing
      {"e.tga", tga(2, 2, 24).u8({1, 2, 3})},                     // short
      {"e.tga", Bytes().u8({0, 0, 2})},                           // header cut
      {"d.cmb", cutCmb},                                          // offsets past the rows
      {"d.cmb", Bytes().u16({2, 1}).u8({8, 0}).u16({5, 1})},      // palette cut
      {"t.espr", Bytes().u16({3, 1, cmd(1, 3), 1, 2})},           // copy cut
      {"t.espr", Bytes().u16({3, 2, cmd(4, 3), 1, 0})},           // second row missing
      {"t.espr", Bytes().u16({3, 1, cmd(9, 3), 0})},              // unknown opcode
      {"t.espr", Bytes().u16({3})},                               // header cut
      {"w.sft", wideSft},                                         // a row holds at most 255
      {"s.sft", Bytes().u16({2, 2}).u32({1, 2, 3})},              // short
  };
  // clang-format on
  for (const auto& [name, bytes] : cases) {
    auto picture = make(name);
    EXPECT_FALSE(picture->LoadBytes(name, bytes.data)) << name;
    SurfaceBuffer buffer(3, 2, 0x4444);
    picture->Draw(buffer.surface(), 0, 0, nullptr, 0);
    EXPECT_EQ(buffer.pixels(), std::vector<std::uint16_t>(6, 0x4444)) << name;
  }
}

}  // namespace
}  // namespace gfx
