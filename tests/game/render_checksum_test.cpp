// The rendered frames of a known world are pinned by checksums, so that an optimisation of the
// renderer or of the step that changes a single pixel shows up. After an intended change of the
// picture, replace the constants with the values this test prints.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "game/scene/camera_control.h"
#include "game/scene/scene_renderer.h"
#include "game/world/world.h"
#include "gfx/images/entry_source.h"
#include "gfx/surface.h"

namespace {

class MemorySource final : public gfx::EntrySource {
 public:
  std::span<const std::byte> find(std::string_view name) override {
    auto it = entries.find(std::string(name));
    return it == entries.end() ? std::span<const std::byte>{} : it->second;
  }
  std::map<std::string, std::vector<std::byte>> entries;
};

void put(std::vector<std::byte>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::byte>((v >> (8 * i)) & 0xFF));
}

// A .sft goo image: a ball with a translucent rim and a highlight.
std::vector<std::byte> ballPicture(int side, std::uint32_t rgb) {
  std::vector<std::byte> out;
  put(out, static_cast<std::uint32_t>(side), 2);
  put(out, static_cast<std::uint32_t>(side), 2);
  const float c = (side - 1) / 2.0f, r = side / 2.0f;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const float d = std::hypot(x - c, y - c) / r;
      std::uint32_t p = 0;
      if (d < 1.0f) p = (d > 0.85f ? 0x80000000u : 0xFF000000u) | rgb;
      if (d < 0.3f && x < c && y < c) p = 0xFFFFFFFFu;
      put(out, p, 4);
    }
  return out;
}

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

// FNV-1a over every frame's pixels, 60 frames of a swaying 120-blob tower.
std::uint64_t renderChecksum(int width, int backgroundType, int connectType, bool multicolour) {
  const game::SceneSize size{width, width * 4 / 3};
  game::WorldConfig config;
  config.width = config.resX = width;
  config.cellRadius1 = width * 8 / 240;
  config.linkSize = static_cast<float>(width) / 240.0f * 2.0f;
  config.cellDynRadius = 4;
  game::World world(config, nullptr);
  game::ResetCamera(world.camera, size);
  world.earth.GenerateDemoEarth(2, width);
  buildTower(world, 120);

  MemorySource source;
  for (int i = 0; i < 5; ++i)
    source.entries["gooimage" + std::to_string(i) + ".sft"] =
        ballPicture(2 * config.cellRadius1, 0x203040u * (i + 1));
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
      {240, 0, 0, false, 0xeb23a780e07a43deull},
      {240, 1, 1, false, 0x887c13e155130265ull},
      {480, 0, 2, true, 0xeaa9830fefe55447ull},
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
