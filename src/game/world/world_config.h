// Tuning values a world reads once when its scene is set up, and the constants derived from them.
// The scene fills WorldConfig from the application variables and options; the world never reads
// them by name itself, so it can be built and tested alone.
#pragma once

#include <cstdint>

namespace game {

/// What the scene hands a world at initialisation. Values missing from the start-up script are 0.
struct WorldConfig {
  int width = 240;                     ///< W: scene width in pixels (equal to RES_X)
  int resX = 240;                      ///< RES_X from the start-up script (240 or 480)
  int cellRadius1 = 0;                 ///< "CELL_RADIUS1"
  int cellRadius2 = 0;                 ///< "CELL_RADIUS2", used when ConnectType is 1
  int connectType = 0;                 ///< option ConnectType at initialisation
  float linkSize = 0.0f;               ///< "LINK_SIZE"
  int cellDynRadius = 0;               ///< "CELL_DYN_RADIUS": pulse amplitude D
  std::uint16_t earthColor = 0;        ///< "EARTH_COLOR" as RGB565
  std::uint16_t earthBorderColor = 0;  ///< "EARTH_BORDER_COLOR" as RGB565
  bool isDemo = false;  ///< a still world, decoration only: no goos, picks, sounds or game rules
};

/// Constants derived from a WorldConfig (integer division truncates toward zero).
struct WorldConstants {
  int width = 240;
  int resX = 240;
  int cellRadius = 0;                ///< R
  int magicRadius = 0;               ///< trunc(R * 1.3)
  int cellRadiusSq = 0;              ///< R * R
  int pickRange = 0;                 ///< 3 * R, in x and in y separately
  int linkReach = 0;                 ///< W * 100 / 480
  int shortestLink = 0;              ///< W * 20 / 480
  float linkWidth = 0.0f;            ///< LINK_SIZE
  int pulseAmplitude = 0;            ///< D
  int pulseHalf = 0;                 ///< D >> 1
  float gravity = 0.0f;              ///< added to vertical speed each frame
  float walkStep = 0.0f;             ///< ground walking speed per frame
  int climbUnit = 1;                 ///< W / RES_X, at least 1
  int earthStep = 1;                 ///< S = W * 64 / 480, at least 1
  float linkStiffness = 0.0f;        ///< 96 / W
  float frozenLinkStiffness = 0.6f;  ///< 0.5 at W = 480, else 0.6
  int unitsPerMetre = 20;            ///< RES_X / 12, at least 1
};

/// Computes the derived constants. Degenerate inputs (a zero width or RES_X) are raised to the
/// smallest value that keeps every later division defined.
WorldConstants computeWorldConstants(const WorldConfig& config);

}  // namespace game
