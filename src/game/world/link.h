// Link: an elastic connection between two blobs, stored once in the world's link list and
// referenced from both end blobs' link lists.
#pragma once

#include <cstdint>

namespace game {

struct Blob;

struct Link {
  Blob* a = nullptr;             ///< first end (never null while the link is in the list)
  Blob* b = nullptr;             ///< second end
  float restLength = 0.0f;       ///< length at creation, normalised to a 480-wide screen
  std::uint16_t colorIndex = 0;  ///< 0..4, colour of the goo that made it
  std::uint8_t frozen = 0;       ///< uses the frozen stiffness

  /// The end that is not `end` (b when end is neither).
  Blob* otherEnd(const Blob* end) const { return end == a ? b : a; }
};

}  // namespace game
