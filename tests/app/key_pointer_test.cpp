#include "app/key_pointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/player_scene.h"
#include "gui/form.h"
#include "platform/event.h"

namespace {

namespace key = platform::key;

struct FakeHost : app::KeyPointer::Host {
  void SwitchForm(std::string_view name) override {
    calls.push_back("switch " + std::string(name));
  }
  void SetVariable(std::string_view name, std::string_view value) override {
    calls.push_back("set " + std::string(name) + "=" + std::string(value));
  }
  void SaveScreenshot() override { calls.push_back("screenshot"); }
  game::PlayerScene* scene() override { return playerScene; }
  std::vector<std::string> calls;
  game::PlayerScene* playerScene = nullptr;
};

struct FakeScene : game::PlayerScene {
  gui::Form* form() const override { return gameForm; }
  void ExitGame() override { calls.push_back("exit"); }
  void UndoLastTurn() override { calls.push_back("undo"); }
  void MagPlus(float) override { calls.push_back("plus"); }
  void MagMinus(float) override { calls.push_back("minus"); }
  float zoom() const override { return 1.0f; }
  int cellRadius() const override { return 4; }
  bool carriesGoo() const override { return false; }
  gui::Form* gameForm = nullptr;
  std::vector<std::string> calls;
};

class KeyPointerTest : public ::testing::Test {
 protected:
  KeyPointerTest() : root("main", nullptr), game("GameForm", &root), start("StartForm", &root) {
    for (gui::Form* f : {&game, &start}) {
      f->width = 240;
      f->height = 640;
      f->enabled = true;
    }
    scene.gameForm = &game;
    host.playerScene = &scene;
    pointer.Setup(240, 640, /*unit=*/1, /*baseStep=*/2, 0x001F, 0x07C0);
  }
  gui::Form root;
  gui::Form game;
  gui::Form start;
  FakeHost host;
  FakeScene scene;
  app::KeyPointer pointer{host};
};

TEST_F(KeyPointerTest, HeldArrowAcceleratesAtTheListedRepeatsAndStopsAtTheEdge) {
  pointer.Attach(&game, 0, app::KeyPointer::Mode::FreePointer);
  ASSERT_EQ(pointer.x(), 120);  // the form's centre
  ASSERT_EQ(pointer.y(), 320);
  // Base step 2 units; one unit more from the 3rd, 5th, 7th, 11th, 17th, 23rd and 31st repeat.
  std::vector<int> steps;
  for (int repeat = 1; repeat <= 31; ++repeat) {
    const int before = pointer.y();
    pointer.KeyDown(key::kUp);
    steps.push_back(before - pointer.y());
  }
  const std::vector<int> expected = {2, 2, 3, 3, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6,
                                     7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 9};
  EXPECT_EQ(steps, expected);

  // Releasing resets the repeat count: the next press is a base step again.
  pointer.KeyUp(key::kUp);
  pointer.KeyDown(key::kRight);
  EXPECT_EQ(pointer.x(), 122);
  for (int i = 0; i < 60; ++i)
    pointer.KeyDown(key::kRight);
  EXPECT_EQ(pointer.x(), 240 - 3);  // never beyond width - 3
  for (int i = 0; i < 60; ++i)
    pointer.KeyDown(key::kUp);
  EXPECT_EQ(pointer.y(), 1);
  pointer.SetUnit(2);   // a 480-wide screen doubles every step
  pointer.KeyDown(56);  // keypad 8 moves down, a new key: base step again
  EXPECT_EQ(pointer.y(), 1 + 4);
}

TEST_F(KeyPointerTest, GameScreenKeysReachTheScene) {
  pointer.Attach(&game, 0, app::KeyPointer::Mode::FreePointer);
  pointer.KeyDown(key::kEscape);
  pointer.KeyDown(key::kF2);
  pointer.KeyDown(key::kDigit0 + 1);
  pointer.KeyDown(key::kDigit0 + 3);
  pointer.KeyDown(key::kF8);
  pointer.KeyDown(key::kF1);
  EXPECT_EQ(scene.calls, (std::vector<std::string>{"undo", "exit", "plus", "minus"}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"screenshot", "set WhichOptionsCall=1",
                                                  "switch OptionsForm"}));
}

TEST_F(KeyPointerTest, EscapeLeavesForTheStartFormExceptOnIt) {
  gui::Form options("OptionsForm", &root);
  pointer.Attach(&options, 0, app::KeyPointer::Mode::FocusNavigation);
  pointer.KeyDown(key::kEscape);
  EXPECT_EQ(host.calls, std::vector<std::string>{"switch StartForm"});

  host.calls.clear();
  pointer.Attach(&start, 0, app::KeyPointer::Mode::FocusNavigation);
  pointer.KeyDown(key::kEscape);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(scene.calls.empty());  // the game's undo belongs to the game screen only
}

}  // namespace
