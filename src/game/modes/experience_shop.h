// The experience shop's purchases: calm wind, more goos, freezing the lower part of the tower
// and a magic goo, each paid for with experience points. The shop itself is a message form
// run by the game scene; this is what its answer does to the world.
#pragma once

#include <string>

#include "game/world/world.h"

namespace game {

enum ShopAnswer { kBuyCalmWind = 1, kBuyMoreGoos = 2, kBuyFreeze = 3, kBuyMagicGoo = 4 };

/// The texts the shop's script reads before it opens.
struct ShopHints {
  std::string currentExp;  // "CurrentExp": the points
  std::string noWind;      // "NoWind": "1" while changes of wind are being skipped
  std::string needBlobs;   // "NeedBlobs": "0" in the unlimited mode, else "1"
};
ShopHints ExperienceHints(const World& world);

/// Applies answer 1..4 and subtracts its cost (5, 10, 20, 15) from the points without a check:
/// the shop's script offers only what the points allow. Other answers change nothing; the
/// result says whether a purchase was made. frozenHeight (metres) grows by 5 with a freeze.
bool ApplyPurchase(World& world, int answer, int& frozenHeight, int resX);

/// Freezes every link with an end strictly below the world y of heightMetres.
void FreezeBelow(World& world, int heightMetres, int resX);

}  // namespace game
