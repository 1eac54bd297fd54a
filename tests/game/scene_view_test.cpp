// The scene's view of its world: where things land on the screen, how the camera moves and
// stays within its limits, the clouds' drift and the height flags. The rendered frames of a known
// world are pinned by checksums, so that an optimisation of the renderer or of the step that
// changes a single pixel shows up; after an intended change of the picture, replace the
// constants with the values the test prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "fixtures/game/sample_tower.h"
#include "game/scene/camera_control.h"
#include "game/scene/scene_renderer.h"
#include "game/world/world_fixture.h"
#include "gfx/surface.h"

namespace game {
namespace {

constexpr std::uint16_t kSky = 0x1111, kEarth = 0x2222, kBorder = 0x3333, kLink = 0x4444,
                        kFrozen = 0x5555, kGoo = 0x6666;
constexpr SceneSize kSize{240, 320};

// A 240 by 320 scene in flat colours, easy to tell apart, with links as one-pixel lines.
struct View {
  explicit View(bool demo = false) : world(testing::smallConfig(demo), nullptr) {
    ResetCamera(world.camera, kSize);
  }
  const gfx::Surface& paint(int x0 = 0, int y0 = 0) {
    renderer.Paint(world, screen.surface(), x0, y0, 0, look, false);
    return screen.surface();
  }
  World world;
  SceneRenderer renderer{kSize,
                         {.blob = {kGoo, kGoo, kGoo, kGoo, kGoo},
                          .link = {kLink, kLink, kLink, kLink, kLink},
                          .frozenLink = kFrozen,
                          .sky = kSky,
                          .earth = kEarth,
                          .earthBorder = kBorder}};
  SceneLook look{.connectType = 1, .backgroundType = 1};
  gfx::SurfaceBuffer screen{260, 340};
};

// At zoom 1 world x 0 is the centre column and the ground line 10 pixels above the bottom, all
// moved by the scene's origin; a link with a magic end is drawn frozen.
TEST(SceneView, WorldToScreenAtZoomOneAndTheSceneOrigin) {
  View v;
  Blob* top = v.world.AddBlob(0, -100, 0, 0);
  ASSERT_TRUE(v.world.AddLink(top, v.world.AddBlob(0, -50, 0, 1), 0)->frozen);
  v.world.AddLink(v.world.AddBlob(-40, -150, 0, 0), v.world.AddBlob(-40, -100, 0, 0), 0);
  const gfx::Surface& s = v.paint(20, 20);
  // The ground line, world (0, -80) one pixel wide and world (-40, -130).
  EXPECT_EQ(std::tuple(s.at(25, 329), s.at(25, 330), s.at(25, 339), s.at(139, 250), s.at(140, 250),
                       s.at(141, 250), s.at(100, 200)),
            std::tuple(kSky, kBorder, kEarth, kSky, kFrozen, kSky, kLink));
}

// Zooming keeps the bottom centre (x 0, y 10) in place, between 0.4 and 1 by the buttons; the
// animation may go lower and leaves its target alone, walking to it in ten steps.
TEST(CameraControl, ZoomKeepsTheBottomCentreAndRespectsItsLimits) {
  Camera c;
  ResetCamera(c, kSize);
  ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Minus);
  EXPECT_TRUE(c.zoom == 0.9f && c.targetZoom == 0.9f && c.savedZoom == 0.9f);
  EXPECT_NEAR(c.cameraX + 120.0f / c.zoom, 0.0f, 1e-3);
  EXPECT_NEAR(c.cameraY + 320.0f / c.zoom, 10.0f, 1e-3);
  for (int i = 0; i < 10; ++i)
    ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Minus);
  EXPECT_FLOAT_EQ(c.zoom, 0.4f);
  for (int i = 0; i < 10; ++i)
    ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Plus);
  EXPECT_FLOAT_EQ(c.zoom, 1.0f);
  c.zoom = 0.32f;
  ZoomAboutBottomCentre(c, kSize, -0.05f, ZoomKind::Smooth);
  EXPECT_TRUE(c.zoom == 0.3f && c.targetZoom == 1.0f);

  ResetCamera(c, kSize);
  c.targetZoom = 0.5f;
  int steps = 0;
  while (SmoothZoomStep(c, kSize) && steps < 100)
    ++steps;
  EXPECT_TRUE(steps == 10 && std::fabs(c.zoom - 0.5f) < 1e-4f);
}

TEST(CameraControl, ZoomedOutTheViewStaysOverThePlayField) {
  Camera c;
  ResetCamera(c, kSize);
  for (int i = 0; i < 6; ++i)
    ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Minus);
  ASSERT_FLOAT_EQ(c.zoom, 0.4f);
  // Hold the stylus at the bottom-left corner for a long time.
  for (int frame = 0; frame < 2000; ++frame)
    EdgeScroll(c, kSize, 0, 319);
  EXPECT_FLOAT_EQ(c.cameraX, -500.0f);                  // W x 1000 / 480 left of x 0
  EXPECT_FLOAT_EQ(c.cameraY, (10.0f - 320.0f) / 0.4f);  // ground 10 / zoom above the bottom
  for (int frame = 0; frame < 2000; ++frame)
    EdgeScroll(c, kSize, 239, 160);
  EXPECT_FLOAT_EQ(c.cameraX, 500.0f - 240.0f / 0.4f);

  // Near the centre nothing moves, by stylus or by key.
  const Camera before = c;
  EdgeScroll(c, kSize, 150, 200);
  KeyPan(c, kSize, 1, 0, 179, 160);
  EXPECT_TRUE(c.cameraX == before.cameraX && c.cameraY == before.cameraY);
  KeyPan(c, kSize, -1, 0, 10, 160);  // 110 px left of the centre: 2 % of it per key
  EXPECT_NEAR(c.cameraX, before.cameraX - 2.2f / 0.4f, 1e-3);
}

