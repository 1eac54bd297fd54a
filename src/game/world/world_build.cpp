// Construction by the player: picking a goo, testing where it would go, building a blob or a
// bare link, the starting base, one level of undo and the height-record streak.
#include <algorithm>
#include <cmath>
#include <string>

#include "game/world/world.h"
#include "game/world/world_math.h"

namespace game {

namespace {

/// Experience bonus for the c-th consecutive height record.
int streakBonus(int c) {
  switch (c) {
    case 3:
      return 1;
    case 5:
      return 2;
    case 7:
      return 4;
    case 9:
      return 6;
    case 12:
      return 9;
    default:
      return c >= 13 ? 1 : 0;
  }
}

bool joined(const Blob& a, const Blob& b) {
  for (const Link* link : a.links) {
    if (link->a == &b || link->b == &b) return true;
  }
  return false;
}

}  // namespace

Blob* World::AddBlob(std::int16_t x, std::int16_t y, std::uint16_t colorIndex, std::uint8_t magic) {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  Blob blob;
  blob.x = static_cast<float>(x);
  blob.y = static_cast<float>(y);
  blob.magic = magic;
  blob.colorIndex = colorIndex;
  blob.id = nextBlobId_++;
  blobs_.push_back(std::move(blob));
  lastBlobMagic = magic;
  return &blobs_.back();
}

Blob* World::FindBlob(std::uint32_t id) {
  if (id == 0) return nullptr;
  std::lock_guard<std::recursive_mutex> guard(lock_);
  for (Blob& blob : blobs_) {
    if (blob.id == id) return &blob;
  }
  return nullptr;
}

Link* World::AddLink(Blob* a, Blob* b, std::uint16_t colorIndex) {
  if (a == nullptr || b == nullptr || a == b) return nullptr;
  std::lock_guard<std::recursive_mutex> guard(lock_);
  Link link;
  link.a = a;
  link.b = b;
  link.restLength =
      distance(a->x, a->y, b->x, b->y) * 480.0f / static_cast<float>(constants_.width);
  link.colorIndex = colorIndex;
  link.frozen = (a->magic || b->magic) ? 1 : 0;
  links_.push_back(link);
  Link* stored = &links_.back();
  a->links.push_back(stored);
  b->links.push_back(stored);
  return stored;
}

Goo* World::AddGoo(const Goo& goo) {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  goos_.push_back(goo);
  return &goos_.back();
}

bool World::PickGoo(std::int16_t sx, std::int16_t sy) {
  // A second pick while holding would lose the goo in the hand.
  if (isDemo_ || holding) return false;
  std::lock_guard<std::recursive_mutex> guard(lock_);
  float px = 0.0f;
  float py = 0.0f;
  screenToWorld(sx, sy, px, py);
  // Goos crowd on the tower (those that climbed to its top all wait on one blob), and the
  // magic goo comes last in the list: taken in list order it could never be picked out of the
  // crowd. It goes first; ordinary goos are taken in list order.
  auto chosen = magicGooInPickRange(px, py);
  if (chosen == goos_.end()) {
    chosen = std::find_if(goos_.begin(), goos_.end(),
                          [&](const Goo& goo) { return inPickRange(goo, px, py); });
  }
  if (chosen == goos_.end()) return false;
  dropX = px;
  dropY = py;
  heldColor = chosen->colorIndex;
  heldMagic = chosen->magic;
  removeGoo(chosen);
  camera.savedZoom = camera.zoom;
  holding = 1;
  const std::string name = "catch" + std::to_string(heldColor % 5 + 1) + ".wav";
  playSample(name.c_str());
  return true;
}

bool World::TestPlacement(std::int16_t sx, std::int16_t sy) {
  if (isDemo_ || !holding) return false;
  std::lock_guard<std::recursive_mutex> guard(lock_);
  const std::uint8_t previous = placement;
  placement = 0;
  screenToWorld(sx, sy, dropX, dropY);
  if (dropY > static_cast<float>(groundHeightAt(truncToInt(dropX)))) {
    if (previous != 0) playSample("linkleft.wav");
    return false;
  }

  Blob* nearest = nullptr;
  Blob* second = nullptr;
  float nearestSq = 1000000.0f;
  float secondSq = 1000000.0f;
  for (Blob& blob : blobs_) {
    const float sq = squaredDistance(dropX, dropY, blob.x, blob.y);
    if (sq < nearestSq) {
      second = nearest;
      secondSq = nearestSq;
      nearest = &blob;
      nearestSq = sq;
    } else if (sq < secondSq) {
      second = &blob;
      secondSq = sq;
    }
  }
  if (nearest == nullptr || second == nullptr) return false;

  const int reach = constants_.linkReach;
  const int reachSq = reach * reach;
  if (!joined(*nearest, *second) && squaredDistance(nearest->x, nearest->y, second->x, second->y) <
                                        4.0f * static_cast<float>(reachSq)) {
    if (heldMagic) return false;  // a magic goo never makes a bare link
    placement = 2;
    anchorA = nearest;
    anchorB = second;
    return true;
  }

  const float reachSqF = static_cast<float>(reachSq);
  const float shortestSq = static_cast<float>(constants_.shortestLink * constants_.shortestLink);
  const bool possible = (shortestSq < nearestSq && nearestSq < reachSqF) ||
                        (shortestSq < secondSq && secondSq < reachSqF);
  if (!possible) return true;

  if (nearestSq > static_cast<float>(reachSq / 2) && critCountdown == 0) {
    critCountdown = 50;
    playSample("critsize.wav");
  }
  if (critCountdown > 0) critCountdown -= 1;
  placement = 1;
  anchorA = nearest;
  anchorB = second;
  return true;
}

void World::DropGoo(bool keyForm) {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  if (holding && !isDemo_) {
    std::uint8_t what = placement;
    if (anchorA == nullptr || anchorB == nullptr) what = 0;
    if (what == 2) {
      lastLink = AddLink(anchorA, anchorB, heldColor);
      lastBlob = nullptr;
      recordFlag = 0;
      goosUsed += 1;
      playSample("linkplaced.wav");
    } else if (what == 1) {
      Blob* blob = AddBlob(truncToInt16(dropX), truncToInt16(dropY), heldColor, heldMagic);
      lastLink = nullptr;
      lastBlob = blob;
      magicUndone = 0;
      AddLink(blob, anchorB, heldColor);
      AddLink(blob, anchorA, heldColor);
      goosUsed += 1;
      playSample("linkplaced.wav");
      if (blob->y < towerTop) {
        heightRecord(*blob);
      } else {
        recordStreak = 0;
        recordMark = 0;
        recordFlag = 0;
      }
    } else {
      Goo goo;
      goo.x = dropX;
      goo.y = dropY;
      goo.magic = heldMagic;
      goo.colorIndex = colorCounter;
      colorCounter = static_cast<std::uint16_t>((colorCounter + 1) % 5);
      goos_.push_back(goo);
      const std::string name = "drop" + std::to_string(goo.colorIndex % 5 + 1) + ".wav";
      playSample(name.c_str());
    }
  }
  // However the hold ends, the keys no longer carry anything: a carry left marked would draw
  // a goo that is not in the world and swallow the next action key.
  (void)keyForm;
  holding = 0;
  keyDrag = 0;
  camera.targetZoom = camera.savedZoom;
  placement = 0;
}

void World::AbandonHeldGoo() {
  holding = 0;
  keyDrag = 0;
  camera.targetZoom = camera.savedZoom;
  placement = 0;
}

void World::heightRecord(const Blob& blob) {
  int sx = 0;
  int sy = 0;
  worldToScreen(blob.x, blob.y, sx, sy);
  if (events_ != nullptr) events_->ShowMaxHeight(metres(blob.y), sx, sy);
  recordStreak += 1;
  const int c = recordStreak;
  recordFlag = 1;
  // Paid only past the last mark, so undoing and repeating a record does not pay twice.
  const int bonus = recordMark < c ? streakBonus(c) : 0;
  recordMark = c;
  if (bonus > 0) {
    experiencePoints += bonus;
    if (events_ != nullptr) {
      events_->ShowExperience(std::to_string(bonus), experiencePoints, sx, sy, 8);
    }
  }
}

void World::BuildBase(std::int16_t x0, std::int32_t y0) {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  const int w = constants_.width;
  auto at = [](int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); };
  Blob* b0 = AddBlob(at(x0 + w * 100 / 480), at(y0), 0, 0);
  Blob* b1 = AddBlob(at(x0 - w * 100 / 480), at(y0), 0, 0);
  Blob* b2 = AddBlob(at(x0 + w * 50 / 480), at(y0 - w * 90 / 480), 0, 0);
  Blob* b3 = AddBlob(at(x0 - w * 50 / 480), at(y0 - w * 90 / 480), 0, 0);
  AddLink(b1, b3, 0);
  AddLink(b3, b2, 0);
  AddLink(b2, b0, 0);
  AddLink(b0, b1, 0);
  AddLink(b0, b3, 0);
  AddLink(b1, b2, 0);
}

