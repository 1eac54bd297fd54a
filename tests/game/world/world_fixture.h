// Shared set-up for the world tests: a recording WorldEvents and a 240-wide world on flat ground.
#pragma once

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "game/world/world.h"

namespace game::testing {

/// Records every call the world makes to the outside, in order.
class RecordingEvents : public WorldEvents {
 public:
  void PlaySample(std::string_view name) override { samples.emplace_back(name); }
  void CulminateHeight(float height, int blobCount) override {
    std::tie(culminateHeight, culminateBlobs) = std::tuple(height, blobCount);
    ++culminateCalls;
  }
  void EnableCulminate() override { ++enableCalls; }
  void ShowMaxHeight(float metres, int x, int y) override { maxHeights.emplace_back(metres, x, y); }
  void ShowExperience(std::string_view bonus, int total, int, int y, int param) override {
    experience.emplace_back(bonus, total, y, param);
  }
  void CheckGameRules() override { ++ruleChecks; }

  int count(const std::string& name) const {
    return static_cast<int>(std::count(samples.begin(), samples.end(), name));
  }

  std::vector<std::string> samples;
  std::vector<std::tuple<float, int, int>> maxHeights;             // metres, x, y
  std::vector<std::tuple<std::string, int, int, int>> experience;  // bonus, total, y, param
  float culminateHeight = -1.0f;
  int culminateBlobs = -1, culminateCalls = 0, enableCalls = 0, ruleChecks = 0;
};

/// The 240 by 320 game scene's values: R = 8, D = 4. Derived: reach 50, shortest link 10,
/// pick range 24, gravity 0.15, walk step 0.5, earth step 32.
inline WorldConfig smallConfig(bool demo = false) {
  return {
      .cellRadius1 = 8, .cellRadius2 = 10, .linkSize = 2.0f, .cellDynRadius = 4, .isDemo = demo};
}

/// A game-scene world on flat ground (y = 0 everywhere) that reports to `events`.
struct WorldTest {
  RecordingEvents events;
  World world{smallConfig(), &events};

  /// Puts a free goo at (x, y) and takes it into the hand; the camera is the identity, so the
  /// screen point equals the world point.
  void hold(float x, float y, std::uint16_t color = 0, std::uint8_t magic = 0) {
    world.AddGoo({.x = x, .y = y, .magic = magic, .colorIndex = color});
    world.PickGoo(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
  }
};

}  // namespace game::testing
