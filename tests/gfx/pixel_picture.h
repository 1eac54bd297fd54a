// Test helpers: a surface drawn as text, one character a pixel, so that expected shapes can be
// written as pictures.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "gfx/surface.h"

namespace gfx::testing {

/// Rows top to bottom joined by '\n'; pixels equal to background are '.', pixels whose colour
/// is in legend are its letter, anything else '?'.
inline std::string picture(const Surface& s, std::uint16_t background,
                           const std::map<std::uint16_t, char>& legend) {
  std::string out;
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      const std::uint16_t p = s.at(x, y);
      if (p == background) {
        out += '.';
      } else {
        const auto it = legend.find(p);
        out += it == legend.end() ? '?' : it->second;
      }
    }
    out += '\n';
  }
  return out;
}

/// Number of pixels of the given colour.
inline int countColour(const Surface& s, std::uint16_t colour) {
  int n = 0;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      n += s.at(x, y) == colour;
  return n;
}

/// The one drawing colour of most tests, and their picture with it as '#'.
inline constexpr std::uint16_t kInk = 0x1234;
inline std::string pic(const SurfaceBuffer& b) {
  return picture(b.surface(), 0, {{kInk, '#'}});
}

}  // namespace gfx::testing
