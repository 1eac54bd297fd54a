// A whole frame of the game scene's world: one Update and one Paint, for towers of 50, 200,
// 1,000 and 3,000 blobs on the 240 by 320 and the 480 by 640 screen. Goo images are real 2R-square
// run-stream pictures, so the blob blits cost what they cost in the game.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <string>

#include "game/scene/camera_control.h"
#include "game/scene/scene_renderer.h"
#include "gfx/images/entry_source.h"
#include "gfx/surface.h"
#include "lib/argb_image.h"
#include "lib/picture_encoders.h"

namespace {

class MemorySource final : public gfx::EntrySource {
 public:
  std::span<const std::byte> find(std::string_view name) override {
    auto it = entries.find(std::string(name));
    return it == entries.end() ? std::span<const std::byte>{} : it->second;
  }
  std::map<std::string, std::vector<std::byte>> entries;
};

// A shaded ball with a soft edge, as the goo images are.
tools::ArgbImage ball(int side, std::uint32_t rgb) {
  tools::ArgbImage image(side, side);
  const float c = (side - 1) / 2.0f, r = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const float d = std::hypot(x - c, y - c) / r;
      if (d < 1.0f) image.at(x, y) = (d > 0.85f ? 0x80000000u : 0xFF000000u) | rgb;
    }
  return image;
}

// Rows of five blobs, 24 world units apart, each joined to its neighbours below.
void buildTower(game::World& world, int blobs) {
  std::vector<game::Blob*> below;
  for (int row = 0; static_cast<int>(world.blobs().size()) < blobs; ++row) {
    std::vector<game::Blob*> current;
    for (int col = 0; col < 5 && static_cast<int>(world.blobs().size()) < blobs; ++col) {
      const auto x = static_cast<std::int16_t>((col - 2) * 24 + (row % 2) * 12);
      const auto y = static_cast<std::int16_t>(-20 - row * 21);
      game::Blob* blob = world.AddBlob(x, y, static_cast<std::uint16_t>((row + col) % 5), 0);
      if (!current.empty()) world.AddLink(blob, current.back(), blob->colorIndex);
      for (game::Blob* b : below)
        if (std::abs(b->x - blob->x) < 30.0f) world.AddLink(blob, b, blob->colorIndex);
      current.push_back(blob);
    }
    below = current;
  }
}

void BM_SceneFrame(benchmark::State& state) {
  const int width = static_cast<int>(state.range(1));
  const game::SceneSize size{width, width * 4 / 3};
  game::WorldConfig config;
  config.width = config.resX = width;
  config.cellRadius1 = width * 8 / 240;
  config.linkSize = static_cast<float>(width) / 240.0f * 2.0f;
  config.cellDynRadius = 4;
  game::World world(config, nullptr);
  game::ResetCamera(world.camera, size);
  world.earth.GenerateDemoEarth(2, width);
  buildTower(world, static_cast<int>(state.range(0)));

  MemorySource source;
  const int side = 2 * config.cellRadius1;
  for (int i = 0; i < 5; ++i) {
    source.entries["gooimage" + std::to_string(i) + ".sft"] =
        *tools::encodeSft(ball(side, 0x203040u * (i + 1)));
  }
  game::ScenePalette palette;
  palette.link.fill(0x8410);
  game::SceneRenderer renderer(size, palette);
  renderer.LoadZoomedSprites(source, world.constants().cellRadius, 1.0f);
  game::SceneLook look;
  look.cloudsOn = true;
  look.multicolorOn = true;
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

}  // namespace
