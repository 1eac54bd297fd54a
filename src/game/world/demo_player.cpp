#include "game/world/demo_player.h"

#include <algorithm>
#include <cmath>

#include "game/world/world_math.h"

namespace game {
namespace {

const Blob* highestBlob(const World& world) {
  const Blob* top = nullptr;
  for (const Blob& blob : world.blobs()) {
    if (top == nullptr || blob.y < top->y) top = &blob;
  }
  return top;
}

bool onGround(const World& world, float x, float y) {
  return y >= static_cast<float>(world.groundHeightAt(truncToInt(x))) - 1.0f;
}

}  // namespace

void DemoPlayer::AddStartBlob(const Blob& blob) {
  startBlobs_.push_back(
      StartBlob{truncToInt16(blob.x), truncToInt16(blob.y), blob.colorIndex, blob.id});
}

void DemoPlayer::AddStartLink(std::uint32_t idA, std::uint32_t idB, std::uint16_t colorIndex) {
  const auto indexOf = [this](std::uint32_t id) {
    std::size_t i = 0;
    while (i < startBlobs_.size() && startBlobs_[i].id != id)
      ++i;
    return i;
  };
  const std::size_t a = indexOf(idA), b = indexOf(idB);
  if (a < startBlobs_.size() && b < startBlobs_.size()) {
    startLinks_.push_back(StartLink{a, b, colorIndex});
  }
}

void DemoPlayer::SetClearRow(int row, int screenHeight) {
  clearRow_ = row;
  screenHeight_ = screenHeight;
}

void DemoPlayer::Step(World& world) {
  std::lock_guard<std::recursive_mutex> guard(world.lock());
  ++frames_;
  // The world brings goos while fewer than its limit are out; the limit moves with each build.
  world.gooLimit = world.goosUsed + kGoos;
  const Blob* top = highestBlob(world);
  followTower(world, top);
  if (roundDone(world, top)) {
    StartOver(world);
    return;
  }
  if (world.holding) {
    carry(world);
  } else if (showing_ == 0 && --wait_ <= 0) {
    takeGoo(world);
  }
}

bool DemoPlayer::roundDone(const World& world, const Blob* top) {
  if (frames_ >= kRoundFrames || top == nullptr) return true;
  const bool tall = world.metres(top->y) >= topMetres_;
  const bool fallen = built_ > 0 && top->y > 0.75f * world.bestTop;
  if (!tall && !fallen && showing_ == 0) return false;
  // The finished (or fallen) tower is shown for a moment before the world starts over.
  return ++showing_ > kShowFrames;
}

void DemoPlayer::StartOver(World& world) {
  std::lock_guard<std::recursive_mutex> guard(world.lock());
  // The goos stay where they are and fall from where the tower held them.
  std::vector<Goo> goos(world.goos().begin(), world.goos().end());
  world.ClearLists();
  world.ResetConstruction();
  if (startBlobs_.empty()) {
    const int w = world.constants().width;
    const int ground =
        std::min(world.groundHeightAt(-w * 100 / 480), world.groundHeightAt(w * 100 / 480));
    world.BuildBase(0, ground - 2);
  } else {
    std::vector<Blob*> made;
    for (const StartBlob& b : startBlobs_)
      made.push_back(world.AddBlob(b.x, b.y, b.colorIndex, 0));
    for (const StartLink& l : startLinks_) {
      if (l.a < made.size() && l.b < made.size()) world.AddLink(made[l.a], made[l.b], l.colorIndex);
    }
  }
  for (Goo goo : goos) {
    goo.link = nullptr;
    goo.target = nullptr;
    goo.vy = 0.0f;
    world.AddGoo(goo);
  }
  frames_ = 0;
  showing_ = 0;
  built_ = 0;
  wait_ = kPause;
  ++rounds_;
}

void DemoPlayer::takeGoo(World& world) {
  wait_ = 10;  // nothing to take yet: look again shortly
  const Blob* top = highestBlob(world);
  if (top == nullptr || !world.grounded) return;
  const int w = world.constants().width;
  const Goo* best = nullptr;
  float bestScore = 0.0f;
  for (const Goo& goo : world.goos()) {
    int sx = 0;
    int sy = 0;
    world.worldToScreen(goo.x, goo.y, sx, sy);
    if (sx < 0 || sx >= w || sy < clearRow_ || (screenHeight_ > 0 && sy >= screenHeight_)) continue;
    // A goo climbing the tower first, the highest; else one on the ground, the nearest.
    float score = 0.0f;
    if (goo.link != nullptr) {
      score = 100000.0f - goo.y;
    } else if (onGround(world, goo.x, goo.y)) {
      score = 50000.0f - std::fabs(goo.x - top->x);
    } else {
      continue;
    }
    if (best == nullptr || score > bestScore) {
      best = &goo;
      bestScore = score;
    }
  }
  if (best == nullptr) return;
  fromX_ = best->x;
  fromY_ = best->y;
  int sx = 0;
  int sy = 0;
  world.worldToScreen(best->x, best->y, sx, sy);
  if (!world.PickGoo(truncToInt16(static_cast<float>(sx)), truncToInt16(static_cast<float>(sy)))) {
    return;
  }
  carried_ = 0;
  if (!choosePlace(world)) {
    world.placement = 0;
    world.DropGoo();  // nowhere to build: the goo goes back
    wait_ = kPause;
    return;
  }
  testAt(world, fromX_, fromY_);  // the search moved the hand: it holds the goo where it was
}

void DemoPlayer::carry(World& world) {
  ++carried_;
  Blob* on = world.FindBlob(placeOn_);
  if (on == nullptr && !choosePlace(world)) {
    world.placement = 0;
    world.DropGoo();
    wait_ = kPause;
    return;
  }
  on = world.FindBlob(placeOn_);
  const float toX = on->x + placeDx_;
  const float toY = on->y + placeDy_;
  if (carried_ < kCarry) {
    // Eased in and out, as a hand moves.
    const float t = static_cast<float>(carried_) / static_cast<float>(kCarry);
    const float e = t * t * (3.0f - 2.0f * t);
    testAt(world, fromX_ + (toX - fromX_) * e, fromY_ + (toY - fromY_) * e);
    return;
  }
  testAt(world, toX, toY);
  if (world.placement != 1 && choosePlace(world)) {
    on = world.FindBlob(placeOn_);
    testAt(world, on->x + placeDx_, on->y + placeDy_);
  }
  const std::int32_t used = world.goosUsed;
  world.DropGoo();
  if (world.goosUsed > used) {
    ++built_;
    ++totalBuilt_;
  }
  wait_ = kPause + random_.next() * kPause / util::Random::kMax;
}

bool DemoPlayer::testAt(World& world, float wx, float wy) {
  int sx = 0;
  int sy = 0;
  world.worldToScreen(wx, wy, sx, sy);
  return world.TestPlacement(truncToInt16(static_cast<float>(sx)),
                             truncToInt16(static_cast<float>(sy)));
}

bool DemoPlayer::choosePlace(World& world) {
  const Blob* top = highestBlob(world);
  if (top == nullptr) return false;
  // The middle of the blobs on the ground: new blobs are kept over it, so the tower stands.
  float centre = 0.0f;
  int grounded = 0;
  for (const Blob& blob : world.blobs()) {
    if (!onGround(world, blob.x, blob.y)) continue;
    centre += blob.x;
    ++grounded;
  }
  centre = grounded > 0 ? centre / static_cast<float>(grounded) : top->x;

  // A player builds triangles: each new blob is the apex over one of the top blob's links, its
  // two links about as long as each other. The highest such place over the middle is taken.
  const float reach = static_cast<float>(world.constants().linkReach);
  const float side = 0.8f * reach;
  const float jitter =
      reach * 0.4f * static_cast<float>(random_.next()) / static_cast<float>(util::Random::kMax);
  bool found = false;
  float bestScore = 0.0f;
  for (const Link* link : top->links) {
    const Blob& other = *link->otherEnd(top);
    const float d = distance(top->x, top->y, other.x, other.y);
    if (d <= 0.0f || d >= 2.0f * side) continue;
    const float h = std::sqrt(side * side - 0.25f * d * d);
    const float ux = (other.y - top->y) / d, uy = (top->x - other.x) / d;  // across the link
    for (const float s : {1.0f, -1.0f}) {
      const float px = 0.5f * (top->x + other.x) + s * h * ux;
      const float py = 0.5f * (top->y + other.y) + s * h * uy;
      if (!testAt(world, px, py) || world.placement != 1 || world.anchorA == nullptr ||
          world.anchorB == nullptr) {
        continue;
      }
      const Blob& a = *world.anchorA;
      const Blob& b = *world.anchorB;
      const float uneven = std::fabs(distance(px, py, a.x, a.y) - side) +
                           std::fabs(distance(px, py, b.x, b.y) - side);
      const float score =
          -py - 2.0f * std::fabs(px - centre) - 2.0f * uneven + (s > 0.0f ? jitter : 0.0f);
      if (!found || score > bestScore) {
        found = true;
        bestScore = score;
        placeOn_ = top->id;
        placeDx_ = px - top->x;
        placeDy_ = py - top->y;
      }
    }
  }
  return found;
}

void DemoPlayer::followTower(World& world, const Blob* top) const {
  if (clearRow_ <= 0 || screenHeight_ <= 0) return;
  Camera& camera = world.camera;
  // The tower's top, with room for its flag, stays below the clear row; a low tower leaves the
  // ground at the foot of the screen. The round's first tower stands where it was put until a
  // goo is built on it.
  const float ground = static_cast<float>(10 - screenHeight_) / camera.zoom;
  float target = ground;
  if (top != nullptr && built_ > 0) {
    // The top blob's row, and never below the ground line's row, however low a panel reaches.
    const int r = world.constants().cellRadius;
    const int row = std::min(clearRow_ + 3 * r, screenHeight_ - 10 - r);
    target = std::min(ground, top->y - static_cast<float>(row) / camera.zoom);
  }
  camera.cameraY += (target - camera.cameraY) * 0.08f;
}

}  // namespace game
