// Wind: the horizontal push added to every blob's speed each frame, stepped through a fixed
// table of 40 entries (hundredths of a pixel per frame).
#pragma once

#include <array>
#include <cstdint>

namespace game {

inline constexpr std::array<int, 40> kWindTable = {
    1,  1,  2,  3,  2,  3, 2, 1, -1, -1, -2, -3, -2, -1, -1, -2, -3, -2, -3, -2,
    -3, -2, -3, -2, -1, 1, 1, 2, 3,  2,  3,  2,  1,  -1, -1, -2, -3, -2, -3, -2};

struct Wind {
  float wind = 0.0f;             ///< current push per frame
  std::int32_t windIndex = 0;    ///< position in kWindTable
  std::int32_t windTimer = 0;    ///< seconds until the next change
  std::int32_t noWindTicks = 0;  ///< changes still to be skipped (bought calm)

  /// Advances to the next table entry, or uses up one skipped change while noWindTicks > 0.
  void ChangeWind();
};

}  // namespace game
