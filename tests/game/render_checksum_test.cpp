// The rendered frames of a known world are pinned by checksums, so that an optimisation of the
// renderer or of the step that changes a single pixel shows up. After an intended change of the
// picture, replace the constants with the values this test prints.
#include <gtest/gtest.h>

#include <cstdint>

#include "fixtures/game/sample_tower.h"
#include "game/scene/scene_renderer.h"
#include "gfx/surface.h"

namespace {

// FNV-1a over every frame's pixels, 60 frames of a swaying 120-blob tower.
std::uint64_t renderChecksum(int width, int backgroundType, int connectType, bool multicolour) {
  const game::SceneSize size{width, width * 4 / 3};
  const game::WorldConfig config = testing_support::SampleConfig(width);
  game::World world(config, nullptr);
  game::ResetCamera(world.camera, size);
  world.earth.GenerateDemoEarth(2, width);
  testing_support::BuildTower(world, 120);
  testing_support::MemorySource source = testing_support::SampleGooImages(config);
  game::ScenePalette palette;
  for (std::size_t i = 0; i < palette.link.size(); ++i)
    palette.link[i] = static_cast<std::uint16_t>(0x8410 + 0x0841 * i);
  game::SceneRenderer renderer(size, palette);
  renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
  game::SceneLook look;
  look.backgroundType = backgroundType;
  look.connectType = connectType;
  look.multicolorOn = multicolour;
  gfx::SurfaceBuffer screen(size.width, size.height);
  std::uint64_t hash = 1469598103934665603ull;
  std::uint32_t time = 0;
  for (int frame = 0; frame < 60; ++frame) {
    world.Update();
    renderer.Paint(world, screen.surface(), 0, 0, time += 40, look, false);
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
  const Case cases[] = {
      {240, 0, 0, false, 0x2a4c8d636c7e489eull},
      {240, 1, 1, false, 0x4d186197a3f0d934ull},
      {480, 0, 2, true, 0x8e4944c1a81a4dd1ull},
  };
  for (const Case& c : cases) {
    const std::uint64_t hash = renderChecksum(c.width, c.background, c.connect, c.multicolour);
    EXPECT_EQ(hash, c.expected) << "width " << c.width << ", background " << c.background
                                << ", links " << c.connect << ": 0x" << std::hex << hash;
  }
#else
  GTEST_SKIP() << "float contraction may differ on this target";
#endif
}

}  // namespace
