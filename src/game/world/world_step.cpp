// The per-frame step: counters and wind, forces, integration with ground contact, goo motion.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "game/world/world.h"
#include "game/world/world_math.h"

namespace game {

void World::Update() {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  frameInSecond += 1;
  if (frameInSecond > 25) {
    frameInSecond = 0;
    seconds += 1;
    wind.windTimer -= 1;
    if (wind.windTimer < 0) {
      ChangeWind();
      wind.windTimer = random_.next() * 5 / util::Random::kMax;
    }
  }
  frameCount += 1;
  ApplyForces();
  Integrate();
  if (isDemo_) return;
  MoveGoos();
  if (events_ != nullptr) {
    events_->CheckGameRules();
    if (grounded) events_->EnableCulminate();
  }
}

void World::ApplyForces() {
  const float gravity = constants_.gravity;
  const float push = wind.wind;
  towerTop = 0.0f;
  for (Blob& blob : blobs_) {
    towerTop = std::min(towerTop, blob.y);
    blob.vy = blob.vy + gravity;
    blob.vx = (blob.vx + push) * 0.99f;
  }
  if (!isDemo_ && events_ != nullptr) {
    events_->CulminateHeight(-towerTop, static_cast<int>(blobs_.size()));
  }
  if (grounded) bestTop = std::min(bestTop, towerTop);

  const float w = static_cast<float>(constants_.width);
  for (Link& link : links_) {
    Blob& a = *link.a;
    Blob& b = *link.b;
    float ax = a.x;
    float ay = static_cast<float>(groundHeightAt(truncToInt(a.x)));
    if (a.y < ay) {
      ax = a.x + a.vx;
      ay = a.y + a.vy;
    }
    float bx = b.x;
    float by = static_cast<float>(groundHeightAt(truncToInt(b.x)));
    if (b.y < by) {
      bx = b.x + b.vx;
      by = b.y + b.vy;
    }
    const float d = distance(ax, ay, bx, by) * 480.0f / w;
    const float k = link.frozen ? constants_.frozenLinkStiffness : constants_.linkStiffness;
    const float s = (link.restLength - d) * k;
    float ux = bx - ax;
    float uy = by - ay;
    normalise(ux, uy);
    const float fx = ux * w * s * 0.0020833334f;
    const float fy = uy * w * s * 0.0020833334f;
    b.vx += fx;
    b.vy += fy;
    a.vx -= fx;
    a.vy -= fy;
  }
}

void World::Integrate() {
  for (Blob& blob : blobs_) {
    const float g = static_cast<float>(groundHeightAt(truncToInt(blob.x)));
    if (blob.y < g) {
      blob.x = blob.x + blob.vx;
      blob.y = blob.y + blob.vy;
      if (blob.y > g) {
        blob.y = g;
        playSample("twdown.wav");
      }
    } else {
      // A blob that touched the ground stays there for good; its speed is never applied again.
      blob.y = g;
    }
  }
}

void World::MoveGoos() {
  if (isDemo_) return;
  const Blob* base = nullptr;
  for (const Blob& blob : blobs_) {
    if (blob.y >= static_cast<float>(groundHeightAt(truncToInt(blob.x)))) {
      base = &blob;
      break;
    }
  }
  if (base == nullptr) {
    grounded = 0;  // goos neither move nor appear while the whole tower is in the air
    return;
  }
  grounded = 1;
  spawnGoos();
  std::uint32_t index = 0;
  for (Goo& goo : goos_) {
    moveGoo(goo, index, *base);
    bringBackStray(goo);
    ++index;
  }
  updateHoverGoo();
}

void World::spawnGoos() {
  while (goos_.size() < static_cast<std::size_t>(kMaxFreeGoos)) {
    if (mode != kModeUnlimited &&
        static_cast<std::int64_t>(holding) + static_cast<std::int64_t>(goos_.size()) + goosUsed >=
            gooLimit) {
      break;
    }
    if (lastBlobMagic && magicUndone) {
      SpawnMagicGoo();  // the undone magic blob comes back as a magic goo
      lastBlobMagic = 0;
      continue;
    }
    const int w = constants_.width;
    Goo goo;
    const int rx = random_.next() * 480 / util::Random::kMax;
    goo.x = static_cast<float>((rx - 240) * w / 480);
    const int ry = random_.next() * 1000 / util::Random::kMax;
    goo.y = static_cast<float>(-ry - w * 1000 / 480);
    goo.colorIndex = colorCounter;
    colorCounter = static_cast<std::uint16_t>((colorCounter + 1) % 5);
    goos_.push_back(goo);
  }
}

void World::SpawnMagicGoo() {
  const int w = constants_.width;
  Goo goo;
  const int rx = random_.next() * 480 / util::Random::kMax;
  goo.x = static_cast<float>((rx - 240) * w / 480);
  goo.y = static_cast<float>(-(w * 1000 / 480));
  goo.magic = 1;
  goo.colorIndex = colorCounter;
  colorCounter = static_cast<std::uint16_t>((colorCounter + 1) % 4);
  goos_.push_back(goo);
}

void World::moveGoo(Goo& goo, std::uint32_t index, const Blob& base) {
  const std::uint32_t d = static_cast<std::uint32_t>(constants_.pulseAmplitude);
  const std::uint32_t phase = (index + frameCount / 2) % (d + 1);
  goo.pulse = static_cast<std::uint8_t>(std::abs(
      static_cast<std::int32_t>(phase - static_cast<std::uint32_t>(constants_.pulseHalf))));

  if (goo.link != nullptr && goo.target != nullptr) {
    const Blob& target = *goo.target;
    const float dx = target.x - goo.x;
    const float dy = target.y - goo.y;
    const float m = (std::fabs(dx) + std::fabs(dy)) / static_cast<float>(constants_.climbUnit);
    if (m > 1.0f) {
      const Blob& a = *goo.link->a;
      const Blob& b = *goo.link->b;
      const float c = (a.y - b.y) * dx - (a.x - b.x) * dy;
      if (c * c / squaredDistance(a.x, a.y, b.x, b.y) >
          static_cast<float>(constants_.cellRadiusSq)) {
        goo.vy = 0.0f;  // pushed off the line of its link: falls straight down
        goo.link = nullptr;
      } else {
        goo.x += dx / m;
        goo.y += dy / m;
      }
    } else {
      // Arrived: head for the highest neighbour; with none below y = 100 the goo stays put.
      Link* best = nullptr;
      float bestY = 100.0f;
      for (Link* link : target.links) {
        const Blob* other = link->otherEnd(&target);
        if (other->y < bestY) {
          bestY = other->y;
          best = link;
        }
      }
      if (best != nullptr) {
        goo.link = best;
        goo.target = best->otherEnd(&target);
      }
    }
    return;
  }

  goo.link = nullptr;
  const float g = static_cast<float>(groundHeightAt(truncToInt(goo.x)));
  if (goo.y < g) {
    goo.pulse = 4;
    goo.vy += constants_.gravity;
    goo.y += goo.vy;
    const float landing = static_cast<float>(groundHeightAt(truncToInt(goo.x)));
    if (goo.y > landing) {
      const std::string name = "googround" + std::to_string(goo.colorIndex % 5 + 1) + ".wav";
      playSample(name.c_str());
      goo.y = landing;
    }
    return;
  }
  if (std::fabs(goo.x - base.x) < 1.0f && !base.links.empty()) {
    const std::int64_t count = static_cast<std::int64_t>(base.links.size());
    const std::int64_t idx = (count - 1) * random_.next() / util::Random::kMax;
    goo.link = base.links[static_cast<std::size_t>(idx)];
    goo.target = goo.link->otherEnd(&base);
  }
  if (goo.x < base.x) {
    goo.x += constants_.walkStep;
  } else {
    goo.x -= constants_.walkStep;
  }
  goo.y = static_cast<float>(groundHeightAt(truncToInt(goo.x)));
}

bool World::InReach(const Goo& goo) const {
  if (!std::isfinite(goo.x) || !std::isfinite(goo.y)) return false;
  const float half = static_cast<float>(constants_.width * 1000 / 480);
  return std::fabs(goo.x) <= half && std::fabs(goo.y) <= 32767.0f;
}

// A goo can leave the field the view covers: carried far to the side by a tower that fell over,
// walking back from beyond it, or given a position that is no number at all by a tower that
// flew apart. The player can't pick it there, and a classic or relay game, which waits for the
// last free goo, could never end. A goo that has no position is put back at once; one merely
// out of sight gets kStrayGooFrames to come back by itself. Either then falls again from the
// sky like a new goo, keeping its colour.
void World::bringBackStray(Goo& goo) {
  if (InReach(goo)) {
    goo.strayFrames = 0;
    return;
  }
  const bool lost = !std::isfinite(goo.x) || !std::isfinite(goo.y);
  goo.strayFrames += 1;
  if (!lost && goo.strayFrames <= kStrayGooFrames) return;
  const int w = constants_.width;
  const int rx = random_.next() * 480 / util::Random::kMax;
  goo.x = static_cast<float>((rx - 240) * w / 480);
  goo.y = static_cast<float>(-(w * 1000 / 480));
  goo.vy = 0.0f;
  goo.link = nullptr;
  goo.target = nullptr;
  goo.strayFrames = 0;
}

void World::updateHoverGoo() {
  if (!pointerVisible_) return;  // a hidden pointer keeps the last hover goo
  hoverGoo = nullptr;
  if (keyDrag != 0) return;
  float px = 0.0f;
  float py = 0.0f;
  screenToWorld(pointerX_, pointerY_, px, py);
  const float range = static_cast<float>(constants_.pickRange);
  float best = std::numeric_limits<float>::max();
  for (Goo& goo : goos_) {
    const float dx = std::fabs(goo.x - px);
    const float dy = std::fabs(goo.y - py);
    if (dx < range && dy < range && dx + dy < best) {
      best = dx + dy;
      hoverGoo = &goo;
    }
  }
  // The magic goo in range is the one the action key takes (PickGoo): it is the one marked.
  if (auto magic = magicGooInPickRange(px, py); magic != goos_.end()) hoverGoo = &*magic;
}

}  // namespace game
