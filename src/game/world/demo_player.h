// DemoPlayer: the automatic player of the world behind the menus. It plays through the world's
// own rules, as a player with a stylus would: it takes a goo that climbs the tower (or, when none
// does, one crawling on the ground in view), carries it for a moment to a point above the top
// of the tower, where the placement test shows the links it would make, and lets it go there.
// A few goos are always on their way. The world starts over from its first blobs when the tower
// is tall, when it has stood long enough and when it has fallen, so the demo never runs away.
// The camera rises with the tower so that its top stays below a given screen row (the menus
// cover the rows above it).
//
// The player reads no clock: its own util::Random and the frames it is stepped are its inputs.
#pragma once

#include <cstdint>
#include <vector>

#include "game/world/world.h"
#include "util/random.h"

namespace game {

class DemoPlayer {
 public:
  /// Goos in the world at once (falling, crawling, climbing or in the hand).
  static constexpr int kGoos = 6;
  /// Frames between letting one goo go and taking the next (about two seconds).
  static constexpr int kPause = 45;
  /// Frames a goo is carried from where it was taken to where it is let go.
  static constexpr int kCarry = 20;
  /// Frames before the world starts over however the tower stands (a minute and a half).
  static constexpr int kRoundFrames = 25 * 90;
  /// Frames the tower stays up at its final height before the world starts over.
  static constexpr int kShowFrames = 25 * 4;

  explicit DemoPlayer(std::uint32_t seed = 1) : random_(seed) {}

  /// A blob of the world's start, made with this id, and a link between two such blobs: the
  /// world returns to these when it starts over. A link naming another blob is left out.
  void AddStartBlob(const Blob& blob);
  void AddStartLink(std::uint32_t idA, std::uint32_t idB, std::uint16_t colorIndex);

  /// The tower starts over once its top is this many metres high.
  void SetTopMetres(float metres) { topMetres_ = metres; }
  /// The highest screen row (relative to the scene) the tower's top may show at; the camera
  /// rises with the tower to keep it there. screenHeight is the scene's height.
  void SetClearRow(int row, int screenHeight);

  /// One frame, after the world's own step: keeps the goos coming, plays, follows the tower
  /// with the camera and starts over when the round is done.
  void Step(World& world);
  /// Empties the world and puts the start back (the standard base when there is none).
  void StartOver(World& world);

  /// Blobs built since the start, and the times the world started over.
  int built() const { return totalBuilt_; }
  int rounds() const { return rounds_; }

 private:
  struct StartBlob {
    std::int16_t x, y;
    std::uint16_t colorIndex;
    std::uint32_t id;  // as first made
  };
  struct StartLink {
    std::size_t a, b;
    std::uint16_t colorIndex;
  };

  void takeGoo(World& world);
  void carry(World& world);
  /// Chooses where to let the held goo go: the highest good place around the top blob, kept
  /// over the tower's base. False when no place makes a new blob.
  bool choosePlace(World& world);
  bool testAt(World& world, float wx, float wy);
  void followTower(World& world, const Blob* top) const;
  bool roundDone(const World& world, const Blob* top);

  util::Random random_;
  std::vector<StartBlob> startBlobs_;
  std::vector<StartLink> startLinks_;
  float topMetres_ = 10.0f;
  int clearRow_ = 0;
  int screenHeight_ = 0;
  int wait_ = kPause;
  int carried_ = 0;
  float fromX_ = 0.0f, fromY_ = 0.0f;  // where the goo was taken
  std::uint32_t placeOn_ = 0;          // the blob the place is kept relative to (its id)
  float placeDx_ = 0.0f, placeDy_ = 0.0f;
  int frames_ = 0;   // frames of this round
  int showing_ = 0;  // frames the finished tower has been shown
  int built_ = 0;    // this round
  int totalBuilt_ = 0;
  int rounds_ = 0;
};

}  // namespace game
