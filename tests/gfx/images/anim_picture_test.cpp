// Animations from their frame lists. Loading by extension and the flag's resampled frames are
// checked on the real art (tests/assetgen/art_pictures_test.cpp).
#include <gtest/gtest.h>

#include "fixtures/gfx/image_bytes.h"
#include "gfx/images/anim_picture.h"
#include "gfx/surface.h"

namespace gfx {
namespace {

using testing::Bytes;
using testing::cmd;
using testing::MapSource;

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

}  // namespace
}  // namespace gfx
