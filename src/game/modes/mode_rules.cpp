#include "game/modes/mode_rules.h"

#include <cmath>
#include <cstdlib>

#include "util/c_text.h"

namespace game {
namespace {

std::int32_t truncToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return 2147483647;
  if (value <= -2147483648.0) return -2147483647 - 1;
  return static_cast<std::int32_t>(value);
}

}  // namespace

double HeightMetres(double y, int resX) {
  // Adding 0.0 turns -0.0 into 0.0, so a tower of no height never shows as "-0.00".
  return -y / (static_cast<double>(resX) * 0.08333333333333333) + 0.0;
}

RecordResult ClassicRecord(float towerTop, int resX) {
  return RecordResult{truncToInt32(-static_cast<double>(towerTop)),
                      util::formatFixed(HeightMetres(towerTop, resX), 2) + "m"};
}

RecordResult RelayRecord(int level, float towerTop, int resX) {
  const std::int32_t score =
      truncToInt32(static_cast<double>(level) * 200.0 - truncToInt32(towerTop));
  return RecordResult{score, "L" + std::to_string(level) + " " +
                                 util::formatFixed(HeightMetres(towerTop, resX), 2) + "m"};
}

RecordResult UnlimitedRecord(float bestTop, int resX) {
  return RecordResult{truncToInt32(-static_cast<double>(bestTop)),
                      util::formatFixed(HeightMetres(bestTop, resX), 2) + "m"};
}

RelayTransition ComputeRelayTransition(int level, double heightMetres, int targetMetres,
                                       int freeGoos, const std::vector<RelayLevel>& levels) {
  RelayTransition t;
  const int whole = truncToInt32(heightMetres);
  t.failed = level > 0 && whole < targetMetres;
  t.levelTime = (level + 6) * 10;
  // The share by which the target was beaten (or missed). A level without a positive target
  // has no share: its ratio stays 1.
  if (level > 0 && targetMetres > 0) {
    t.ratio = static_cast<double>(whole - targetMetres) / targetMetres + 1.0;
  }
  const double e = t.ratio - 1.0;
  const bool known = level >= 0 && level < static_cast<int>(levels.size());
  const int levelGoos = known ? levels[level].goos : 0;
  t.targetMetres = known ? levels[level].targetMetres : 0;
  const int levelShare = truncToInt32(levelGoos * e);
  const int freeShare = truncToInt32(freeGoos * e);
  t.goosFreeText = std::to_string(levelGoos) + (t.ratio < 1.0 ? " - " : " + ") +
                   std::to_string(std::abs(levelShare)) + " + " +
                   std::to_string(freeShare + freeGoos);
  t.gooLimit = levelGoos + freeGoos + freeShare + levelShare;
  t.levelGoos = levelGoos;
  t.bonusGoos = levelShare + freeShare;
  t.nextLevel = !t.failed && level < static_cast<int>(levels.size());
  return t;
}

}  // namespace game
