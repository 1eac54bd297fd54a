// SceneFrame: what one game frame of a scene draws, kept apart from the world: the camera, the
// cloud, link, goo and blob positions with their colours, and the goo in the hand. The renderer
// keeps the last two; a picture between two game frames is drawn from their blend, so the world
// itself is never touched between its steps.
#pragma once

#include <cstdint>
#include <vector>

#include "game/world/world.h"

namespace game {

struct Cloud {
  int sprite = 0;      // 0..11
  float x = 0.0f;      // screen x
  float y = 0.0f;      // world y
  float speed = 0.0f;  // drift per unit of wind
};

struct SceneFrame {
  struct BlobAt {
    std::uint32_t id = 0;
    float x = 0.0f, y = 0.0f;
    std::uint16_t colorIndex = 0;
  };
  struct LinkAt {
    std::uint32_t a = 0, b = 0;  // blob ids of the ends
    float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
    std::uint16_t colorIndex = 0;
    bool frozen = false;
  };
  struct GooAt {
    const void* key = nullptr;  // the goo's address: a goo keeps it while it lives
    float x = 0.0f, y = 0.0f;
    std::uint8_t pulse = 0;
    bool magic = false;
    bool ring = false;  // the key pointer hovers over it
    std::uint16_t colorIndex = 0;
  };
  struct CloudAt {
    int sprite = 0;
    float x = 0.0f;  // screen x
    float y = 0.0f;  // world y
  };
  /// The goo in the hand and the links a drop would make.
  struct Held {
    bool shown = false;  // holding, or carried with the keys
    std::uint8_t placement = 0;
    float dropX = 0.0f, dropY = 0.0f;
    const Blob* anchorA = nullptr;  // compared only, never read through
    const Blob* anchorB = nullptr;
    std::uint32_t idA = 0, idB = 0;
    float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
    std::uint16_t colorIndex = 0;
    bool magic = false;
  };

  float cameraX = 0.0f, cameraY = 0.0f, zoom = 1.0f;
  std::vector<CloudAt> clouds;
  std::vector<LinkAt> links;
  std::vector<GooAt> goos;
  std::vector<BlobAt> blobs;
  Held held;
};

/// The held goo as the world has it now (what the pointer did since the last game frame).
SceneFrame::Held HeldOf(const World& world);

/// Records what the world shows now; clouds come from the renderer's list.
void CaptureFrame(const World& world, const std::vector<Cloud>& clouds, bool keyPointerShown,
                  SceneFrame& out);

/// The frame a fraction t (0..1) of the way from prev to cur: positions and the camera are
/// blended; everything discrete (which objects exist, colours, squash, the hand) comes from
/// prev while t < 0.5 and from cur after. t = 0 gives prev and t = 1 gives cur exactly. An
/// object that jumped further than jumpLimit world pixels (a cloud wrapping round, a goo
/// replaced by a new one) is not swept across the screen but shown where its frame has it.
void BlendFrames(const SceneFrame& prev, const SceneFrame& cur, float t, float jumpLimit,
                 float screenWidth, SceneFrame& out);

}  // namespace game
