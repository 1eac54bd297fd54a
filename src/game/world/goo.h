// Goo: a free ball that falls, crawls over the ground and climbs the tower until it is picked.
#pragma once

#include <cstdint>

namespace game {

struct Blob;
struct Link;

struct Goo {
  float x = 0.0f;  ///< position, world pixels
  float y = 0.0f;
  float vy = 0.0f;         ///< falling speed per frame (free goos have no horizontal speed)
  Link* link = nullptr;    ///< link being climbed, or null
  Blob* target = nullptr;  ///< end of `link` the goo heads for; set whenever link is set
  std::uint8_t pulse = 0;  ///< squash of its shape, 0..D/2 (4 while falling)
  std::uint8_t magic = 0;
  std::uint16_t colorIndex = 0;   ///< 0..4
  std::uint16_t strayFrames = 0;  ///< frames in a row spent out of the player's reach
};

}  // namespace game
