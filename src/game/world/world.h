// World: the simulated content of one game scene — blobs joined by links, free goos, the ground
// and the wind — with the per-frame step and the player's construction operations.
//
// One Update is one fixed step (no sub-steps, all speeds per frame), in this order:
//   1. counters: every 26 frames a second passes and the wind timer runs down;
//   2. ApplyForces: gravity, wind and damping on every blob, then the link springs in list
//      order, each spring seeing the speeds left by the springs before it;
//   3. integration: blobs in the air move by their speed; a blob on or below the ground is put
//      onto it and never moves again;
//   4. MoveGoos (game scene only): spawning, pulsing, climbing, falling, walking to the base;
//   5. the game rules (through WorldEvents::CheckGameRules), then "EiffelText" is enabled while
//      the tower stands.
// Blobs, links and goos are kept in std::list, whose elements never move, so the plain pointers
// between them stay valid; removing an element first clears every pointer to it.
//
// The world reads no clock and no option: frame counters, the WorldConfig and its own
// util::Random are its only inputs besides the calls below. Update, UndoLastTurn and the
// scene's paint take lock(), a re-entrant mutex.
#pragma once

#include <cstdint>
#include <list>
#include <mutex>

#include "game/world/blob.h"
#include "game/world/earth.h"
#include "game/world/goo.h"
#include "game/world/link.h"
#include "game/world/wind.h"
#include "game/world/world_config.h"
#include "game/world/world_events.h"
#include "util/random.h"

namespace game {

/// The view onto the world: a world point (x, y) is drawn at ((x - cameraX) * zoom,
/// (y - cameraY) * zoom) relative to the scene. The renderer animates it; construction converts
/// screen points with it and keeps savedZoom / targetZoom while a goo is held.
struct Camera {
  float cameraX = 0.0f;
  float cameraY = 0.0f;
  float zoom = 1.0f;
  float targetZoom = 1.0f;
  float savedZoom = 1.0f;
};

/// Game modes (the scene's mode field): 0 none, 1 classic, 2 relay, 4 unlimited.
inline constexpr int kModeUnlimited = 4;
/// Free goos never exceed this many.
inline constexpr int kMaxFreeGoos = 50;
/// A free goo out of the player's reach for longer than this many frames (10 s) falls again
/// from the sky.
inline constexpr int kStrayGooFrames = 250;

class World {
 public:
  /// events may be null (nothing is reported) and must outlive the world.
  World(const WorldConfig& config, WorldEvents* events);
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  // ---- the step (world_step.cpp) ----

  /// One frame, under lock().
  void Update();
  /// Stage 2: forces and link springs (changes speeds only).
  void ApplyForces();
  /// Stage 3: moves the blobs in the air; plays "twdown.wav" when one lands.
  void Integrate();
  /// Stage 4: ground test, spawning and goo motion, then the hover goo. No-op in a still world.
  void MoveGoos();
  /// Adds one magic goo high above the ground.
  void SpawnMagicGoo();
  /// True when the player can get to this free goo: its position is a number and lies within
  /// the field the view can be moved over (x within W x 1000 / 480 of the centre; y within the
  /// range of blob coordinates).
  bool InReach(const Goo& goo) const;
  /// Ground y at world x.
  int groundHeightAt(int x) const { return earth.groundHeightAt(x); }
  /// Advances the wind (see Wind::ChangeWind).
  void ChangeWind() { wind.ChangeWind(); }

  // ---- construction (world_build.cpp) ----

  /// Appends a blob at (x, y) with zero speed and no links; lastBlobMagic := magic.
  Blob* AddBlob(std::int16_t x, std::int16_t y, std::uint16_t colorIndex, std::uint8_t magic);
  /// The live blob with this id (Blob::id), or null: ids that scripts pass back as text are
  /// checked against the blob list instead of being trusted as addresses.
  Blob* FindBlob(std::uint32_t id);
  /// Appends a link between a and b (both in this world); rest length is their distance scaled
  /// to a 480-wide screen; frozen when either end is magic. Null when a or b is null or a == b.
  Link* AddLink(Blob* a, Blob* b, std::uint16_t colorIndex);
  /// Takes the first free goo within the pick range of the screen point into the hand.
  /// False in a still world, while already holding, or when no goo is in range.
  bool PickGoo(std::int16_t sx, std::int16_t sy);
  /// Moves the held goo to the screen point and decides what a drop there would build
  /// (placement, anchorA, anchorB). True when the point is usable.
  bool TestPlacement(std::int16_t sx, std::int16_t sy);
  /// Lets the held goo go at the last tested point: builds a blob or a link, or puts the goo
  /// back into the world with the next colour. keyForm also ends a key carry.
  void DropGoo(bool keyForm = false);
  /// Ends a key carry without a drop request: the goo leaves the hand and is not put back (the
  /// spawner brings a replacement).
  void AbandonHeldGoo();
  /// The starting trapezoid of four blobs and six links around (x0, y0).
  void BuildBase(std::int16_t x0, std::int32_t y0);
  /// Takes back the last placement (one level), under lock().
  void UndoLastTurn();

