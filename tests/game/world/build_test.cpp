// Construction: picking, the placement test, dropping, the base, undo and the record streak.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>

#include "world_fixture.h"

namespace game {
namespace {

using testing::WorldTest;

// Two blobs 30 apart, joined: the usual start of a placement test.
struct PairTest : WorldTest {
  PairTest() { world.AddLink(a, b, 0); }
  // Holds a goo at (x, y) and drops it there after a placement test.
  void place(std::int16_t x, std::int16_t y, std::uint16_t color = 0, std::uint8_t magic = 0) {
    hold(x, y, color, magic);
    ASSERT_TRUE(world.TestPlacement(x, y));
    world.DropGoo();
  }
  Blob* a = world.AddBlob(0, -100, 1, 0);
  Blob* b = world.AddBlob(30, -100, 2, 0);
};

TEST(WorldPick, TakesTheFirstGooInRangeNotTheNearest) {
  WorldTest t;
  World& w = t.world;
  w.AddGoo({.x = 20, .y = -100, .magic = 1, .colorIndex = 3});
  w.AddGoo({.x = 1, .y = -100, .magic = 1, .colorIndex = 1});
  w.camera = {.cameraX = -10.0f, .cameraY = -150.0f, .zoom = 2.0f};
  ASSERT_TRUE(w.PickGoo(20, 100));  // screen (20, 100) is world (0, -100)
  EXPECT_EQ(std::tuple(+w.holding, +w.heldColor, +w.heldMagic, w.dropX, w.dropY),
            std::tuple(1, 3, 1, 0.0f, -100.0f));
  ASSERT_EQ(w.goos().size(), 1u);
  EXPECT_EQ(std::tuple(w.camera.savedZoom, w.goos().front().colorIndex), std::tuple(2.0f, 1));
  EXPECT_EQ(t.events.samples, std::vector<std::string>{"catch4.wav"});
}

// The pick range of 24 is strict in each axis; a second pick while holding keeps the held goo.
TEST(WorldPick, RangeIsStrictAndTheHandHoldsOne) {
  WorldTest t;
  const Goo goo{.x = 24, .y = -100};
  t.world.AddGoo(goo);
  EXPECT_FALSE(t.world.PickGoo(0, -100) || t.world.PickGoo(1, -124));
  EXPECT_TRUE(t.world.PickGoo(1, -123));
  t.world.AddGoo(goo);
  EXPECT_TRUE(!t.world.PickGoo(24, -100) && t.world.goos().size() == 1u);
}

TEST(WorldPlacement, UnjoinedBlobsMakeABareLinkFromAfar) {
  WorldTest t;
  World& w = t.world;
  Blob* a = w.AddBlob(0, -100, 0, 0);
  Blob* b = w.AddBlob(80, -100, 0, 0);  // 80 < 2 x reach
  t.hold(40, -400, 3);
  EXPECT_TRUE(w.TestPlacement(40, -400));  // 300 away from both
  EXPECT_TRUE(w.placement == 2 && w.anchorA == a) << "on a tie the earlier blob is the nearest";
  w.DropGoo();
  ASSERT_EQ(w.links().size(), 1u);
  const Link& link = w.links().front();
  EXPECT_TRUE(link.a == a && link.b == b && link.colorIndex == 3);
  EXPECT_TRUE(w.lastLink == &link && w.lastBlob == nullptr);
  EXPECT_EQ(std::tuple(w.goosUsed, w.holding + w.placement, w.blobs().size()),
            std::tuple(1, 0, 2u));
  EXPECT_EQ(t.events.count("linkplaced.wav"), 1);
}

TEST(WorldPlacement, MagicGooNeverMakesABareLink) {
  WorldTest t;
  t.world.AddBlob(0, -100, 0, 0);
  t.world.AddBlob(80, -100, 0, 0);
  t.hold(-20, -100, 0, 1);
  EXPECT_FALSE(t.world.TestPlacement(-20, -100));
  t.world.DropGoo();
  ASSERT_TRUE(t.world.links().empty() && t.world.goos().size() == 1u);
  EXPECT_EQ(t.world.goos().front().magic, 1) << "it comes back as a magic goo";
}

TEST(WorldPlacement, NewBlobJoinsTheTwoNearestEvenBeyondReach) {
  PairTest t;
  World& w = t.world;
  t.hold(-49, -100, 4);
  EXPECT_TRUE(w.TestPlacement(-49, -100) && w.placement == 1);  // nearest 49, second 79
  w.towerTop = -100.0f;
  w.DropGoo();
  ASSERT_EQ(w.blobs().size(), 3u);
  const Blob& blob = w.blobs().back();
  EXPECT_TRUE(blob.x == -49.0f && blob.y == -100.0f && blob.colorIndex == 4);
  ASSERT_EQ(blob.links.size(), 2u);
  EXPECT_TRUE(blob.links[0]->b == t.b && blob.links[1]->b == t.a) << "the second-nearest first";
  EXPECT_FLOAT_EQ(blob.links[0]->restLength, 79.0f * 2.0f);
  EXPECT_TRUE(w.lastBlob == &blob && w.lastLink == nullptr && w.goosUsed == 1);
  EXPECT_TRUE(t.events.maxHeights.empty()) << "level with the top is no record";
}

// Where a held goo may go, with reach 50 and shortest link 10 at this size: a new blob needs its
// nearest blob within [10, 50) or, when that one is too close, the second one there; a bare link
// between two unjoined blobs needs them less than twice the reach apart; nothing is tested
// without two blobs within a thousand.
TEST(WorldPlacement, BoundsOfTheReach) {
  struct Case {
    float secondX;
    bool joined;
    std::int16_t x;
    bool tested;
    int placement;
  };
  for (const Case c : {
           Case{100, false, -30, true, 1},  // exactly 2 x reach apart: a new blob instead
           Case{60, true, -50, true, 0},    // nearest exactly at the reach, second at 110
           Case{60, true, -10, true, 0},    // nearest exactly at the shortest, second at 70
           Case{60, true, -9, true, 0},     // second at 69: still out
           Case{60, true, -11, true, 1},
           Case{30, true, -10, true, 1},  // nearest exactly 10, the second at 40 rescues it
           Case{30, true, 0, true, 1},    // on top of the first: the second at 30
           Case{2000, false, -20, false, 0},
       }) {
    WorldTest t;
    Blob* a = t.world.AddBlob(0, -100, 0, 0);
    Blob* b = t.world.AddBlob(c.secondX, -100, 0, 0);
    if (c.joined) t.world.AddLink(a, b, 0);
    t.hold(0, -200);
    const bool tested = t.world.TestPlacement(c.x, -100);
    const int placement = t.world.placement;
    t.world.DropGoo();
    EXPECT_EQ(std::tuple(tested, placement, t.world.blobs().size()),
              std::tuple(c.tested, c.placement, c.placement == 1 ? 3u : 2u))
        << c.secondX << " " << c.x;
  }
}

TEST(WorldPlacement, LinkLeftSoundsOnceWhenMovingBelowTheGround) {
  PairTest t;
  t.hold(-20, -100);
  ASSERT_TRUE(t.world.TestPlacement(-20, -100));
  EXPECT_FALSE(t.world.TestPlacement(-20, 5) || t.world.TestPlacement(-20, 60));
  EXPECT_EQ(std::tuple(t.events.count("linkleft.wav"), t.world.dropY), std::tuple(1, 60.0f));
  EXPECT_TRUE(t.world.TestPlacement(-20, -100) && !t.world.TestPlacement(-20, 5));
  EXPECT_EQ(t.events.count("linkleft.wav"), 2);
}

// Links longer than 1250 squared warn on the first test and every fiftieth after; shorter ones
// only run the countdown down.
TEST(WorldPlacement, CriticalSizeWarningRepeatsEveryFiftyTests) {
  PairTest t;
  t.hold(-40, -100);
  for (int i = 0; i < 60; ++i)
    ASSERT_TRUE(t.world.TestPlacement(-40, -100));  // 1600 > 1250
  EXPECT_EQ(t.events.count("critsize.wav"), 2);
  for (int i = 0; i < 40; ++i)
    t.world.TestPlacement(-20, -100);
  EXPECT_EQ(t.world.critCountdown, 0);
  t.world.TestPlacement(-25, -75);  // 25 x 25 + 25 x 25 = 1250 is not above 1250
  EXPECT_EQ(t.events.count("critsize.wav"), 2);
  t.world.TestPlacement(-36, -100);
  EXPECT_EQ(t.events.count("critsize.wav"), 3);
}

// A failed drop lets the goo fall where it is, in the next colour of a cycle of five.
TEST(WorldDrop, FailedDropTakesTheNextColourAndFalls) {
  WorldTest t;
  World& w = t.world;
  w.AddBlob(300, 0, 0, 0);  // grounded, so the goos move
  w.colorCounter = 3;
  t.hold(-50, -200, 1);
  w.camera.zoom = 1.5f;
  EXPECT_FALSE(w.TestPlacement(-50, -200));  // screen point: world (-33.3, -133.3)
  w.DropGoo();
  ASSERT_EQ(w.goos().size(), 1u);
  const Goo& goo = w.goos().front();
  EXPECT_FLOAT_EQ(goo.x, -50.0f / 1.5f);
  EXPECT_FLOAT_EQ(goo.y, -200.0f / 1.5f);
  EXPECT_TRUE(goo.colorIndex == 3 && goo.vy == 0.0f && goo.link == nullptr && w.goosUsed == 0);
  EXPECT_EQ(t.events.samples.back(), "drop4.wav");
  EXPECT_EQ(w.camera.targetZoom, 1.0f) << "the view returns to the zoom of the pick";
  const float y = goo.y;
  w.MoveGoos();
  EXPECT_FLOAT_EQ(goo.y, y + 0.15f);

  w.camera.zoom = 1.0f;
  for (int i = 0; i < 2; ++i) {
    t.hold(0, -100);
    w.DropGoo();
  }
  // After the fifth colour the first.
  EXPECT_EQ(std::tuple(w.goos().back().colorIndex, t.events.samples.back()),
            std::tuple(0, "drop1.wav"));
}

// A drop with nothing in the hand builds nothing; an abandoned goo ends the key carry and is
// not put back.
TEST(WorldDrop, EmptyOrAbandonedHandBuildsNothing) {
  PairTest t;
  World& w = t.world;
  w.camera.savedZoom = 0.7f;
  w.placement = 1;
  w.anchorA = t.a;
  w.anchorB = t.b;
  w.DropGoo();
  EXPECT_EQ(std::tuple(w.blobs().size(), w.goos().size(), w.placement, w.camera.targetZoom),
            std::tuple(2u, 0u, 0, 0.7f));
  t.hold(-20, -100);
  w.keyDrag = 1;
  w.AbandonHeldGoo();
  EXPECT_EQ(w.holding + w.keyDrag + w.goos().size(), 0u);
}

TEST(WorldUndo, TakesBackOnlyTheLastPlacement) {
  PairTest t;
  World& w = t.world;
  w.ApplyForces();
  t.place(15, -125);
  w.ApplyForces();
  t.place(15, -150);
  ASSERT_EQ(std::tuple(w.links().size(), w.recordStreak), std::tuple(5u, 2));

  w.UndoLastTurn();
  EXPECT_EQ(std::tuple(w.blobs().size(), w.links().size(), w.recordStreak, w.goosUsed),
            std::tuple(3u, 3u, 1, 1));
  EXPECT_TRUE(w.lastBlob == nullptr && w.magicUndone == 1 && w.blobs().back().y == -125.0f);
  EXPECT_EQ(w.blobs().back().links.size(), 2u) << "no reference to the removed links";

  w.UndoLastTurn();
  // One level of undo only: the second undo only lowers the streak.
  EXPECT_EQ(std::tuple(w.blobs().size(), w.goosUsed, w.recordStreak), std::tuple(3u, 1, 0));
  w.UndoLastTurn();
  EXPECT_EQ(w.recordStreak, 0);
}

TEST(WorldUndo, BareLinkUndoDetachesItsClimbers) {
  WorldTest t;
  Blob* a = t.world.AddBlob(0, -100, 0, 0);
  Blob* b = t.world.AddBlob(80, -100, 0, 0);
  t.hold(40, -300);
  ASSERT_TRUE(t.world.TestPlacement(40, -300));
  t.world.DropGoo();
  Goo* g = t.world.AddGoo({.vy = 2.0f, .link = t.world.lastLink, .target = b});
  t.world.UndoLastTurn();
  EXPECT_TRUE(t.world.links().empty() && a->links.empty() && b->links.empty());
  EXPECT_TRUE(g->link == nullptr && g->vy == 0.0f && !t.world.lastLink && !t.world.goosUsed);
}

TEST(WorldUndo, RemovedBlobLeavesNoReferenceBehind) {
  PairTest t;
  t.place(15, -125);
  Blob* added = t.world.lastBlob;
  const std::uint32_t id = added->id;
  Goo* g = t.world.AddGoo({.link = added->links[0], .target = added});
  // A new goo held over the tower was tested against the new blob.
  t.hold(15, -160);
  ASSERT_TRUE(t.world.TestPlacement(15, -160));
  ASSERT_EQ(t.world.anchorA, added);
  t.world.SetKeyPointer(true, 15, -125);
  t.world.UndoLastTurn();
  EXPECT_TRUE(!g->target && !g->link && !t.world.anchorA && !t.world.anchorB && !t.world.placement);
  t.world.DropGoo();  // builds nothing: the goo returns
  EXPECT_EQ(std::tuple(t.world.blobs().size(), t.world.links().size()), std::tuple(2u, 1u));
  // Scripts name blobs by id: only live blobs are found, and ids are never reused.
  EXPECT_TRUE(t.world.FindBlob(t.a->id) == t.a && !t.world.FindBlob(0) && !t.world.FindBlob(id));
  EXPECT_NE(t.world.AddBlob(0, 0, 0, 0)->id, id) << "ids are never reused";
}

// An undone blob gives its goo back to the spawner: a magic one as a magic goo (in the next of
// four colours), an ordinary one as an ordinary goo.
TEST(WorldUndo, UndoneBlobComesBackAsAGooOfItsKind) {
  for (const std::uint8_t magic : {0, 1}) {
    PairTest t;
    World& w = t.world;
    w.AddBlob(300, 0, 0, 0);  // grounded, for the spawner
    w.mode = 1;
    w.gooLimit = 1;
    w.colorCounter = 3;
    t.place(15, -125, 2, magic);
    ASSERT_EQ(w.blobs().back().magic, magic);
    for (const Link* link : w.blobs().back().links)
      EXPECT_EQ(link->frozen, magic);
    w.MoveGoos();
    EXPECT_TRUE(w.goos().empty()) << "the limit is used up";
    w.UndoLastTurn();
    w.MoveGoos();
    ASSERT_EQ(w.goos().size(), 1u);
    const Goo& goo = w.goos().front();
    EXPECT_EQ(std::tuple(goo.magic, goo.colorIndex, w.lastBlobMagic), std::tuple(magic, 3, 0));
    // Magic goos cycle through four colours and spawn at -(W * 1000 / 480), then fall once.
    EXPECT_EQ(w.colorCounter, magic ? 0 : 4);
    EXPECT_FLOAT_EQ(goo.y, magic ? -500.0f + 0.15f : goo.y);
  }
}

// Builds a column straight up from the pair, one blob 25 above the last, each a new record.
struct ColumnTest : PairTest {
  void placeRecords(int from, int to) {
    for (int k = from; k <= to; ++k) {
      world.ApplyForces();  // measures the tower's top as a frame would
      place(15, static_cast<std::int16_t>(-100 - 25 * k));
      ASSERT_NE(world.lastBlob, nullptr) << k;
    }
  }
};

TEST(WorldRecords, StreakBonusTable) {
  ColumnTest t;
  t.placeRecords(1, 14);
  ASSERT_EQ(t.events.maxHeights.size(), 14u);
  EXPECT_EQ(t.events.maxHeights[0], std::tuple(125.0f / 20.0f, 15, -125));
  // {bonus, total, the record it is paid at}
  const std::tuple<std::string, int, int> paid[] = {{"1", 1, 3},  {"2", 3, 5},   {"4", 7, 7},
                                                    {"6", 13, 9}, {"9", 22, 12}, {"1", 23, 13},
                                                    {"1", 24, 14}};
  ASSERT_EQ(t.events.experience.size(), std::size(paid));
  for (std::size_t i = 0; i < std::size(paid); ++i) {
    const auto& [bonus, total, record] = paid[i];
    EXPECT_EQ(t.events.experience[i], std::tuple(bonus, total, -100 - 25 * record, 8)) << i;
  }
  EXPECT_EQ(t.world.experiencePoints, 24);
}

TEST(WorldRecords, UndoAndRepeatDoesNotPayTwice) {
  ColumnTest t;
  t.placeRecords(1, 3);
  EXPECT_EQ(t.world.experiencePoints, 1);
  t.world.UndoLastTurn();
  EXPECT_EQ(t.world.recordStreak, 2);
  t.placeRecords(3, 3);
  EXPECT_EQ(std::tuple(t.world.recordStreak, t.events.experience.size()), std::tuple(3, 1u));
  t.placeRecords(4, 5);
  EXPECT_EQ(t.world.experiencePoints, 3);
}

TEST(WorldRecords, PlacementBelowTheTopEndsTheStreak) {
  ColumnTest t;
  t.placeRecords(1, 2);
  t.world.ApplyForces();
  t.place(-20, -100);
  EXPECT_EQ(t.world.recordStreak + t.world.recordMark + t.world.recordFlag, 0);
  t.placeRecords(3, 5);
  EXPECT_EQ(t.world.experiencePoints, 1) << "a new streak pays again from its third record";
}

TEST(WorldRecords, UndoAfterALinkLowersTheStreakOnlyFromTheSecondCall) {
  ColumnTest t;
  t.placeRecords(1, 2);
  Blob* far = t.world.AddBlob(-80, -100, 0, 0);  // not joined to a: a bare link is possible
  t.place(-40, -100);
  ASSERT_EQ(t.world.lastLink, &t.world.links().back());
  EXPECT_EQ(std::tuple(t.world.recordFlag, t.world.recordStreak), std::tuple(0, 2)) << "kept";
  t.world.UndoLastTurn();
  EXPECT_TRUE(far->links.empty() && t.world.recordStreak == 2);
  t.world.UndoLastTurn();
  EXPECT_EQ(t.world.recordStreak, 1);
}

TEST(WorldNewGame, ClearingAfterPlayLeavesNoReferenceAndStartsAgain) {
  ColumnTest t;
  World& w = t.world;
  w.mode = 1;
  w.gooLimit = 20;
  t.placeRecords(1, 3);
  t.hold(15, -300);
  ASSERT_TRUE(w.TestPlacement(15, -300));
  w.SetKeyPointer(true, 0, -100);
  w.AddBlob(300, 0, 0, 0);
  w.AddGoo({.y = -100});
  w.MoveGoos();
  ASSERT_NE(w.hoverGoo, nullptr);

  w.ClearLists();
  w.ResetConstruction(true);
  EXPECT_EQ(w.experiencePoints, 1) << "kept for the next relay level";
  EXPECT_TRUE(!w.hoverGoo && !w.anchorA && !w.lastBlob && !w.holding && !w.recordStreak &&
              !w.goosUsed);
  w.ResetConstruction();
  EXPECT_EQ(w.experiencePoints, 0);

  w.BuildBase(0, -200);
  for (int i = 0; i < 80; ++i)
    w.Update();
  EXPECT_EQ(w.goos().size(), 20u);
  w.UndoLastTurn();  // nothing to take back in a fresh game
  EXPECT_EQ(std::tuple(w.blobs().size(), w.goosUsed), std::tuple(4u, 0));
}

}  // namespace
}  // namespace game
