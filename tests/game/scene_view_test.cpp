// The scene's view of its world: where things land on the screen, how the camera moves and
// stays within its limits, the clouds' drift and the height flags.
#include <gtest/gtest.h>

#include "game/scene/camera_control.h"
#include "game/scene/scene_renderer.h"
#include "gfx/surface.h"

namespace game {
namespace {

constexpr std::uint16_t kSky = 0x1111, kEarth = 0x2222, kBorder = 0x3333, kLink = 0x4444,
                        kFrozen = 0x5555, kGoo = 0x6666;

WorldConfig config() {
  WorldConfig c;
  c.width = 240;
  c.resX = 240;
  c.cellRadius1 = 8;
  c.linkSize = 2.0f;
  c.cellDynRadius = 4;
  c.earthColor = kEarth;
  c.earthBorderColor = kBorder;
  return c;
}

ScenePalette palette() {
  ScenePalette p;
  p.blob.fill(kGoo);
  p.link.fill(kLink);
  p.frozenLink = kFrozen;
  p.sky = kSky;
  p.earth = kEarth;
  p.earthBorder = kBorder;
  return p;
}

SceneLook flatLook() {
  SceneLook look;
  look.backgroundType = 1;  // flat sky and earth colours: easy to tell apart
  look.connectType = 1;     // links as one-pixel lines
  return look;
}

constexpr SceneSize kSize{240, 320};

TEST(SceneView, AtZoomOneWorldXZeroIsCentredAndTheGroundIs10PixelsUp) {
  World world(config(), nullptr);
  ResetCamera(world.camera, kSize);
  Blob* top = world.AddBlob(0, -100, 0, 0);
  Blob* bottom = world.AddBlob(0, -50, 0, 0);
  world.AddLink(top, bottom, 0);
  gfx::SurfaceBuffer screen(240, 320);
  SceneRenderer renderer(kSize, palette());
  renderer.Paint(world, screen.surface(), 0, 0, 0, flatLook(), false);

  const gfx::Surface& s = screen.surface();
  EXPECT_EQ(s.at(5, 309), kSky);
  EXPECT_EQ(s.at(5, 310), kBorder);  // the flat ground line, y 0
  EXPECT_EQ(s.at(5, 311), kEarth);
  EXPECT_EQ(s.at(5, 319), kEarth);
  EXPECT_EQ(s.at(120, 230), kLink);  // world (0, -80): the link, on the centre column
  EXPECT_EQ(s.at(119, 230), kSky);
  EXPECT_EQ(s.at(121, 230), kSky);
}

TEST(SceneView, FrozenLinksAndTheSceneOriginMoveWithTheDrawing) {
  World world(config(), nullptr);
  ResetCamera(world.camera, kSize);
  Blob* a = world.AddBlob(-20, -60, 0, 0);
  Blob* b = world.AddBlob(20, -60, 0, 1);  // a magic end freezes the link
  ASSERT_TRUE(world.AddLink(a, b, 0)->frozen);
  gfx::SurfaceBuffer screen(260, 340);
  SceneRenderer renderer(kSize, palette());
  renderer.Paint(world, screen.surface(), 20, 20, 0, flatLook(), false);
  EXPECT_EQ(screen.surface().at(20 + 120, 20 + 250), kFrozen);
  EXPECT_EQ(screen.surface().at(20 + 5, 20 + 310), kBorder);
}

TEST(CameraControl, ZoomKeepsTheBottomCentreAndRespectsItsLimits) {
  Camera c;
  ResetCamera(c, kSize);
  EXPECT_FLOAT_EQ(c.cameraX, -120.0f);
  EXPECT_FLOAT_EQ(c.cameraY, -310.0f);

  ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Minus);
  EXPECT_FLOAT_EQ(c.zoom, 0.9f);
  EXPECT_NEAR(c.cameraX + 120.0f / c.zoom, 0.0f, 1e-3);   // bottom centre still at x 0 ...
  EXPECT_NEAR(c.cameraY + 320.0f / c.zoom, 10.0f, 1e-3);  // ... and y 10
  EXPECT_FLOAT_EQ(c.targetZoom, 0.9f);
  EXPECT_FLOAT_EQ(c.savedZoom, 0.9f);

  for (int i = 0; i < 10; ++i)
    ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Minus);
  EXPECT_FLOAT_EQ(c.zoom, 0.4f);
  for (int i = 0; i < 10; ++i)
    ZoomAboutBottomCentre(c, kSize, 0.1f, ZoomKind::Plus);
  EXPECT_FLOAT_EQ(c.zoom, 1.0f);
  c.zoom = 0.32f;
  ZoomAboutBottomCentre(c, kSize, -0.05f, ZoomKind::Smooth);
  EXPECT_FLOAT_EQ(c.zoom, 0.3f);
  EXPECT_FLOAT_EQ(c.targetZoom, 1.0f);  // the animation leaves its target alone
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
  EXPECT_FLOAT_EQ(c.cameraX, before.cameraX);
  EXPECT_FLOAT_EQ(c.cameraY, before.cameraY);
  KeyPan(c, kSize, -1, 0, 10, 160);  // 110 px left of the centre: 2 % of it per key
  EXPECT_NEAR(c.cameraX, before.cameraX - 2.2f / 0.4f, 1e-3);
}

