#include "game/modes/experience_shop.h"

namespace game {

ShopHints ExperienceHints(const World& world) {
  return ShopHints{std::to_string(world.experiencePoints), world.wind.noWindTicks > 0 ? "1" : "0",
                   world.mode == kModeUnlimited ? "0" : "1"};
}

void FreezeBelow(World& world, int heightMetres, int resX) {
  const double line = static_cast<double>(resX) * 0.08333333333333333 * -heightMetres;
  const int lineY = static_cast<int>(line);
  for (Link& link : world.links()) {
    if (link.a->y > static_cast<float>(lineY) || link.b->y > static_cast<float>(lineY)) {
      link.frozen = 1;
    }
  }
}

bool ApplyPurchase(World& world, int answer, int& frozenHeight, int resX) {
  switch (answer) {
    case kBuyCalmWind:
      world.wind.noWindTicks = 60;
      world.wind.wind = 0.0f;
      world.experiencePoints -= 5;
      return true;
    case kBuyMoreGoos:
      world.gooLimit += 5;
      world.experiencePoints -= 10;
      return true;
    case kBuyFreeze:
      frozenHeight += 5;
      FreezeBelow(world, frozenHeight, resX);
      // A frozen magic blob is part of the tower for good.
      if (world.lastBlob != nullptr && world.lastBlob->magic) world.lastBlob = nullptr;
      world.experiencePoints -= 20;
      return true;
    case kBuyMagicGoo:
      world.SpawnMagicGoo();
      world.gooLimit += 1;
      world.experiencePoints -= 15;
      return true;
    default:
      return false;
  }
}

}  // namespace game
