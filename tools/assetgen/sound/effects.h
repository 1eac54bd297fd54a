// The game's sound effects: one voice per goo colour for catching, dropping and landing, and
// the tower's own sounds.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace assetgen {

inline constexpr int kEffectRate = 22050;

/// Every effect by its entry name ("catch1.wav" ...), as samples in -1..1 at kEffectRate:
/// faded in and out, equally loud over their loudest 50 ms (LoudestRms) and peaking below 0.95.
std::map<std::string, std::vector<float>> SynthesiseEffects();

}  // namespace assetgen
