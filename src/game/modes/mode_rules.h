// The arithmetic of the game modes: heights in metres, the results handed to the record book,
// and the relay level transition's goo accounting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/modes/level_list.h"

namespace game {

inline constexpr int kModeClassic = 1;
inline constexpr int kModeRelay = 2;
// kModeUnlimited (4) is declared with the world.

/// Height in metres of world y: -y / (RES_X / 12), in double precision.
double HeightMetres(double y, int resX);

/// What a finished game hands the record book.
struct RecordResult {
  std::int32_t score = 0;
  std::string text;
};

/// Classic: the height standing at the end, "%3.2fm".
RecordResult ClassicRecord(float towerTop, int resX);
/// Relay: level x 200 - trunc(towerTop), "L%d %3.2fm".
RecordResult RelayRecord(int level, float towerTop, int resX);
/// Unlimited: the best height reached, "%3.2fm".
RecordResult UnlimitedRecord(float bestTop, int resX);

/// The outcome of a relay level transition from level L (0 announces the first level).
struct RelayTransition {
  bool failed = false;       // L > 0 and the target was missed
  bool nextLevel = false;    // a further level is played (else the game ends)
  double ratio = 1.0;        // height / target (1 for the announcement)
  int levelTime = 0;         // (L + 6) x 10
  int gooLimit = 0;          // the next level's goos with the carried-over share
  int targetMetres = 0;      // the next level's target (0 when there is none)
  std::string goosFreeText;  // "GoosFree": "level - n + m" or "level + n + m"
  int levelGoos = 0;         // the next level's own goos
  int bonusGoos = 0;         // the goos won (or lost) by the share the target was beaten by
};

/// Computes a transition: heightMetres is the tower's height now, targetMetres the current
/// level's target, freeGoos the goos left in the world. Levels past the table give a target of
/// 0 and no goos, and the game ends.
RelayTransition ComputeRelayTransition(int level, double heightMetres, int targetMetres,
                                       int freeGoos, const std::vector<RelayLevel>& levels);

}  // namespace game
