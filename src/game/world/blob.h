// Blob: one ball of the tower. Blobs live in the world's blob list, whose elements never move,
// so links and goos may hold plain pointers to them; the world clears those pointers before it
// removes a blob.
#pragma once

#include <cstdint>
#include <vector>

namespace game {

struct Link;

struct Blob {
  float x = 0.0f;  ///< position, world pixels
  float y = 0.0f;
  float vx = 0.0f;  ///< velocity, world pixels per frame
  float vy = 0.0f;
  std::vector<Link*> links;      ///< links touching this blob (owned by the world's link list)
  std::uint8_t magic = 0;        ///< made from a magic goo
  std::uint16_t colorIndex = 0;  ///< 0..4
  std::uint32_t id = 0;          ///< unique within its world, from 1; never reused
};

}  // namespace game
