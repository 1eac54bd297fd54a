// The world alone: one Update (forces, springs, integration, 50 free goos in unlimited mode) and
// one TestPlacement (the nearest-pair search over every blob) for towers of 50, 200 and 1,000
// blobs. Both walk whole lists, so their cost should grow linearly with the tower. Last, one frame
// of the demo world with its automatic player.
#include <benchmark/benchmark.h>

#include "fixtures/game/sample_tower.h"
#include "game/world/demo_player.h"
#include "game/world/world.h"

namespace {

game::WorldConfig benchConfig() {
  game::WorldConfig config;
  config.width = config.resX = 240;
  config.cellRadius1 = 8;
  config.linkSize = 2.0f;
  config.cellDynRadius = 4;
  return config;
}

void BM_WorldUpdate(benchmark::State& state) {
  const int blobs = static_cast<int>(state.range(0));
  game::World world(benchConfig(), nullptr);
  world.earth.GenerateDemoEarth(2, 240);
  world.mode = game::kModeUnlimited;
  testing_support::BuildTower(world, blobs);
  for (int i = 0; i < 50; ++i)
    world.Update();  // the goos arrive and start walking
  for (auto _ : state) {
    world.Update();
    benchmark::DoNotOptimize(world.towerTop);
  }
  state.counters["links"] = static_cast<double>(world.links().size());
  state.counters["goos"] = static_cast<double>(world.goos().size());
  state.SetComplexityN(blobs);
}
BENCHMARK(BM_WorldUpdate)->Arg(50)->Arg(200)->Arg(1000)->Arg(3000)->Complexity(benchmark::oN);

void BM_WorldTestPlacement(benchmark::State& state) {
  const int blobs = static_cast<int>(state.range(0));
  game::World world(benchConfig(), nullptr);
  world.earth.GenerateDemoEarth(2, 240);
  testing_support::BuildTower(world, blobs);
  const game::Blob* top = &world.blobs().front();
  for (const game::Blob& b : world.blobs()) {
    if (b.y < top->y) top = &b;
  }
  world.holding = 1;
  const auto sx = static_cast<std::int16_t>(top->x + 10.0f);
  const auto sy = static_cast<std::int16_t>(top->y - 25.0f);
  for (auto _ : state) {
    benchmark::DoNotOptimize(world.TestPlacement(sx, sy));
  }
  if (world.placement != 1) state.SkipWithError("the test point should allow a new blob");
  state.SetComplexityN(blobs);
}
BENCHMARK(BM_WorldTestPlacement)
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(3000)
    ->Complexity(benchmark::oN);

// One frame of the demo behind the menus: the world's step and the automatic player's (goos
// coming and climbing, a goo carried and placed, the world starting over now and then). It runs
// under every menu, so it must stay far below the frame time.
void BM_DemoFrame(benchmark::State& state) {
  game::World world(benchConfig(), nullptr);
  world.earth.GenerateDemoEarth(2, 240);
  game::DemoPlayer player(7);
  player.SetClearRow(240, 320);
  player.StartOver(world);
  for (auto _ : state) {
    world.Update();
    player.Step(world);
  }
  state.counters["built"] = static_cast<double>(player.built());
}
BENCHMARK(BM_DemoFrame);

}  // namespace