TEST(CameraControl, SmoothZoomWalksToTheTargetInFiftieths) {
  Camera c;
  ResetCamera(c, kSize);
  c.targetZoom = 0.5f;
  int steps = 0;
  while (SmoothZoomStep(c, kSize) && steps < 100)
    ++steps;
  EXPECT_EQ(steps, 10);
  EXPECT_NEAR(c.zoom, 0.5f, 1e-4);
  EXPECT_FALSE(SmoothZoomStep(c, kSize));
}

TEST(SceneView, CloudsDriftWithTheWindAndWrapAroundThreeWidths) {
  World world(config(), nullptr);
  ResetCamera(world.camera, kSize);
  world.wind.wind = 1.0f;
  SceneRenderer renderer(kSize, palette());
  renderer.AddCloud(479.0f, 100.0f, 1.0f, 40);
  renderer.AddCloud(-230.0f, 50.0f, -1.0f, -3);
  ASSERT_EQ(renderer.clouds()[0].sprite, 11);  // picture numbers are clamped
  EXPECT_EQ(renderer.clouds()[1].sprite, 0);
  EXPECT_FLOAT_EQ(renderer.clouds()[0].y, -100.0f);  // heights are given upwards

  gfx::SurfaceBuffer screen(240, 320);
  SceneLook look = flatLook();
  renderer.Paint(world, screen.surface(), 0, 0, 0, look, false);
  EXPECT_FLOAT_EQ(renderer.clouds()[0].x, 479.0f);  // clouds off: no drift
  look.cloudsOn = true;
  renderer.Paint(world, screen.surface(), 0, 0, 0, look, false);
  EXPECT_FLOAT_EQ(renderer.clouds()[0].x, 499.0f - 720.0f);   // past 2W: continues from x - 3W
  EXPECT_FLOAT_EQ(renderer.clouds()[1].x, -250.0f + 720.0f);  // past -W: from x + 3W
}

TEST(SceneView, EachFlagMarksTheHighestBlobOfItsBand) {
  World world(config(), nullptr);
  ResetCamera(world.camera, kSize);
  world.AddBlob(0, -50, 0, 0);
  world.AddBlob(10, -150, 0, 0);   // band 0's highest
  world.AddBlob(20, -250, 0, 0);   // band 1
  world.AddBlob(30, 40, 0, 0);     // below the ground line: no flag
  world.AddBlob(40, -4050, 0, 0);  // above the twentieth band: no flag
  gfx::SurfaceBuffer screen(240, 320);
  SceneRenderer renderer(kSize, palette());
  renderer.Paint(world, screen.surface(), 0, 0, 0, flatLook(), false);
  const auto& slots = renderer.flagSlots();
  EXPECT_FLOAT_EQ(slots[0].x, 10.0f);
  EXPECT_FLOAT_EQ(slots[0].y, -150.0f);
  EXPECT_FLOAT_EQ(slots[1].y, -250.0f);
  int used = 0;
  for (const auto& slot : slots)
    used += slot.y < 10000.0f;
  EXPECT_EQ(used, 2);
}

TEST(SceneView, FreeGoosAreBallsThatPulseInTheirColourOnlyInTheGameScene) {
  // R 8, pulse 0..2 (4 while falling): the radii swing about R by at most R / 6, so a goo is
  // never thinner than two thirds of its height. {pulse, horizontal, vertical radius}.
  const int cases[][3] = {{2, 9, 7}, {0, 7, 9}, {4, 9, 6}};
  for (const bool demo : {false, true}) {
    for (const auto& [pulse, rx, ry] : cases) {
      WorldConfig c = config();
      c.isDemo = demo;
      World world(c, nullptr);
      ResetCamera(world.camera, kSize);
      Goo goo;
      goo.x = 0;
      goo.y = -100;
      goo.pulse = static_cast<std::uint8_t>(pulse);
      world.AddGoo(goo);
      gfx::SurfaceBuffer screen(240, 320);
      SceneRenderer renderer(kSize, palette());
      renderer.Paint(world, screen.surface(), 0, 0, 0, flatLook(), false);
      const gfx::Surface& s = screen.surface();  // the goo's centre is at (120, 210)
      EXPECT_EQ(s.at(120 + rx, 210) == kGoo, !demo) << pulse;
      EXPECT_EQ(s.at(120, 210 + ry) == kGoo, !demo) << pulse;
      EXPECT_EQ(s.at(120 + rx + 2, 210), kSky) << pulse;
      EXPECT_EQ(s.at(120, 210 + ry + 2), kSky) << pulse;
      EXPECT_GE(3 * std::min(rx, ry), 2 * std::max(rx, ry));
    }
  }
}

}  // namespace
}  // namespace game