  // ---- life cycle (world.cpp) ----

  /// Empties the three lists and clears every reference into them.
  void ClearLists();
  /// Resets the construction state for a new game (holding, placement, streaks, counters...).
  /// Experience points are cleared too unless keepExperience (the next level of a relay keeps
  /// them). Wind, colour counter and frame count are left as they are.
  void ResetConstruction(bool keepExperience = false);
  /// Overrides the link stiffness (script SetResistanceFactor); frozen stiffness becomes 0.6.
  void SetResistanceFactor(float value);
  /// Where the key pointer is (screen point relative to the scene) and whether it is shown;
  /// read when the hover goo is computed.
  void SetKeyPointer(bool visible, std::int16_t sx, std::int16_t sy);

  /// Screen point to world point with the camera.
  void screenToWorld(float sx, float sy, float& wx, float& wy) const;
  /// World point to screen point (truncated) with the camera.
  void worldToScreen(float wx, float wy, int& sx, int& sy) const;
  /// Height in metres of world y: -y / (RES_X / 12).
  float metres(float y) const;

  std::recursive_mutex& lock() { return lock_; }
  const WorldConstants& constants() const { return constants_; }
  util::Random& random() { return random_; }
  const util::Random& random() const { return random_; }

  const std::list<Blob>& blobs() const { return blobs_; }
  const std::list<Link>& links() const { return links_; }
  const std::list<Goo>& goos() const { return goos_; }
  /// Mutable access for the scene and tests (positions, speeds, frozen flags). Adding or removing
  /// elements must go through the operations above.
  std::list<Blob>& blobs() { return blobs_; }
  std::list<Link>& links() { return links_; }
  std::list<Goo>& goos() { return goos_; }

  /// Adds a free goo directly (tests, experience shop); returns it.
  Goo* AddGoo(const Goo& goo);

  // ---- state read and written by the scene, the renderer and the game modes ----
  Earth earth;
  Wind wind;
  Camera camera;
  WorldConstants& tuning() { return constants_; }

  std::int32_t frameInSecond = 0;
  std::int32_t seconds = 0;
  std::uint32_t frameCount = 0;
  std::uint8_t grounded = 0;
  float towerTop = 0.0f;  ///< smallest blob y of this frame, never above 0
  float bestTop = 0.0f;   ///< smallest towerTop seen while grounded
  std::uint16_t colorCounter = 0;

  int mode = 0;
  std::int32_t gooLimit = 0;
  std::int32_t goosUsed = 0;
  std::uint8_t holding = 0;
  std::uint8_t keyDrag = 0;  ///< 0 none, 1 carried with the keys, 2 drop requested
  std::uint16_t heldColor = 0;
  std::uint8_t heldMagic = 0;
  float dropX = 0.0f;
  float dropY = 0.0f;
  std::uint8_t placement = 0;  ///< 0 nothing, 1 new blob, 2 link only
  Blob* anchorA = nullptr;
  Blob* anchorB = nullptr;
  std::int32_t critCountdown = 0;
  Blob* lastBlob = nullptr;
  Link* lastLink = nullptr;
  std::uint8_t lastBlobMagic = 0;
  std::uint8_t magicUndone = 0;
  Goo* hoverGoo = nullptr;
  std::int32_t recordStreak = 0;
  std::int32_t recordMark = 0;
  std::uint8_t recordFlag = 0;
  std::int32_t experiencePoints = 0;

  bool isDemo() const { return isDemo_; }

 private:
  void playSample(const char* name);
  void spawnGoos();
  void moveGoo(Goo& goo, std::uint32_t index, const Blob& base);
  void bringBackStray(Goo& goo);
  void updateHoverGoo();
  /// Whether the goo lies within the pick range of the world point, and the first magic goo
  /// that does (the one a pick takes before any other), or end.
  bool inPickRange(const Goo& goo, float px, float py) const;
  std::list<Goo>::iterator magicGooInPickRange(float px, float py);
  void heightRecord(const Blob& blob);
  void removeLink(Link* link);
  void removeBlob(Blob* blob);
  void forgetBlob(const Blob* blob);
  void removeGoo(std::list<Goo>::iterator it);

  WorldConstants constants_;
  WorldEvents* events_;
  bool isDemo_;
  util::Random random_;
  std::recursive_mutex lock_;
  std::list<Blob> blobs_;
  std::list<Link> links_;
  std::list<Goo> goos_;
  std::uint32_t nextBlobId_ = 1;
  bool pointerVisible_ = false;
  std::int16_t pointerX_ = 0;
  std::int16_t pointerY_ = 0;
};

}  // namespace game
