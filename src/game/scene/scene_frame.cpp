#include "game/scene/scene_frame.h"

#include <cmath>
#include <type_traits>
#include <unordered_map>

namespace game {
namespace {

float mix(float a, float b, float t) {
  return std::lerp(a, b, t);
}

bool near(float a, float b, float limit) {
  return std::fabs(b - a) <= limit;
}

// Finds the partner of base[i] in other by key: the same index first (lists keep their order
// from frame to frame), else through a map built on first need.
template <typename T, typename Key, typename KeyOf>
class Partners {
 public:
  Partners(const std::vector<T>& other, KeyOf keyOf) : other_(other), keyOf_(keyOf) {}
  const T* find(std::size_t i, const Key& key) {
    if (i < other_.size() && keyOf_(other_[i]) == key) return &other_[i];
    if (!built_) {
      for (const T& entry : other_)
        map_.emplace(keyOf_(entry), &entry);
      built_ = true;
    }
    const auto it = map_.find(key);
    return it == map_.end() ? nullptr : it->second;
  }

 private:
  struct KeyHash {
    std::size_t operator()(const Key& k) const { return std::hash<Key>()(k); }
  };
  const std::vector<T>& other_;
  KeyOf keyOf_;
  std::unordered_map<Key, const T*, KeyHash> map_;
  bool built_ = false;
};

template <typename T, typename Key, typename KeyOf>
Partners<T, Key, KeyOf> partnersIn(const std::vector<T>& other, KeyOf keyOf) {
  return Partners<T, Key, KeyOf>(other, keyOf);
}

std::uint64_t linkKey(const SceneFrame::LinkAt& l) {
  return (static_cast<std::uint64_t>(l.a) << 32) | l.b;
}

}  // namespace

SceneFrame::Held HeldOf(const World& world) {
  SceneFrame::Held h;
  h.shown = world.holding != 0 || world.keyDrag != 0;
  if (!h.shown) return h;
  h.placement = world.placement;
  h.dropX = world.dropX;
  h.dropY = world.dropY;
  h.colorIndex = world.heldColor;
  h.magic = world.heldMagic != 0;
  h.anchorA = world.anchorA;
  h.anchorB = world.anchorB;
  if (world.anchorA != nullptr) {
    h.idA = world.anchorA->id;
    h.ax = world.anchorA->x;
    h.ay = world.anchorA->y;
  }
  if (world.anchorB != nullptr) {
    h.idB = world.anchorB->id;
    h.bx = world.anchorB->x;
    h.by = world.anchorB->y;
  }
  return h;
}

void CaptureFrame(const World& world, const std::vector<Cloud>& clouds, bool keyPointerShown,
                  SceneFrame& out) {
  out.cameraX = world.camera.cameraX;
  out.cameraY = world.camera.cameraY;
  out.zoom = world.camera.zoom;
  out.clouds.clear();
  for (const Cloud& c : clouds)
    out.clouds.push_back(SceneFrame::CloudAt{c.sprite, c.x, c.y});
  out.links.clear();
  for (const Link& l : world.links()) {
    out.links.push_back(SceneFrame::LinkAt{l.a->id, l.b->id, l.a->x, l.a->y, l.b->x, l.b->y,
                                           l.colorIndex, l.frozen != 0});
  }
  out.goos.clear();
  if (!world.isDemo()) {
    for (const Goo& g : world.goos()) {
      out.goos.push_back(SceneFrame::GooAt{&g, g.x, g.y, g.pulse, g.magic != 0,
                                           keyPointerShown && &g == world.hoverGoo, g.colorIndex});
    }
  }
  out.blobs.clear();
  for (const Blob& b : world.blobs())
    out.blobs.push_back(SceneFrame::BlobAt{b.id, b.x, b.y, b.colorIndex});
  out.held = world.isDemo() ? SceneFrame::Held{} : HeldOf(world);
}

void BlendFrames(const SceneFrame& prev, const SceneFrame& cur, float t, float jumpLimit,
                 float screenWidth, SceneFrame& out) {
  const bool late = t >= 0.5f;
  const SceneFrame& base = late ? cur : prev;
  const SceneFrame& other = late ? prev : cur;
  // Blends a position pair given base's and its partner's values, prev's first.
  const auto blend = [&](float baseV, float otherV) {
    return late ? mix(otherV, baseV, t) : mix(baseV, otherV, t);
  };
  out.cameraX = mix(prev.cameraX, cur.cameraX, t);
  out.cameraY = mix(prev.cameraY, cur.cameraY, t);
  out.zoom = mix(prev.zoom, cur.zoom, t);

  out.clouds = base.clouds;
  for (std::size_t i = 0; i < out.clouds.size() && i < other.clouds.size(); ++i) {
    SceneFrame::CloudAt& c = out.clouds[i];
    if (other.clouds[i].sprite == c.sprite && near(c.x, other.clouds[i].x, screenWidth))
      c.x = blend(c.x, other.clouds[i].x);
  }

  // Blobs and goos: each moves toward its partner of the same key in the other frame, unless it
  // has none or jumped too far to be the same thing in motion.
  const auto blendPoints = [&](auto& items, const auto& partners, auto keyOf) {
    using Item = std::decay_t<decltype(partners.front())>;
    auto found = partnersIn<Item, decltype(keyOf(partners.front()))>(partners, keyOf);
    for (std::size_t i = 0; i < items.size(); ++i) {
      Item& p = items[i];
      const Item* o = found.find(i, keyOf(p));
      if (o == nullptr || !near(p.x, o->x, jumpLimit) || !near(p.y, o->y, jumpLimit)) continue;
      p.x = blend(p.x, o->x);
      p.y = blend(p.y, o->y);
    }
  };
  out.blobs = base.blobs;
  blendPoints(out.blobs, other.blobs, [](const SceneFrame::BlobAt& b) { return b.id; });

  out.links = base.links;
  auto links = partnersIn<SceneFrame::LinkAt, std::uint64_t>(other.links, linkKey);
  for (std::size_t i = 0; i < out.links.size(); ++i) {
    SceneFrame::LinkAt& l = out.links[i];
    const SceneFrame::LinkAt* o = links.find(i, linkKey(l));
    if (o == nullptr || !near(l.ax, o->ax, jumpLimit) || !near(l.ay, o->ay, jumpLimit) ||
        !near(l.bx, o->bx, jumpLimit) || !near(l.by, o->by, jumpLimit))
      continue;
    l.ax = blend(l.ax, o->ax);
    l.ay = blend(l.ay, o->ay);
    l.bx = blend(l.bx, o->bx);
    l.by = blend(l.by, o->by);
  }

  out.goos = base.goos;
  blendPoints(out.goos, other.goos, [](const SceneFrame::GooAt& g) { return g.key; });

  out.held = base.held;
  const SceneFrame::Held& oh = other.held;
  SceneFrame::Held& h = out.held;
  if (h.shown && oh.shown) {
    h.dropX = blend(h.dropX, oh.dropX);
    h.dropY = blend(h.dropY, oh.dropY);
    if (h.idA != 0 && h.idA == oh.idA) {
      h.ax = blend(h.ax, oh.ax);
      h.ay = blend(h.ay, oh.ay);
    }
    if (h.idB != 0 && h.idB == oh.idB) {
      h.bx = blend(h.bx, oh.bx);
      h.by = blend(h.by, oh.by);
    }
  }
}

}  // namespace game
