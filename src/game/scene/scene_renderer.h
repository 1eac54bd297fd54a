// SceneRenderer: draws one frame of a scene's world: the sky, the ground strips, the clouds with
// their drift, the links, the free goos, the goo in the hand with the links it would make, the
// blobs and the height flags. It owns the sprites the scene draws with (goo images and the flag
// pre-scaled for the current zoom, the twelve clouds) and the cloud list. The texts drawn over
// the scene (height, control time) belong to the scene control.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "game/scene/camera_control.h"
#include "game/scene/scene_frame.h"
#include "game/scene/scene_palette.h"
#include "game/world/world.h"
#include "gfx/images/anim_picture.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"

namespace game {

/// The options that change how a scene looks.
struct SceneLook {
  int connectType = 0;  // link style: 0 standard, 1 one line, 2 two lines
  bool cloudsOn = false;
  int backgroundType = 0;  // 0 gradient sky and earth, 1 flat colours
  int colorSpectrum = 0;   // colour pair 0..4 when not multicoloured
  bool multicolorOn = false;
};

inline constexpr int kCloudSprites = 12;
inline constexpr int kFlagSlots = 20;
/// The sky gradient's two colours: pale near the ground, blue above.
inline constexpr std::uint16_t kSkyPale = 0xF7DA;
inline constexpr std::uint16_t kSkyBlue = 0x5CFF;

class SceneRenderer {
 public:
  SceneRenderer(SceneSize size, const ScenePalette& palette);

  /// The flag sprite's size at zoom 1 ("FLAG_SIZE_X", "FLAG_SIZE_Y").
  void SetFlagSize(int width, int height);
  /// Loads the goo images at 2 x ceil(R x zoom) square and the flag at the zoomed flag size.
  /// False when the flag could not be loaded (the caller tells the player once); goo images
  /// that fail stay empty and draw nothing.
  bool LoadZoomedSprites(gfx::EntrySource& source, int cellRadius, float zoom);
  /// Loads "cloud_1.espr" .. "cloud_12.espr"; missing ones draw nothing.
  void LoadClouds(gfx::EntrySource& source);

  /// A cloud at screen x, height yUp above the ground (stored negated) and speed; the picture
  /// number is clamped to 0..11.
  void AddCloud(float x, float yUp, float speed, int picture);
  /// Where the flag hangs relative to a blob's centre, in world pixels.
  void SetFlagOffset(int fx, int fy) {
    flagOffsetX_ = fx;
    flagOffsetY_ = fy;
  }

  /// Draws the world with the scene's top-left at (originX, originY) of target. The caller
  /// holds the world's lock and has already moved the camera for this frame (edge scrolling,
  /// smooth zoom). Clouds drift as they are drawn. keyPointerShown draws the hover goo's ring.
  /// The frame drawn is kept, with the one before, for PaintBetween.
  void Paint(World& world, gfx::Surface& target, int originX, int originY, std::uint32_t timeMs,
             const SceneLook& look, bool keyPointerShown);

  /// Draws the scene a fraction t (0..1) of the way from the frame before the last Paint to
  /// the last one, changing nothing: t = 0 and t = 1 draw those two frames exactly. hand, when
  /// given, is the goo in the hand as the pointer holds it now (drawn at the pointer with the
  /// last frame's camera); otherwise the hand is blended like the rest. Before any Paint it
  /// draws nothing.
  void PaintBetween(const World& world, gfx::Surface& target, int originX, int originY,
                    std::uint32_t timeMs, const SceneLook& look, float t,
                    const SceneFrame::Held* hand) const;

  /// Link width for a zoom: ceil(zoom x LINK_SIZE).
  static float LinkWidth(float zoom, float linkSize);

  struct FlagSlot {
    float x = 10000.0f;
    float y = 10000.0f;
  };
  using FlagSlots = std::array<FlagSlot, kFlagSlots>;
  /// The highest blob of each 200-unit height band, as the last Paint found them.
  const FlagSlots& flagSlots() const { return flags_; }
  const std::vector<Cloud>& clouds() const { return clouds_; }
  std::vector<Cloud>& clouds() { return clouds_; }

 private:
  // The goo images and the flag scaled for one zoom. The set of the zoom before is kept so
  // that a picture between two frames of a zoom change draws each frame's own sprites.
  struct Sprites {
    float zoom = -1.0f;
    std::array<gfx::StreamPicture, kColorCount> goos;
    gfx::AnimPicture flag;
  };
  const Sprites& spritesFor(float zoom) const;
  void drawFrame(const World& world, const SceneFrame& frame, gfx::Surface& target, int ox, int oy,
                 std::uint32_t timeMs, const SceneLook& look, FlagSlots& flags) const;
  void paintSky(const SceneFrame& frame, gfx::Surface& target, int ox, int oy,
                const SceneLook& look) const;
  void paintEarth(const World& world, const SceneFrame& frame, gfx::Surface& target, int ox, int oy,
                  const SceneLook& look) const;
  void paintClouds(const World& world, const SceneFrame& frame, gfx::Surface& target, int ox,
                   int oy, std::uint32_t timeMs) const;
  void paintGoos(const World& world, const SceneFrame& frame, const Sprites& sprites,
                 gfx::Surface& target, int ox, int oy, std::uint32_t timeMs,
                 const SceneLook& look) const;
  void paintBlobsAndFlags(const World& world, const SceneFrame& frame, const Sprites& sprites,
                          gfx::Surface& target, int ox, int oy, std::uint32_t timeMs,
                          const SceneLook& look, FlagSlots& flags) const;
  int colorOf(int ownIndex, const SceneLook& look) const;

  SceneSize size_;
  ScenePalette palette_;
  std::unique_ptr<Sprites> sprites_ = std::make_unique<Sprites>();
  std::unique_ptr<Sprites> oldSprites_ = std::make_unique<Sprites>();
  SceneFrame previous_;
  SceneFrame current_;
  int framesPainted_ = 0;
  mutable SceneFrame blended_;  // scratch for PaintBetween, kept to reuse its memory
  std::array<std::unique_ptr<gfx::Picture>, kCloudSprites> cloudSprites_;
  std::vector<Cloud> clouds_;
  std::array<FlagSlot, kFlagSlots> flags_;
  int flagWidth_ = 0;
  int flagHeight_ = 0;
  int flagOffsetX_ = 0;
  int flagOffsetY_ = 0;
};

}  // namespace game
