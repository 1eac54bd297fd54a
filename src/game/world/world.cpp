#include "game/world/world.h"

#include "game/world/world_math.h"

namespace game {

World::World(const WorldConfig& config, WorldEvents* events)
    : constants_(computeWorldConstants(config)), events_(events), isDemo_(config.isDemo) {
  earth.configure(constants_.earthStep, config.earthColor, config.earthBorderColor);
}

void World::ClearLists() {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  goos_.clear();
  links_.clear();
  blobs_.clear();
  anchorA = anchorB = nullptr;
  lastBlob = nullptr;
  lastLink = nullptr;
  hoverGoo = nullptr;
  placement = 0;
}

void World::ResetConstruction(bool keepExperience) {
  holding = 0;
  keyDrag = 0;
  placement = 0;
  anchorA = anchorB = nullptr;
  critCountdown = 0;
  goosUsed = 0;
  lastBlob = nullptr;
  lastLink = nullptr;
  lastBlobMagic = 0;
  magicUndone = 0;
  hoverGoo = nullptr;
  recordStreak = 0;
  recordMark = 0;
  recordFlag = 0;
  if (!keepExperience) experiencePoints = 0;
  grounded = 0;
  bestTop = 0.0f;
  frameInSecond = 0;
  seconds = 0;
}

void World::SetResistanceFactor(float value) {
  constants_.linkStiffness = value;
  constants_.frozenLinkStiffness = 0.6f;
}

void World::SetKeyPointer(bool visible, std::int16_t sx, std::int16_t sy) {
  pointerVisible_ = visible;
  pointerX_ = sx;
  pointerY_ = sy;
}

void World::screenToWorld(float sx, float sy, float& wx, float& wy) const {
  wx = sx / camera.zoom + camera.cameraX;
  wy = sy / camera.zoom + camera.cameraY;
}

void World::worldToScreen(float wx, float wy, int& sx, int& sy) const {
  sx = truncToInt((wx - camera.cameraX) * camera.zoom);
  sy = truncToInt((wy - camera.cameraY) * camera.zoom);
}

float World::metres(float y) const {
  return -y / static_cast<float>(constants_.unitsPerMetre);
}

void World::playSample(const char* name) {
  if (!isDemo_ && events_ != nullptr) events_->PlaySample(name);
}

}  // namespace game