TEST(SceneView, CloudsDriftWithTheWindAndWrapAroundThreeWidths) {
  View v;
  v.world.wind.wind = 1.0f;
  v.renderer.AddCloud(479.0f, 100.0f, 1.0f, 40);
  v.renderer.AddCloud(-230.0f, 50.0f, -1.0f, -3);
  const auto& clouds = v.renderer.clouds();
  EXPECT_EQ(std::pair(clouds[0].sprite, clouds[1].sprite), std::pair(11, 0));  // clamped
  v.paint();
  EXPECT_FLOAT_EQ(clouds[0].x, 479.0f);  // clouds off: no drift
  v.look.cloudsOn = true;
  v.paint();
  // Past 2W a cloud continues from x - 3W, past -W from x + 3W.
  EXPECT_EQ(std::pair(clouds[0].x, clouds[1].x), std::pair(499.0f - 720.0f, -250.0f + 720.0f));
}

TEST(SceneView, EachFlagMarksTheHighestBlobOfItsBand) {
  View v;
  v.world.AddBlob(0, -50, 0, 0);
  v.world.AddBlob(10, -150, 0, 0);   // band 0's highest
  v.world.AddBlob(20, -250, 0, 0);   // band 1
  v.world.AddBlob(30, 40, 0, 0);     // below the ground line: no flag
  v.world.AddBlob(40, -4050, 0, 0);  // above the twentieth band: no flag
  v.paint();
  const auto& slots = v.renderer.flagSlots();
  EXPECT_EQ(std::tuple(slots[0].x, slots[0].y, slots[1].y), std::tuple(10.0f, -150.0f, -250.0f));
  EXPECT_EQ(std::count_if(slots.begin(), slots.end(), [](auto& s) { return s.y < 10000.0f; }), 2);
}

TEST(SceneView, FreeGoosAreBallsThatPulseInTheirColourOnlyInTheGameScene) {
  // R 8, pulse 0..2 (4 while falling): the radii swing about R by at most R / 6, so a goo is
  // never thinner than two thirds of its height. {pulse, horizontal, vertical radius}.
  const int cases[][3] = {{2, 9, 7}, {0, 7, 9}, {4, 9, 6}};
  for (const bool demo : {false, true}) {
    for (const auto& [pulse, rx, ry] : cases) {
      View v(demo);
      v.world.AddGoo({.y = -100, .pulse = static_cast<std::uint8_t>(pulse)});
      const gfx::Surface& s = v.paint();  // the goo's centre is at (120, 210)
      EXPECT_EQ(std::pair(s.at(120 + rx, 210) == kGoo, s.at(120, 210 + ry) == kGoo),
                std::pair(!demo, !demo))
          << pulse;
      EXPECT_TRUE(s.at(120 + rx + 2, 210) == kSky && s.at(120, 210 + ry + 2) == kSky) << pulse;
      EXPECT_GE(3 * std::min(rx, ry), 2 * std::max(rx, ry));
    }
  }
}

// A tower of `blobs` linked blobs on the demo hills of a screen `width` wide, with the sample goo
// images loaded at zoom 1.
struct KnownScene {
  KnownScene(int width, int blobs, const ScenePalette& palette)
      : size{width, width * 4 / 3}, renderer(size, palette) {
    ResetCamera(world.camera, size);
    world.earth.GenerateDemoEarth(2, width);
    testing_support::BuildTower(world, blobs);
    renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
  }
  SceneSize size;
  WorldConfig config = testing_support::SampleConfig(size.width);
  World world{config, nullptr};
  testing_support::MemorySource source = testing_support::SampleGooImages(config);
  SceneRenderer renderer;
};

// FNV-1a over every frame's pixels, 60 frames of a swaying 120-blob tower.
std::uint64_t renderChecksum(int width, int backgroundType, int connectType, bool multicolour) {
  ScenePalette palette;
  for (std::size_t i = 0; i < palette.link.size(); ++i)
    palette.link[i] = static_cast<std::uint16_t>(0x8410 + 0x0841 * i);
  KnownScene k(width, 120, palette);
  SceneLook look;
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
    KnownScene k(240, 40, ScenePalette{});
    World& world = k.world;
    for (Blob& blob : world.blobs())
      blob.vx = 2.0f;  // a push, so the standing tower sways between the two frames
    if (goos) {
      for (int i = 0; i < 6; ++i)
        world.AddGoo(Goo{-100.0f + 40.0f * i, -300.0f, 1.0f});
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
        k.renderer.Paint(world, screen.surface(), 0, 0, 0, SceneLook{}, false);
      else
        k.renderer.PaintBetween(world, screen.surface(), 0, 0, 0, SceneLook{}, t, nullptr);
      return screen.pixels();
    };
    world.Update();
    const std::vector<std::uint16_t> before = picture(-1.0f);
    world.camera.cameraX += scroll;
    if (zoomOut > 0.0f) {
      ZoomAboutBottomCentre(world.camera, k.size, zoomOut, ZoomKind::Minus);
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
}  // namespace game
