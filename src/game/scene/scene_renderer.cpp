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

Projection projectionOf(const World& world, int ox, int oy) {
  const Camera& c = world.camera;
  return Projection{c.cameraX, c.cameraY, c.zoom, ox, oy};
}

// A free goo: a ball of its colour with a light spot, like the blobs, that breathes between a
// little wide and a little tall. The pulse runs 0..D/2 (D is CELL_DYN_RADIUS; a falling goo
// has 4); it is centred on the middle of that range and kept within a sixth of the radius, so
// the ball is never thinner than two thirds of its height.
void paintGoo(gfx::Surface& target, const Goo& goo, const WorldConstants& k, const Projection& p,
              float zoom, std::uint16_t colour) {
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
  const int side = 2 * ceilToInt(static_cast<float>(cellRadius) * zoom);
  for (int i = 0; i < kColorCount; ++i) {
    gooImages_[i].LoadResampled("gooimage" + std::to_string(i) + ".sft", source, side, side);
  }
  return flag_.LoadResampled("flag0.aspr", source, ceilToInt(static_cast<float>(flagWidth_) * zoom),
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

void SceneRenderer::Paint(World& world, gfx::Surface& target, int originX, int originY,
                          std::uint32_t timeMs, const SceneLook& look, bool keyPointerShown) {
  paintSky(world, target, originX, originY, look);
  paintEarth(world, target, originX, originY, look);
  if (look.cloudsOn) paintClouds(world, target, originX, originY, timeMs);

  const Projection p = projectionOf(world, originX, originY);
  const float linkWidth = LinkWidth(world.camera.zoom, world.constants().linkWidth);
  for (const Link& link : world.links()) {
    const std::uint16_t colour =
        link.frozen ? palette_.frozenLink : palette_.link[colorOf(link.colorIndex, look)];
    gfx::DrawThickLine(target, p.x(link.a->x), p.y(link.a->y), p.x(link.b->x), p.y(link.b->y),
                       linkWidth, colour, look.connectType);
  }
  if (!world.isDemo()) paintGoos(world, target, originX, originY, timeMs, look, keyPointerShown);
  paintBlobsAndFlags(world, target, originX, originY, timeMs, look);
  if (world.isDemo()) return;
  // A magic goo that came to rest among the blobs would vanish behind them: it is drawn once
  // more on top, so the player sees where to take it.
  for (const Goo& goo : world.goos()) {
    if (goo.magic)
      paintGoo(target, goo, world.constants(), p, world.camera.zoom, palette_.magicBlob);
  }
}

void SceneRenderer::paintSky(const World& world, gfx::Surface& target, int ox, int oy,
                             const SceneLook& look) {
  const Camera& c = world.camera;
  if (look.backgroundType == 0) {
    const int offset = truncToInt(static_cast<float>(size_.height - 10) / c.zoom + c.cameraY);
    gfx::FillGradient(target, ox, oy, size_.width, size_.height, kSkyPale, kSkyBlue,
                      size_.width * 848 / 480, offset, c.zoom);
  } else {
    gfx::FillRect(target, ox, oy, size_.width, size_.height, palette_.sky);
  }
}

// The 32 strips of ground around x 0, between samples k and k + 1 for k = -16 .. 15.
void SceneRenderer::paintEarth(const World& world, gfx::Surface& target, int ox, int oy,
                               const SceneLook& look) {
  const Camera& c = world.camera;
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

void SceneRenderer::paintClouds(const World& world, gfx::Surface& target, int ox, int oy,
                                std::uint32_t timeMs) {
  const Camera& c = world.camera;
  const float w = static_cast<float>(size_.width);
  const float r = static_cast<float>(world.constants().cellRadius);
  // Clouds sit half-way between the sky and the world when zoomed out.
  const float f = 1.0f - (1.0f - c.zoom) * 0.5f;
  for (Cloud& cloud : clouds_) {
    cloud.x += cloud.speed * world.wind.wind * 20.0f;
    if (cloud.x > 2.0f * w) cloud.x -= 3.0f * w;
    if (cloud.x < -w) cloud.x += 3.0f * w;
    const gfx::Picture* sprite = cloudSprites_[cloud.sprite].get();
    if (sprite == nullptr) continue;
    sprite->Draw(target, truncToInt(cloud.x) + ox,
                 truncToInt(f * cloud.y - (r + c.cameraY) * c.zoom) + oy, nullptr, timeMs);
  }
}

void SceneRenderer::paintGoos(const World& world, gfx::Surface& target, int ox, int oy,
                              std::uint32_t timeMs, const SceneLook& look, bool keyPointerShown) {
  const Projection p = projectionOf(world, ox, oy);
  const float zoom = world.camera.zoom;
  const WorldConstants& k = world.constants();
  for (const Goo& goo : world.goos()) {
    const std::uint16_t colour =
        goo.magic ? palette_.magicBlob : palette_.blob[colorOf(goo.colorIndex, look)];
    if (keyPointerShown && &goo == world.hoverGoo) {
      const int ring = truncToInt(static_cast<float>(k.cellRadius - goo.pulse + 4) * zoom);
      gfx::FillEllipse(target, p.x(goo.x), p.y(goo.y), ring, ring, colour);
    }
    paintGoo(target, goo, k, p, zoom, colour);
  }

  if (!world.holding && world.keyDrag == 0) return;
  const float linkWidth = LinkWidth(zoom, k.linkWidth);
  const int dx = p.x(world.dropX), dy = p.y(world.dropY);
  const auto lineTo = [&](const Blob* from, int x, int y) {
    if (from == nullptr) return;
    gfx::DrawThickLine(target, x, y, p.x(from->x), p.y(from->y), linkWidth, palette_.unfixedLink,
                       look.connectType);
  };
  if (world.placement == 1) {
    lineTo(world.anchorA, dx, dy);
    lineTo(world.anchorB, dx, dy);
  } else if (world.placement == 2 && world.anchorA != nullptr) {
    lineTo(world.anchorB, p.x(world.anchorA->x), p.y(world.anchorA->y));
  }
  if (world.placement != 2) {
    const float r = static_cast<float>(k.cellRadius);
    gooImages_[colorOf(world.heldColor, look)].Draw(target, p.x(world.dropX - r),
                                                    p.y(world.dropY - r), nullptr, timeMs);
  }
}

void SceneRenderer::paintBlobsAndFlags(const World& world, gfx::Surface& target, int ox, int oy,
                                       std::uint32_t timeMs, const SceneLook& look) {
  const Projection p = projectionOf(world, ox, oy);
  const float r = static_cast<float>(world.constants().cellRadius);
  flags_.fill(FlagSlot{});
  for (const Blob& blob : world.blobs()) {
    gooImages_[colorOf(blob.colorIndex, look)].Draw(target, p.x(blob.x - r), p.y(blob.y - r),
                                                    nullptr, timeMs);
    // Each flag slot keeps the highest blob of its 200-unit band; blobs below the ground line
    // or above the twentieth band have none.
    if (blob.y > 0.0f) continue;
    const int band = truncToInt(blob.y * -0.005f);
    if (band < 0 || band >= kFlagSlots) continue;
    if (blob.y < flags_[band].y) flags_[band] = FlagSlot{blob.x, blob.y};
  }
  for (const FlagSlot& slot : flags_) {
    if (slot.y == FlagSlot{}.y) continue;  // empty band
    flag_.Draw(target, p.x(slot.x - static_cast<float>(flagOffsetX_)),
               p.y(slot.y - static_cast<float>(flagOffsetY_)), nullptr, timeMs);
  }
}

}  // namespace game
