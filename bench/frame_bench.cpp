// The whole-frame benchmark without Google Benchmark, so the same work can be timed in a browser
// (`make web` builds it as build-web/bench.html) and natively: a tower of 200 blobs on the
// 240 by 320 screen, one world Update and one Paint per frame, as bench_scene's BM_SceneFrame.
// Prints the best of five runs of 500 frames, in milliseconds per frame.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "fixtures/game/sample_tower.h"
#include "game/scene/scene_renderer.h"
#include "gfx/surface.h"

int main() {
  constexpr int kBlobs = 200, kWidth = 240, kFrames = 500, kRuns = 5;
  const game::SceneSize size{kWidth, kWidth * 4 / 3};
  const game::WorldConfig config = testing_support::SampleConfig(kWidth);
  game::World world(config, nullptr);
  testing_support::MemorySource source = testing_support::SampleGooImages(config);
  game::ScenePalette palette;
  palette.link.fill(0x8410);
  game::SceneRenderer renderer(size, palette);
  game::ResetCamera(world.camera, size);
  world.earth.GenerateDemoEarth(2, kWidth);
  testing_support::BuildTower(world, kBlobs);
  renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
  game::SceneLook look;
  look.cloudsOn = true;
  look.multicolorOn = true;
  gfx::SurfaceBuffer screen(size.width, size.height);

  std::uint32_t time = 0;
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
      world.Update();
      renderer.Paint(world, screen.surface(), 0, 0, time += 40, look, false);
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kFrames);
  }
  std::printf("whole frame, %d blobs, %d x %d: %.3f ms (%zu blobs, %zu links, pixel %04x)\n",
              kBlobs, size.width, size.height, best, world.blobs().size(), world.links().size(),
              static_cast<unsigned>(screen.pixels()[size.width * size.height / 2]));
  return 0;
}
