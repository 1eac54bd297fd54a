// WorldEvents: everything a world tells the outside while it steps and builds: sound samples and
// the game screen's three message controls ("EiffelText", "mMaxHeight", "ExpIcon"), plus the hook
// where the game rules run inside a frame. The scene implements it; tests record it. Every call
// has an empty default so an implementation overrides only what it shows.
#pragma once

#include <string_view>

namespace game {

class WorldEvents {
 public:
  virtual ~WorldEvents() = default;

  /// Plays the named sample ("twdown.wav", ...). Only the game scene's world calls it.
  virtual void PlaySample(std::string_view name) { (void)name; }

  /// "EiffelText": the tower's height in world pixels (-towerTop) and the number of blobs.
  virtual void CulminateHeight(float height, int blobCount) {
    (void)height;
    (void)blobCount;
  }
  /// "EiffelText": enabled every frame in which the tower stands on the ground.
  virtual void EnableCulminate() {}

  /// "mMaxHeight": a new height record, in metres, at the blob's screen point.
  virtual void ShowMaxHeight(float metres, int screenX, int screenY) {
    (void)metres;
    (void)screenX;
    (void)screenY;
  }
  /// "ExpIcon": a paid streak bonus (decimal text), the new total of experience points, the
  /// blob's screen point and the icon's parameter (always 8).
  virtual void ShowExperience(std::string_view bonusText, int total, int screenX, int screenY,
                              int param) {
    (void)bonusText;
    (void)total;
    (void)screenX;
    (void)screenY;
    (void)param;
  }

  /// The per-frame rule check of the game modes, run after the goos moved (game scene only).
  virtual void CheckGameRules() {}
};

}  // namespace game
