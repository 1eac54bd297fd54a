#include "game/world/wind.h"

namespace game {

void Wind::ChangeWind() {
  if (noWindTicks > 0) {
    noWindTicks -= 1;
    return;
  }
  windIndex += 1;
  if (windIndex >= static_cast<std::int32_t>(kWindTable.size()) || windIndex < 0) windIndex = 0;
  wind = static_cast<float>(kWindTable[static_cast<std::size_t>(windIndex)] * 0.01);
}

}  // namespace game
