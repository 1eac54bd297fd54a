#include "game/scene/scene_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/world/world_math.h"
#include "gfx/images/picture_loader.h"
#include "gfx/primitives.h"

namespace game {
namespace {

int ceilToInt(float value) {
  return truncToInt(std::ceil(value));
}

// A world point on the target: the camera transform, truncated, plus the scene's origin.
struct Projection {
  float cameraX, cameraY, zoom;
  int ox, oy;
  int x(float wx) const { return truncToInt((wx - cameraX) * zoom) + ox; }
  int y(float wy) const { return truncToInt((wy - cameraY) * zoom) + oy; }
};

Projection projectionOf(const SceneFrame& frame, int ox, int oy) {
  return Projection{frame.cameraX, frame.cameraY, frame.zoom, ox, oy};
}

// A free goo: a ball of its colour with a light spot, like the blobs, that breathes between a
// little wide and a little tall. The pulse runs 0..D/2 (D is CELL_DYN_RADIUS; a falling goo
// has 4); it is centred on the middle of that range and kept within a sixth of the radius, so
// the ball is never thinner than two thirds of its height.
void paintGoo(gfx::Surface& target, const SceneFrame::GooAt& goo, const WorldConstants& k,
              const Projection& p, float zoom, std::uint16_t colour) {
  const float r = static_cast<float>(goo.magic ? k.magicRadius : k.cellRadius);
  const float limit = r / 6.0f;
  const float squash = std::clamp(
      static_cast<float>(goo.pulse) - 0.5f * static_cast<float>(k.pulseHalf), -limit, limit);
  const int gx = p.x(goo.x), gy = p.y(goo.y);
  const int rx = std::max(1, truncToInt((r + squash) * zoom));
  const int ry = std::max(1, truncToInt((r - squash) * zoom));
  gfx::FillEllipse(target, gx, gy, rx, ry, colour);
  // The light spot, up and to the left, half-way to white; a ball a few pixels wide (zoomed
  // out) has none, where it would only look like a notch.
  if (rx < 4) return;
  const auto lighter = static_cast<std::uint16_t>(((colour >> 1) & 0x7BEF) + 0x7BEF);
  gfx::FillEllipse(target, gx - rx / 3, gy - ry / 3, rx / 3, std::max(1, ry / 4), lighter);
}

}  // namespace

SceneRenderer::SceneRenderer(SceneSize size, const ScenePalette& palette)
    : size_(size), palette_(palette) {}

float SceneRenderer::LinkWidth(float zoom, float linkSize) {
  return std::ceil(zoom * linkSize);
}

void SceneRenderer::SetFlagSize(int width, int height) {
  flagWidth_ = width;
  flagHeight_ = height;
}

bool SceneRenderer::LoadZoomedSprites(gfx::EntrySource& source, int cellRadius, float zoom) {
  if (sprites_->zoom != zoom) std::swap(sprites_, oldSprites_);
  Sprites& set = *sprites_;
  set.zoom = zoom;
  const int side = 2 * ceilToInt(static_cast<float>(cellRadius) * zoom);
  for (int i = 0; i < kColorCount; ++i) {
    set.goos[i].LoadResampled("gooimage" + std::to_string(i) + ".sft", source, side, side);
  }
  return set.flag.LoadResampled("flag0.aspr", source,
                                ceilToInt(static_cast<float>(flagWidth_) * zoom),
                                ceilToInt(static_cast<float>(flagHeight_) * zoom));
}

void SceneRenderer::LoadClouds(gfx::EntrySource& source) {
  for (int i = 0; i < kCloudSprites; ++i) {
    cloudSprites_[i] = gfx::loadPicture("cloud_" + std::to_string(i + 1) + ".espr", source);
  }
}

void SceneRenderer::AddCloud(float x, float yUp, float speed, int picture) {
  clouds_.push_back(Cloud{std::clamp(picture, 0, kCloudSprites - 1), x, -yUp, speed});
}

int SceneRenderer::colorOf(int ownIndex, const SceneLook& look) const {
  return std::clamp(look.multicolorOn ? ownIndex : look.colorSpectrum, 0, kColorCount - 1);
}

const SceneRenderer::Sprites& SceneRenderer::spritesFor(float zoom) const {
  if (sprites_->zoom == zoom || oldSprites_->zoom < 0.0f) return *sprites_;
  if (oldSprites_->zoom == zoom) return *oldSprites_;
  return std::fabs(oldSprites_->zoom - zoom) < std::fabs(sprites_->zoom - zoom) ? *oldSprites_
                                                                                : *sprites_;
}

void SceneRenderer::Paint(World& world, gfx::Surface& target, int originX, int originY,
                          std::uint32_t timeMs, const SceneLook& look, bool keyPointerShown) {
  if (look.cloudsOn) {
    // The clouds drift once per frame, with the wind.
    const float w = static_cast<float>(size_.width);
    for (Cloud& cloud : clouds_) {
      cloud.x += cloud.speed * world.wind.wind * 20.0f;
      if (cloud.x > 2.0f * w) cloud.x -= 3.0f * w;
      if (cloud.x < -w) cloud.x += 3.0f * w;
    }
  }
  std::swap(previous_, current_);
  CaptureFrame(world, clouds_, keyPointerShown, current_);
  if (framesPainted_ < 2) ++framesPainted_;
  drawFrame(world, current_, target, originX, originY, timeMs, look, flags_);
}

void SceneRenderer::PaintBetween(const World& world, gfx::Surface& target, int originX, int originY,
                                 std::uint32_t timeMs, const SceneLook& look, float t,
                                 const SceneFrame::Held* hand) const {
  if (framesPainted_ == 0) return;
  const SceneFrame& before = framesPainted_ < 2 ? current_ : previous_;
  // A jump of more than a few cell sizes in one frame is a new object, not motion.
  const float jumpLimit = 8.0f * static_cast<float>(std::max(world.constants().cellRadius, 4));
  BlendFrames(before, current_, std::clamp(t, 0.0f, 1.0f), jumpLimit,
              static_cast<float>(size_.width), blended_);
  if (hand != nullptr) {
    // The hand follows the pointer now: its goo sits where the last frame's camera puts the
    // pointer, and the links it would make end at the blended blobs.
    SceneFrame::Held h = *hand;
    const Projection now = projectionOf(current_, 0, 0);
    const Projection blended = projectionOf(blended_, 0, 0);
    const auto moveEnd = [&](std::uint32_t id, float& x, float& y) {
      for (const SceneFrame::BlobAt& b : blended_.blobs) {
        if (b.id != id) continue;
        x = b.x;
        y = b.y;
        return;
      }
    };
    if (h.idA != 0) moveEnd(h.idA, h.ax, h.ay);
    if (h.idB != 0) moveEnd(h.idB, h.bx, h.by);
    // The drop point in the blended view that lands on the pointer's screen point.
    const float sx = (h.dropX - now.cameraX) * now.zoom, sy = (h.dropY - now.cameraY) * now.zoom;
    h.dropX = sx / blended.zoom + blended.cameraX;
    h.dropY = sy / blended.zoom + blended.cameraY;
    blended_.held = h;
  }
  FlagSlots flags;
  drawFrame(world, blended_, target, originX, originY, timeMs, look, flags);
}

void SceneRenderer::drawFrame(const World& world, const SceneFrame& frame, gfx::Surface& target,
                              int ox, int oy, std::uint32_t timeMs, const SceneLook& look,
                              FlagSlots& flags) const {
  const Sprites& sprites = spritesFor(frame.zoom);
  paintSky(frame, target, ox, oy, look);
  paintEarth(world, frame, target, ox, oy, look);
  if (look.cloudsOn) paintClouds(world, frame, target, ox, oy, timeMs);

  const Projection p = projectionOf(frame, ox, oy);
  const float linkWidth = LinkWidth(frame.zoom, world.constants().linkWidth);
  for (const SceneFrame::LinkAt& link : frame.links) {
    const std::uint16_t colour =
        link.frozen ? palette_.frozenLink : palette_.link[colorOf(link.colorIndex, look)];
    gfx::DrawThickLine(target, p.x(link.ax), p.y(link.ay), p.x(link.bx), p.y(link.by), linkWidth,
                       colour, look.connectType);
  }
  if (!world.isDemo()) paintGoos(world, frame, sprites, target, ox, oy, timeMs, look);
  paintBlobsAndFlags(world, frame, sprites, target, ox, oy, timeMs, look, flags);
  if (world.isDemo()) return;
  // A magic goo that came to rest among the blobs would vanish behind them: it is drawn once
  // more on top, so the player sees where to take it.
  for (const SceneFrame::GooAt& goo : frame.goos) {
    if (goo.magic) paintGoo(target, goo, world.constants(), p, frame.zoom, palette_.magicBlob);
  }
}

void SceneRenderer::paintSky(const SceneFrame& c, gfx::Surface& target, int ox, int oy,
                             const SceneLook& look) const {
  if (look.backgroundType == 0) {
    const int offset = truncToInt(static_cast<float>(size_.height - 10) / c.zoom + c.cameraY);
    gfx::FillGradient(target, ox, oy, size_.width, size_.height, kSkyPale, kSkyBlue,
                      size_.width * 848 / 480, offset, c.zoom);
  } else {
    gfx::FillRect(target, ox, oy, size_.width, size_.height, palette_.sky);
  }
}

// The 32 strips of ground around x 0, between samples k and k + 1 for k = -16 .. 15.
void SceneRenderer::paintEarth(const World& world, const SceneFrame& c, gfx::Surface& target,
                               int ox, int oy, const SceneLook& look) const {
  const Earth& earth = world.earth;
  const int s = earth.step();
  const float cx = static_cast<float>(truncToInt(c.cameraX));
  const float cy = static_cast<float>(truncToInt(c.cameraY));
  const auto screenX = [&](int k) {
    return ceilToInt((static_cast<float>(k * s) - cx) * c.zoom) + ox;
  };
  const auto screenY = [&](int k) {
    return ceilToInt((static_cast<float>(-earth.heightAt(k)) - cy) * c.zoom) + oy;
  };
  for (int k = -16; k < 16; ++k) {
    const int x1 = screenX(k), y1 = screenY(k), x2 = screenX(k + 1), y2 = screenY(k + 1);
    if (look.backgroundType == 0) {
      // The gradient's index at the left end's surface row is its depth above the view's
      // lowest ground line, so the darkest entry meets the bottom edge.
      const int depth = truncToInt(static_cast<float>(earth.heightAt(k)) * c.zoom + 10.0f);
      gfx::FillSlopeBandRows(target, x1, y1, x2, y2, 0, depth, earth.gradient(),
                             palette_.earthBorder);
    } else {
      gfx::FillSlopeBand(target, x1, y1, x2, y2, 0, palette_.earth, palette_.earthBorder);
    }
  }
}

void SceneRenderer::paintClouds(const World& world, const SceneFrame& c, gfx::Surface& target,
                                int ox, int oy, std::uint32_t timeMs) const {
  const float r = static_cast<float>(world.constants().cellRadius);
  // Clouds sit half-way between the sky and the world when zoomed out.
  const float f = 1.0f - (1.0f - c.zoom) * 0.5f;
  for (const SceneFrame::CloudAt& cloud : c.clouds) {
    const gfx::Picture* sprite = cloudSprites_[cloud.sprite].get();
    if (sprite == nullptr) continue;
    sprite->Draw(target, truncToInt(cloud.x) + ox,
                 truncToInt(f * cloud.y - (r + c.cameraY) * c.zoom) + oy, nullptr, timeMs);
  }
}

void SceneRenderer::paintGoos(const World& world, const SceneFrame& frame, const Sprites& sprites,
                              gfx::Surface& target, int ox, int oy, std::uint32_t timeMs,
                              const SceneLook& look) const {
  const Projection p = projectionOf(frame, ox, oy);
  const float zoom = frame.zoom;
  const WorldConstants& k = world.constants();
  for (const SceneFrame::GooAt& goo : frame.goos) {
    const std::uint16_t colour =
        goo.magic ? palette_.magicBlob : palette_.blob[colorOf(goo.colorIndex, look)];
    if (goo.ring) {  // an outline around the goo, the larger magic one included
      const int radius = goo.magic ? k.magicRadius : k.cellRadius;
      const int ring = truncToInt(static_cast<float>(radius - goo.pulse + 4) * zoom);
      gfx::FillEllipse(target, p.x(goo.x), p.y(goo.y), ring, ring, colour);
    }
    paintGoo(target, goo, k, p, zoom, colour);
  }

  const SceneFrame::Held& held = frame.held;
  if (!held.shown) return;
  const float linkWidth = LinkWidth(zoom, k.linkWidth);
  const int dx = p.x(held.dropX), dy = p.y(held.dropY);
  const auto lineTo = [&](bool end, float ex, float ey, int x, int y) {
    if (!end) return;
    gfx::DrawThickLine(target, x, y, p.x(ex), p.y(ey), linkWidth, palette_.unfixedLink,
                       look.connectType);
  };
  const bool hasA = held.anchorA != nullptr, hasB = held.anchorB != nullptr;
  if (held.placement == 1) {
    lineTo(hasA, held.ax, held.ay, dx, dy);
    lineTo(hasB, held.bx, held.by, dx, dy);
  } else if (held.placement == 2 && hasA) {
    lineTo(hasB, held.bx, held.by, p.x(held.ax), p.y(held.ay));
  }
  if (held.placement != 2 && held.magic) {
    // The magic goo keeps its look in the hand, so the player sees that he took it.
    SceneFrame::GooAt ball{.x = held.dropX, .y = held.dropY, .magic = true};
    ball.pulse = static_cast<std::uint8_t>(k.pulseHalf / 2);
    paintGoo(target, ball, k, p, zoom, palette_.magicBlob);
  } else if (held.placement != 2) {
    const float r = static_cast<float>(k.cellRadius);
    sprites.goos[colorOf(held.colorIndex, look)].Draw(target, p.x(held.dropX - r),
                                                      p.y(held.dropY - r), nullptr, timeMs);
  }
}

void SceneRenderer::paintBlobsAndFlags(const World& world, const SceneFrame& frame,
                                       const Sprites& sprites, gfx::Surface& target, int ox, int oy,
                                       std::uint32_t timeMs, const SceneLook& look,
                                       FlagSlots& flags) const {
  const Projection p = projectionOf(frame, ox, oy);
  const float r = static_cast<float>(world.constants().cellRadius);
  flags.fill(FlagSlot{});
  for (const SceneFrame::BlobAt& blob : frame.blobs) {
    sprites.goos[colorOf(blob.colorIndex, look)].Draw(target, p.x(blob.x - r), p.y(blob.y - r),
                                                      nullptr, timeMs);
    // Each flag slot keeps the highest blob of its 200-unit band; blobs below the ground line
    // or above the twentieth band have none.
    if (blob.y > 0.0f) continue;
    const int band = truncToInt(blob.y * -0.005f);
    if (band < 0 || band >= kFlagSlots) continue;
    if (blob.y < flags[band].y) flags[band] = FlagSlot{blob.x, blob.y};
  }
  for (int band = 0; band < kFlagSlots; ++band) {
    const FlagSlot& slot = flags[band];
    if (slot.y == FlagSlot{}.y) continue;  // empty band
    // A band's flag just below the next band's would be drawn over by it: the tower has only
    // just passed the mark, and the higher flag stands for both.
    if (band + 1 < kFlagSlots && flags[band + 1].y != FlagSlot{}.y &&
        slot.y - flags[band + 1].y < static_cast<float>(flagHeight_)) {
      continue;
    }
    sprites.flag.Draw(target, p.x(slot.x - static_cast<float>(flagOffsetX_)),
                      p.y(slot.y - static_cast<float>(flagOffsetY_)), nullptr, timeMs);
  }
}

}  // namespace game
