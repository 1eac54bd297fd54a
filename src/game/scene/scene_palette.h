// ScenePalette: the colours a scene draws with, read once from the application variables that
// init.scr sets. Each variable holds a 24-bit 0xRRGGBB value in decimal; a missing one is 0
// (black).
#pragma once

#include <array>
#include <cstdint>

namespace script {
class VariableTable;
}

namespace game {

/// Colour pairs and goo images come in this many colours.
inline constexpr int kColorCount = 5;

struct ScenePalette {
  std::array<std::uint16_t, kColorCount> blob{};  // "BLOB_COLOR1" .. "BLOB_COLOR5"
  std::array<std::uint16_t, kColorCount> link{};  // "LINK_COLOR1" .. "LINK_COLOR5"
  std::uint16_t magicBlob = 0;                    // "MAGIC_BLOB_COLOR"
  std::uint16_t frozenLink = 0;                   // "FROZEN_LINK_COLOR"
  std::uint16_t sky = 0;                          // "SKY_COLOR"
  std::uint16_t unfixedLink = 0;                  // "UNFIXED_LINK_COLOR"
  std::uint16_t earth = 0;                        // "EARTH_COLOR"
  std::uint16_t earthBorder = 0;                  // "EARTH_BORDER_COLOR"
};

/// Reads every colour of the palette from the application variables.
ScenePalette ReadScenePalette(const script::VariableTable& variables);

/// A colour variable as RGB565 (0 when missing).
std::uint16_t ColorVariable(const script::VariableTable& variables, const char* name);

}  // namespace game
