#include "game/scene_sound.h"

#include <array>

namespace game {

std::span<const std::string> GameSceneSamples() {
  static const std::array<std::string, 21> kSamples = {
      "catch1.wav",     "catch2.wav",     "catch3.wav",     "catch4.wav",     "catch5.wav",
      "critsize.wav",   "drop1.wav",      "drop2.wav",      "drop3.wav",      "drop4.wav",
      "drop5.wav",      "googround1.wav", "googround2.wav", "googround3.wav", "googround4.wav",
      "googround5.wav", "linkleft.wav",   "linkplaced.wav", "maxresist.wav",  "start.wav",
      "twdown.wav"};
  return kSamples;
}

}  // namespace game
