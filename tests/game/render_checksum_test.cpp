// The rendered frames of a known world are pinned by checksums, so that an optimisation of the
// renderer or of the step that changes a single pixel shows up. After an intended change of the
// picture, replace the constants with the values this test prints.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "fixtures/game/sample_tower.h"
#include "game/scene/scene_renderer.h"
#include "gfx/surface.h"

namespace {

// A tower of `blobs` linked blobs on the demo hills of a screen `width` wide, with the sample goo
// images loaded at zoom 1.
struct KnownScene {
  KnownScene(int width, int blobs, const game::ScenePalette& palette)
      : size{width, width * 4 / 3}, renderer(size, palette) {
    game::ResetCamera(world.camera, size);
    world.earth.GenerateDemoEarth(2, width);
    testing_support::BuildTower(world, blobs);
    renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
  }
  game::SceneSize size;
  game::WorldConfig config = testing_support::SampleConfig(size.width);
  game::World world{config, nullptr};
  testing_support::MemorySource source = testing_support::SampleGooImages(config);
  game::SceneRenderer renderer;
};

// FNV-1a over every frame's pixels, 60 frames of a swaying 120-blob tower.
std::uint64_t renderChecksum(int width, int backgroundType, int connectType, bool multicolour) {
  game::ScenePalette palette;
  for (std::size_t i = 0; i < palette.link.size(); ++i)
    palette.link[i] = static_cast<std::uint16_t>(0x8410 + 0x0841 * i);
  KnownScene k(width, 120, palette);
  game::SceneLook look;
  look.backgroundType = backgroundType;
  look.connectType = connectType;
  look.multicolorOn = multicolour;
  gfx::SurfaceBuffer screen(k.size.width, k.size.height);
  std::uint64_t hash = 1469598103934665603ull;
  std::uint32_t time = 0;
  for (int frame = 0; frame < 60; ++frame) {
    k.world.Update();
    k.renderer.Paint(k.world, screen.surface(), 0, 0, time += 40, look, false);
    for (std::uint16_t p : screen.pixels()) {
      hash = (hash ^ (p & 0xFF)) * 1099511628211ull;
      hash = (hash ^ (p >> 8)) * 1099511628211ull;
    }
  }
  return hash;
}

TEST(RenderChecksum, FramesOfAKnownWorldAreUnchanged) {
#if defined(__x86_64__) || defined(_M_X64)
  struct Case {
    int width, background, connect;
    bool multicolour;
    std::uint64_t expected;
  };
  for (const Case& c : {Case{240, 0, 0, false, 0x2a4c8d636c7e489eull},
                        Case{240, 1, 1, false, 0x4d186197a3f0d934ull},
                        Case{480, 0, 2, true, 0x8e4944c1a81a4dd1ull}}) {
    const std::uint64_t hash = renderChecksum(c.width, c.background, c.connect, c.multicolour);
    EXPECT_EQ(hash, c.expected) << c.width << " " << c.background << " " << c.connect << ": 0x"
                                << std::hex << hash;
  }
#else
  GTEST_SKIP() << "float contraction may differ on this target";
#endif
}

// Pictures between two frames: t = 0 draws the frame before exactly, t = 1 the last one, and
// half-way the picture is neither (the tower sways, the view scrolls, the zoom changes).
TEST(RenderBetween, TheEndsAreTheTwoFramesExactly) {
  for (const auto& [what, scroll, zoomOut, goos] :
       {std::tuple("a swaying tower", 0.0f, 0.0f, false),
        std::tuple("a scrolling view, free goos and one in the hand", 7.0f, 0.0f, true),
        std::tuple("a zoom out between the frames", 0.0f, 0.3f, true)}) {
    SCOPED_TRACE(what);
    KnownScene k(240, 40, game::ScenePalette{});
    game::World& world = k.world;
    for (game::Blob& blob : world.blobs())
      blob.vx = 2.0f;  // a push, so the standing tower sways between the two frames
    if (goos) {
      for (int i = 0; i < 6; ++i)
        world.AddGoo(game::Goo{-100.0f + 40.0f * i, -300.0f, 1.0f});
      world.holding = 1;
      world.placement = 1;
      world.dropX = 30.0f, world.dropY = -150.0f;
      world.anchorA = &world.blobs().front();
      world.anchorB = &world.blobs().back();
    }
    // A fresh picture of the frame itself (t < 0) or of the way t between the last two frames.
    const auto picture = [&](float t) {
      gfx::SurfaceBuffer screen(240, 320);
      if (t < 0.0f)
        k.renderer.Paint(world, screen.surface(), 0, 0, 0, game::SceneLook{}, false);
      else
        k.renderer.PaintBetween(world, screen.surface(), 0, 0, 0, game::SceneLook{}, t, nullptr);
      return screen.pixels();
    };
    world.Update();
    const std::vector<std::uint16_t> before = picture(-1.0f);
    world.camera.cameraX += scroll;
    if (zoomOut > 0.0f) {
      game::ZoomAboutBottomCentre(world.camera, k.size, zoomOut, game::ZoomKind::Minus);
      k.renderer.LoadZoomedSprites(k.source, world.constants().cellRadius, world.camera.zoom);
    }
    world.Update();
    const std::vector<std::uint16_t> after = picture(-1.0f);
    EXPECT_TRUE(picture(0.0f) == before && picture(1.0f) == after);
    const std::vector<std::uint16_t> half = picture(0.5f);
    EXPECT_TRUE(half != before && half != after);
  }
}

}  // namespace