void World::UndoLastTurn() {
  std::lock_guard<std::recursive_mutex> guard(lock_);
  if (recordFlag && recordStreak > 0) recordStreak -= 1;
  recordFlag = 1;  // every further undo lowers the streak again, down to 0
  if (lastBlob == nullptr && lastLink == nullptr) return;
  if (lastBlob == nullptr) {
    removeLink(lastLink);
    goosUsed -= 1;
    lastLink = nullptr;
    return;
  }
  magicUndone = 1;
  removeBlob(lastBlob);
  lastBlob = nullptr;
  goosUsed -= 1;
}

void World::removeLink(Link* link) {
  for (Blob* end : {link->a, link->b}) {
    auto& list = end->links;
    list.erase(std::remove(list.begin(), list.end(), link), list.end());
  }
  for (Goo& goo : goos_) {
    if (goo.link == link) {
      goo.vy = 0.0f;
      goo.link = nullptr;
    }
  }
  if (lastLink == link) lastLink = nullptr;
  links_.remove_if([link](const Link& l) { return &l == link; });
}

void World::removeBlob(Blob* blob) {
  const std::vector<Link*> touching = blob->links;
  for (Link* link : touching)
    removeLink(link);
  forgetBlob(blob);
  blobs_.remove_if([blob](const Blob& b) { return &b == blob; });
}

void World::forgetBlob(const Blob* blob) {
  for (Goo& goo : goos_) {
    if (goo.target == blob) {
      goo.target = nullptr;
      goo.link = nullptr;
    }
  }
  // A goo held over the tower may have been tested against this blob.
  if (anchorA == blob || anchorB == blob) {
    anchorA = nullptr;
    anchorB = nullptr;
    placement = 0;
  }
  if (lastBlob == blob) lastBlob = nullptr;
}

bool World::inPickRange(const Goo& goo, float px, float py) const {
  const float range = static_cast<float>(constants_.pickRange);
  return std::fabs(goo.x - px) < range && std::fabs(goo.y - py) < range;
}

std::list<Goo>::iterator World::magicGooInPickRange(float px, float py) {
  return std::find_if(goos_.begin(), goos_.end(),
                      [&](const Goo& goo) { return goo.magic && inPickRange(goo, px, py); });
}

void World::removeGoo(std::list<Goo>::iterator it) {
  if (hoverGoo == &*it) hoverGoo = nullptr;
  goos_.erase(it);
}

}  // namespace game
