// The game scene as a control: what stylus and keys do to its world, the toolbar and the demo
// scene that take no input, the samples and the texts it updates.
#include "game/game_scene.h"

#include <gtest/gtest.h>

#include "fixtures/game/scene_fixture.h"
#include "gfx/surface.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "gui/label.h"

namespace game {
namespace {

class Scene : public ::testing::Test, public testing::SceneHarness {
 protected:
  // A free goo resting in the air at world (0, -100): screen (120, 210) at zoom 1.
  Goo* gooAtCentre() { return scene->world().AddGoo({.y = -100}); }
  // A toolbar strip h high at the top of the game form.
  std::unique_ptr<gui::Label> strip(int h, std::string_view name = "iToolBar") {
    auto c = std::make_unique<gui::Label>(name, &form);
    c->width = 240;
    c->height = static_cast<std::uint16_t>(h);
    return c;
  }
};

TEST_F(Scene, StartingAGameBuildsTheBaseAndPlaysTheModesSong) {
  make(true);
  EXPECT_TRUE(sound.loaded.empty()) << "the demo scene loads no samples";
  GameScene& s = make();
  EXPECT_EQ(sound.loaded.size(), 21u);
  s.StartGame(1, 30, 0, 0);
  EXPECT_EQ(std::tuple(s.world().blobs().size(), s.world().mode, s.world().gooLimit),
            std::tuple(4u, 1, 30));
  // The song restarts the mixer: the start sample comes after it, or it is never heard.
  EXPECT_EQ(sound.both, (std::vector<std::string>{"1.xm", "start.wav"}));
  s.StartGame(2, 30, 0, 0);
  EXPECT_EQ(s.world().gooLimit, 0);  // relay goos come with the first level
  s.StartGame(130, 1, 0, 0);         // the mode is a signed byte: 130 is -126, no rules
  EXPECT_TRUE(s.world().mode == -126 && sound.songs.back() == "4.xm");
}

TEST_F(Scene, ATapInTheToolbarNeitherPicksNorDrops) {
  GameScene& s = make();
  const auto toolbar = strip(250);
  gooAtCentre();
  // A toolbar 250 or 200 high reaches below the goo's row and the row where the goo is let go.
  for (const auto& [height, down, holding] :
       {std::tuple(250, true, 0), {30, true, 1}, {200, false, 1}, {30, false, 0}}) {
    toolbar->height = static_cast<std::uint16_t>(height);
    down ? s.StylusDown(120, 210) : s.StylusUp(120, 150);
    EXPECT_EQ(s.world().holding, holding) << height;
    s.StylusMove(120, 150);
  }
}

TEST_F(Scene, DraggingZoomedOutZoomsInToHalfAndTheDropRestoresTheZoom) {
  GameScene& s = make();
  for (int i = 0; i < 6; ++i)
    s.MagMinus(0.1f);
  ASSERT_FLOAT_EQ(s.world().camera.zoom, 0.4f);
  Goo* goo = gooAtCentre();
  int gx = 0, gy = 0;
  s.world().worldToScreen(goo->x, goo->y, gx, gy);
  s.StylusDown(gx, gy);
  ASSERT_EQ(s.world().holding, 1);
  s.StylusMove(gx + 5, gy - 5);
  EXPECT_FLOAT_EQ(s.world().camera.targetZoom, 0.5f);
  s.StylusUp(gx + 5, gy - 5);
  EXPECT_FLOAT_EQ(s.world().camera.targetZoom, 0.4f);  // the zoom it had when picked up
}

TEST_F(Scene, TheDemoSceneTakesNoInput) {
  GameScene& s = make(true);
  gooAtCentre();
  s.StylusDown(120, 210);
  s.KeyDown(13, 120, 210);
  EXPECT_EQ(s.world().holding + s.world().keyDrag, 0);
  EXPECT_FALSE(s.WantsKeyDown(13, 120, 210));
}

// Enter over a goo takes it and the arrows carry it; keypad 5 asks for the drop, which its
// release makes. The mouse hovering with no button down moves a carried goo nowhere, and a
// message coming up ends the carry with the goo back among the free ones.
TEST_F(Scene, AGooCarriedWithTheKeysIsDroppedByTheSecondActionKey) {
  GameScene& s = make();
  gooAtCentre();
  s.KeyDown(13, 120, 210);
  ASSERT_EQ(s.world().keyDrag, 1);
  s.KeyUp(13, 120, 210);  // letting go of the key keeps it in the hand
  s.KeyDown(39, 130, 200);
  s.KeyUp(39, 130, 200);
  EXPECT_TRUE(s.world().holding == 1 && s.world().dropX == 10.0f);
  s.KeyDown(53, 130, 200);
  EXPECT_EQ(s.world().keyDrag, 2);
  s.KeyUp(53, 130, 200);
  EXPECT_EQ(s.world().holding + s.world().keyDrag, 0);

  s.KeyDown(13, 130, 200);
  ASSERT_EQ(s.world().keyDrag, 1);
  s.StylusMove(200, 150);
  EXPECT_FLOAT_EQ(s.world().dropX, 10.0f);
  s.EndCarry();
  EXPECT_EQ(std::tuple(s.world().holding + s.world().keyDrag, s.world().goos().size()),
            std::tuple(0, 1u));
}

TEST_F(Scene, ThePointerSlowsDownOverAGooAndPansNearTheEdge) {
  GameScene& s = make();
  s.world().hoverGoo = gooAtCentre();
  s.KeyDown(37, 120, 210);
  s.KeyDown(37, 120, 210);  // still over it: no second change
  s.world().hoverGoo = nullptr;
  s.KeyDown(37, 120, 210);
  EXPECT_EQ(app.units, (std::vector<int>{-1, 2}));  // fine with a fresh repeat, then coarse
  const float x0 = s.world().camera.cameraX;
  s.KeyDown(39, 230, 160);  // near the edge the keys pan the view: 2 % of 110 px
  EXPECT_NEAR(s.world().camera.cameraX, x0 + 2.2f, 1e-4);
}

TEST_F(Scene, TheHeightLabelFollowsTheTowerAndSitsAtTheRightEdge) {
  GameScene& s = make();
  gui::Label label("lHeight", &form);
  s.StartGame(1, 10, 0, 0);
  s.world().AddBlob(0, -300, 0, 0);
  s.world().ApplyForces();  // measures the tower top
  gfx::SurfaceBuffer screen(240, 320);
  s.Paint(screen.surface(), 0, 0, nullptr, 0);
  // 300 units at 20 a metre
  EXPECT_TRUE(label.text() == "15.00" && label.x == 240 - label.width - 8);
}

// Leaving asks first; leaving a classic game goes back to the choice of game, leaving the
// unlimited one records its best height. Either way the menu song plays again. (Playing on is
// played end to end.)
TEST_F(Scene, LeavingAGameAsksFirstThenPlaysTheMenuSong) {
  GameScene& s = make();
  for (const int mode : {1, 4}) {
    s.StartGame(mode, 10, 0, 0);
    app.answer = 1;
    s.ExitGame();
    EXPECT_TRUE(s.world().mode == 0 && sound.songs.back() == "4.xm");
  }
  EXPECT_EQ(std::tuple(app.messages.size(), app.switched, records),
            std::tuple(2u, std::vector<std::string>{"ChooseForm"},
                       std::vector<std::string>{"4 0 0.00m"}));
}

TEST_F(Scene, AMissingFlagIsReportedOnce) {
  GameScene& s = make();
  s.StartGame(1, 10, 0, 0);
  s.MagMinus(0.1f);
  s.MagPlus(0.1f);
  EXPECT_EQ(app.boxes, std::vector<std::string>{"flag0.aspr: flag0.aspr"});
}

TEST_F(Scene, TheControlTimeSecondsShowIn14Of25Frames) {
  const std::string bar = gui::testing::blockFont(3, 1);  // every character three pixels wide
  for (const std::string font : {"fmsmall", "hiscores"})
    ASSERT_TRUE(app.fonts_.Add(font, font + ".font", gui::testing::bytesOf(bar)).ok());
  GameScene& s = make();
  s.AttachGameControls(/*label y*/ 100, /*time y*/ 140);
  const auto undo = strip(10, "undo");
  undo->enabled = true;
  s.StartGame(1, 3, 0, 0);
  s.SetLook(SceneLook{.backgroundType = 1});  // a black sky: the texts are the only white
  s.world().goosUsed = 3;                     // every goo used ...
  s.controlTime = 250;                        // ... but the control time has not started: no text
  const auto whiteInRow = [&](int row) {
    gfx::SurfaceBuffer screen(240, 320);
    s.Paint(screen.surface(), 0, 0, nullptr, 0);
    for (int col = 0; col < 240; ++col)
      if (screen.surface().at(col, row) == 0xFFFF) return true;
    return false;
  };
  EXPECT_FALSE(whiteInRow(100));
  int shown = 0;
  for (s.controlTime = 249; s.controlTime > 224; --s.controlTime) {
    EXPECT_TRUE(whiteInRow(100));  // "Control Time" stays
    shown += whiteInRow(140);
  }
  EXPECT_TRUE(shown == 14 && !undo->enabled) << "no more taking back once the time runs";
}

}  // namespace
}  // namespace game
