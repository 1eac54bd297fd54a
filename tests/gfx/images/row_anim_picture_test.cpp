#include <gtest/gtest.h>

#include "gfx/color.h"
#include "gfx/images/anim_picture.h"
#include "gfx/images/picture_loader.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"
#include "image_bytes.h"

namespace gfx {
namespace {

using testing::Bytes;
using testing::cmd;
using testing::MapSource;

// A .cmb with the given palette and rows.
std::vector<std::byte> cmb(int width, int bits, const std::vector<std::uint16_t>& palette,
                           const std::vector<std::vector<int>>& rows) {
  Bytes b;
  b.u16({width, static_cast<int>(rows.size())})
      .u8({bits, 0})
      .u16({static_cast<int>(palette.size())});
  for (std::uint16_t c : palette)
    b.u16({c});
  std::uint32_t offset = 0;
  b.u32({0});
  for (const auto& row : rows) {
    offset += static_cast<std::uint32_t>(row.size());
    b.u32({offset});
  }
  for (const auto& row : rows) {
    for (int v : row)
      b.u8({v});
  }
  return b.data;
}

TEST(RowPicture, FourBitBlendRowEndsAtZero) {
  RowPicture picture;
  ASSERT_TRUE(picture.LoadBytes(
      "a.cmb", cmb(4, 4, {0, 0, 0xFFFF}, {{0x43, 0xF2, 0xF2, 0xF2, 0x00, 0x61, 2}})));
  SurfaceBuffer buffer(4, 1, 0);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  std::uint16_t blended = 0;
  BlendPixel(blended, 0xFFFF, 30);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{blended, blended, blended, 0}));
}

TEST(RowPicture, FourBitOpcodes) {
  // skip 1; 3 indexes packed low nibble first (1, 2, 3); fill 2 of index 1; blend-fill 1.
  RowPicture picture;
  ASSERT_TRUE(picture.LoadBytes("b.cmb", cmb(8, 4, {0x0, 0x10, 0x20, 0x30},
                                             {{0x01, 0x23, 0x21, 0x03, 0x62, 1, 0x81, 0xF3, 0}})));
  SurfaceBuffer buffer(8, 1, 0);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  std::uint16_t blended = 0;
  BlendPixel(blended, 0x30, 30);
  EXPECT_EQ(buffer.pixels(),
            (std::vector<std::uint16_t>{0, 0x10, 0x20, 0x30, 0x10, 0x10, blended, 0}));
  // Clipped inside the packed run (its second, high-nibble pixel comes first) and inside the
  // fill: each run keeps its pixels' own indexes.
  buffer.pixels().assign(8, 0);
  const Box clip{2, 0, 3, 1};
  picture.Draw(buffer.surface(), 0, 0, &clip, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0, 0, 0x20, 0x30, 0x10, 0, 0, 0}));
}

TEST(RowPicture, EightBitOpcodesAndClip) {
  RowPicture picture;
  ASSERT_TRUE(
      picture.LoadBytes("c.cmb", cmb(6, 8, {0x0, 0x11, 0x22, 0xF800},
                                     {{0x22, 1, 2, 0x41, 3, 31, 0x63, 2, 0}, {0x86, 3, 31, 0}})));
  SurfaceBuffer buffer(6, 2, 0);
  const Box clip{1, 0, 3, 2};
  picture.Draw(buffer.surface(), 0, 0, &clip, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0, 0x22, 0xF800, 0x22, 0, 0, 0, 0xF800,
                                                         0xF800, 0xF800, 0, 0}));
}

TEST(RowPicture, RefusesBadOffsetsAndIgnoresBadIndexes) {
  RowPicture picture;
  std::vector<std::byte> bytes = cmb(2, 8, {1}, {{0x62, 0, 0}});
  bytes.pop_back();
  bytes.pop_back();  // offsets now point past the row area
  EXPECT_FALSE(picture.LoadBytes("d.cmb", bytes));
  EXPECT_FALSE(picture.LoadBytes("d.cmb", Bytes().u16({2, 1}).u8({8, 0}).u16({5, 1}).data));

  ASSERT_TRUE(picture.LoadBytes("e.cmb", cmb(3, 8, {0x77}, {{0x23, 0, 9, 0}})));
  SurfaceBuffer buffer(3, 1, 5);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0x77, 5, 0x77}))
      << "index 9 is past the palette";
  buffer.pixels().assign(3, 5);
  ASSERT_TRUE(picture.LoadBytes("f.cmb", cmb(3, 8, {0x77}, {{0x25, 0}})));
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);  // literal run past the row: stops
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{5, 5, 5}));
}

