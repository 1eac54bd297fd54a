// A whole frame of the game scene's world: one Update and one Paint, for towers of 50, 200,
// 1,000 and 3,000 blobs on the 240 by 320 and the 480 by 640 screen (the scene the render
// checksum test pins). Goo images are real 2R-square pictures resampled as in the game. And the
// game's own work for one picture between two frames: the last frame copied into the window's
// buffer (which the renderer takes as it is), the blend of the two frames and the scene's paint.
#include <benchmark/benchmark.h>

#include <cstring>

#include "fixtures/game/sample_tower.h"
#include "game/scene/scene_renderer.h"
#include "gfx/surface.h"

namespace {

// The benchmarks' scene: a tower of `blobs` on a screen `width` pixels wide, clouds on, every
// goo colour in use.
struct BenchScene {
  BenchScene(int blobs, int width)
      : size{width, width * 4 / 3},
        config(testing_support::SampleConfig(width)),
        world(config, nullptr),
        source(testing_support::SampleGooImages(config)),
        renderer(size, linkPalette()) {
    game::ResetCamera(world.camera, size);
    world.earth.GenerateDemoEarth(2, width);
    testing_support::BuildTower(world, blobs);
    renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
    look.cloudsOn = true;
    look.multicolorOn = true;
  }
  static game::ScenePalette linkPalette() {
    game::ScenePalette palette;
    palette.link.fill(0x8410);
    return palette;
  }
  game::SceneSize size;
  game::WorldConfig config;
  game::World world;
  testing_support::MemorySource source;
  game::SceneRenderer renderer;
  game::SceneLook look;
};

void BM_SceneFrame(benchmark::State& state) {
  BenchScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  auto& [size, config, world, source, renderer, look] = scene;
  gfx::SurfaceBuffer screen(size.width, size.height);
  std::uint32_t time = 0;
  for (auto _ : state) {
    world.Update();
    renderer.Paint(world, screen.surface(), 0, 0, time += 40, look, false);
    benchmark::DoNotOptimize(screen.pixels().data());
  }
  state.SetLabel(std::to_string(world.blobs().size()) + " blobs, " +
                 std::to_string(world.links().size()) + " links");
}
BENCHMARK(BM_SceneFrame)
    ->ArgsProduct({{50, 200, 1000, 3000}, {240, 480}})
    ->ArgNames({"blobs", "width"})
    ->Unit(benchmark::kMicrosecond);

void BM_PictureBetweenFrames(benchmark::State& state) {
  BenchScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  auto& [size, config, world, source, renderer, look] = scene;
  gfx::SurfaceBuffer frame(size.width, size.height);
  gfx::SurfaceBuffer window(size.width, size.height);
  for (int i = 0; i < 2; ++i) {
    world.Update();
    world.camera.cameraX += 3.0f;  // the view scrolls as well
    renderer.Paint(world, frame.surface(), 0, 0, 40, look, false);
  }
  float t = 0.0f;
  for (auto _ : state) {
    t = t >= 0.9f ? 0.1f : t + 0.2f;
    std::memcpy(window.pixels().data(), frame.pixels().data(), window.pixels().size() * 2);
    renderer.PaintBetween(world, window.surface(), 0, 0, 40, look, t, nullptr);
    benchmark::DoNotOptimize(window.pixels().data());
  }
  state.SetLabel(std::to_string(world.blobs().size()) + " blobs");
}
BENCHMARK(BM_PictureBetweenFrames)
    ->ArgsProduct({{200}, {240, 480}})
    ->ArgNames({"blobs", "width"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
