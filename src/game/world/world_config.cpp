#include "game/world/world_config.h"

#include <algorithm>

namespace game {

WorldConstants computeWorldConstants(const WorldConfig& config) {
  WorldConstants c;
  const int w = std::max(config.width, 1);
  c.width = w;
  c.resX = std::max(config.resX, 1);
  c.cellRadius = config.connectType == 1 ? config.cellRadius2 : config.cellRadius1;
  c.magicRadius = static_cast<int>(c.cellRadius * 1.3);  // int times double, truncated
  c.cellRadiusSq = c.cellRadius * c.cellRadius;
  c.pickRange = 3 * c.cellRadius;
  c.linkReach = w * 100 / 480;
  c.shortestLink = w * 20 / 480;
  c.linkWidth = config.linkSize;
  c.pulseAmplitude = std::max(config.cellDynRadius, 0);
  c.pulseHalf = c.pulseAmplitude >> 1;
  c.gravity = static_cast<float>(w) * 0.000625f;
  c.walkStep = static_cast<float>(w) * 0.0020833334f;
  // A goo would never reach its target with a zero climb unit; W equals RES_X in practice.
  c.climbUnit = std::max(w / c.resX, 1);
  // groundHeightAt divides by S; screens narrower than 8 pixels would make it 0.
  c.earthStep = std::max(w * 64 / 480, 1);
  c.linkStiffness = 96.0f / static_cast<float>(w);
  c.frozenLinkStiffness = w == 480 ? 0.5f : 0.6f;
  c.unitsPerMetre = std::max(c.resX / 12, 1);
  return c;
}

}  // namespace game