std::vector<std::byte> solidEspr(std::uint16_t colour) {
  return Bytes().u16({2, 1, cmd(4, 2), colour, 0}).data;
}

MapSource animSource() {
  MapSource source;
  source.entries["f0.espr"] = solidEspr(0x1000);
  source.entries["f1.espr"] = solidEspr(0x2000);
  source.entries["f2.espr"] = solidEspr(0x3000);
  source.entries["f3.spr"] = Bytes().u16({2, 1}).u8({16, 0}).u16({0x4000, 0x4000}).data;
  source.entries["walk.aspr"] =
      Bytes().text("4,100\r\nf0.espr\r\nf1.espr\r\nf2.espr\r\nf3.spr\r\n").data;
  return source;
}

TEST(AnimPicture, FrameChosenByTime) {
  MapSource source = animSource();
  AnimPicture anim;
  ASSERT_TRUE(anim.Load("walk.aspr", source));
  EXPECT_EQ(anim.frameCount(), 4u);
  EXPECT_EQ(anim.width(), 2);
  SurfaceBuffer buffer(2, 1, 0);
  const std::pair<std::uint32_t, std::uint16_t> cases[] = {
      {0, 0x1000}, {99, 0x1000}, {250, 0x3000}, {399, 0x4000}, {400, 0x1000}, {0xFFFFFFFF, 0x1000}};
  for (auto [t, colour] : cases) {
    anim.Draw(buffer.surface(), 0, 0, nullptr, t);
    EXPECT_EQ(buffer.pixels()[0], colour) << "t = " << t;
  }
}

TEST(AnimPicture, MissingFramesAreRefused) {
  MapSource source = animSource();
  source.entries["short.aspr"] = Bytes().text("3,100\nf0.espr\nf1.espr\n").data;
  source.entries["gone.aspr"] = Bytes().text("2,100\nf0.espr\nnone.espr\n").data;
  source.entries["bad.aspr"] = Bytes().text("two,100\nf0.espr\n").data;
  AnimPicture anim;
  EXPECT_FALSE(anim.Load("short.aspr", source));
  EXPECT_FALSE(anim.Load("gone.aspr", source));
  EXPECT_FALSE(anim.Load("bad.aspr", source));
  EXPECT_FALSE(anim.Load("nowhere.aspr", source));
  SurfaceBuffer buffer(2, 1, 9);
  anim.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels()[0], 9);
}

TEST(AnimPicture, ResampledVariantScalesSftFrames) {
  MapSource source;
  source.entries["flag0.sft"] =
      Bytes().u16({2, 2}).u32({0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF}).data;
  source.entries["flag.aspr"] = Bytes().text("1,50\nflag0.sft\n").data;
  AnimPicture anim;
  ASSERT_TRUE(anim.LoadResampled("flag.aspr", source, 1, 2));
  EXPECT_EQ(anim.width(), 1);
  EXPECT_EQ(anim.height(), 2);
  SurfaceBuffer buffer(1, 2, 0);
  anim.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0x001F, 0xF800})) << "rows reversed";
  EXPECT_FALSE(anim.Load("flag.aspr", source)) << "plain loader reads .sft frames as .spr";
}

TEST(PictureLoader, ExtensionChoosesClass) {
  MapSource source = animSource();
  EXPECT_NE(dynamic_cast<AnimPicture*>(createPictureFor("walk.aspr").get()), nullptr);
  EXPECT_NE(dynamic_cast<StreamPicture*>(createPictureFor("x.espr").get()), nullptr);
  EXPECT_NE(dynamic_cast<RowPicture*>(createPictureFor("x.cmb").get()), nullptr);
  EXPECT_EQ(createPictureFor("readme.txt"), nullptr);
  std::unique_ptr<Picture> loaded = loadPicture("f3.spr", source);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->name(), "f3.spr");
  EXPECT_EQ(loadPicture("missing.spr", source), nullptr);
}

}  // namespace
}  // namespace gfx
