#include "game/world/tower_builder.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "game/world/world.h"

namespace game {

void BuildTestTower(World& world, int blobCount) {
  const int w = world.constants().width;
  const int spacing = w * 24 / 240;
  const int rise = w * 21 / 240;
  const float reach = static_cast<float>(w * 30 / 240);
  std::vector<Blob*> below;
  int made = 0;
  for (int row = 0; made < blobCount; ++row) {
    std::vector<Blob*> current;
    for (int col = 0; col < 5 && made < blobCount; ++col, ++made) {
      const int x = (col - 2) * spacing + (row % 2) * spacing / 2;
      const int y = world.groundHeightAt(x) - row * rise;
      const auto color = static_cast<std::uint16_t>((row + col) % 5);
      Blob* blob =
          world.AddBlob(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), color, 0);
      if (!current.empty()) world.AddLink(blob, current.back(), color);
      for (Blob* other : below) {
        if (std::fabs(other->x - blob->x) < reach) world.AddLink(blob, other, color);
      }
      current.push_back(blob);
    }
    below = std::move(current);
  }
}

}  // namespace game
