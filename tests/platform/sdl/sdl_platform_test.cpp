// The SDL backend under SDL's dummy video and audio drivers: what the game sees of SDL's events,
// and a real run of the program through it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/application.h"
#include "app/archive_fixture.h"
#include "app/run.h"
#include "platform/file.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_platform.h"

namespace {

namespace fs = std::filesystem;

class SdlDummy : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  void SetUp() override {
    dir_ = fs::path(QV_TEST_TMP_DIR) / "sdl" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    testing_support::writeArchive(folder() + "graphics.dat",
                                  {{"init.scr", testing_support::plainInitScript()}});
  }
  std::string folder() const { return dir_.string() + "/"; }

  // Drops what SDL queued while the window was created (shown, exposed, focus).
  static void drain(platform::SdlPlatform& sdl) {
    while (sdl.getEvent()) {
    }
  }
  static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
  static SDL_Event key(Uint32 type, SDL_Keycode code) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = code;
    return e;
  }
  // The id of the one window the backend made (SDL numbers windows from 1).
  static Uint32 windowId() {
    for (Uint32 id = 1; id < 64; ++id)
      if (SDL_GetWindowFromID(id) != nullptr) return id;
    return 0;
  }
  static SDL_Event button(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = windowId();
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    return e;
  }

  fs::path dir_;
};

TEST_F(SdlDummy, KeysBecomeVirtualKeyCodesAndUnusedKeysAreDropped) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.initialised());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  push(key(SDL_KEYDOWN, SDLK_LEFT));
  push(key(SDL_KEYDOWN, SDLK_F13));  // no meaning to the game
  push(key(SDL_KEYUP, SDLK_RETURN));
  push(key(SDL_KEYDOWN, SDLK_ESCAPE));
  auto e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::KeyDown);
  EXPECT_EQ(e->key, 37);
  e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::KeyUp);
  EXPECT_EQ(e->key, 13);
  e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->key, 27);
  EXPECT_FALSE(sdl.getEvent());
}

// The desktop keypad's cross moves the way it points; the main row keeps the game's digits.
TEST(SdlKeys, KeypadCrossIsTheArrowsAndActionKey) {
  const std::pair<SDL_Keycode, int> kTable[] = {
      {SDLK_KP_8, 38}, {SDLK_KP_2, 40}, {SDLK_KP_4, 37}, {SDLK_KP_6, 39}, {SDLK_KP_5, 13},
      {SDLK_KP_1, 49}, {SDLK_KP_3, 51}, {SDLK_KP_0, 48}, {SDLK_KP_9, 57}, {SDLK_8, 56},
      {SDLK_2, 50},    {SDLK_UP, 38},   {SDLK_a, 'A'},   {SDLK_F1, 112},  {SDLK_F13, -1}};
  for (const auto& [sdl, vk] : kTable)
    EXPECT_EQ(platform::VirtualKeyFromSdl(sdl), vk) << SDL_GetKeyName(sdl);
}

TEST_F(SdlDummy, WindowKeysStayWithTheWindowAndControllersSendTheGamesKeys) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.initialised());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  push(key(SDL_KEYDOWN, SDLK_F11));  // fullscreen: never seen by the game
  SDL_Event altEnter = key(SDL_KEYDOWN, SDLK_RETURN);
  altEnter.key.keysym.mod = KMOD_LALT;
  push(altEnter);
  SDL_Event pad{};
  pad.type = SDL_CONTROLLERBUTTONDOWN;
  pad.cbutton.button = SDL_CONTROLLER_BUTTON_A;
  push(pad);
  pad.type = SDL_CONTROLLERBUTTONUP;
  pad.cbutton.button = SDL_CONTROLLER_BUTTON_START;
  push(pad);
  SDL_Event stick{};
  stick.type = SDL_CONTROLLERAXISMOTION;
  stick.caxis.axis = SDL_CONTROLLER_AXIS_LEFTY;
  stick.caxis.value = 30000;
  push(stick);
  std::vector<std::pair<platform::EventType, int>> keys;
  while (auto e = sdl.getEvent())
    if (e->type == platform::EventType::KeyDown || e->type == platform::EventType::KeyUp)
      keys.emplace_back(e->type, e->key);
  EXPECT_EQ(keys,
            (std::vector<std::pair<platform::EventType, int>>{{platform::EventType::KeyDown, 13},
                                                              {platform::EventType::KeyUp, 112},
                                                              {platform::EventType::KeyDown, 40}}));
}

TEST_F(SdlDummy, FocusLossAndUnpluggingLetGoOfHeldKeys) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  SDL_Event pad{};
  pad.type = SDL_CONTROLLERBUTTONDOWN;
  pad.cbutton.button = SDL_CONTROLLER_BUTTON_DPAD_UP;
  SDL_Event window{};
  window.type = SDL_WINDOWEVENT;
  window.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_Event unplugged{};
  unplugged.type = SDL_CONTROLLERDEVICEREMOVED;
  for (const SDL_Event& e :
       {pad, key(SDL_KEYDOWN, SDLK_RETURN), window, key(SDL_KEYUP, SDLK_RETURN), pad, unplugged})
    push(e);
  using T = platform::EventType;
  std::vector<std::pair<T, int>> seen;
  while (auto e = sdl.getEvent())
    if (e->type != T::Paint) seen.emplace_back(e->type, e->key);
  EXPECT_EQ(seen, (std::vector<std::pair<T, int>>{{T::KeyDown, 38},
                                                  {T::KeyDown, 13},
                                                  {T::KeyUp, 38},
                                                  {T::KeyUp, 13},
                                                  {T::Deactivate, 0},
                                                  {T::KeyDown, 38},
                                                  {T::KeyUp, 38}}))
      << "the late release of Enter is not sent twice";
}

TEST_F(SdlDummy, TheWindowCanNotShrinkBelowTheScreen) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  int w = 0, h = 0;
  SDL_GetWindowMinimumSize(SDL_GetWindowFromID(windowId()), &w, &h);
  EXPECT_EQ(std::make_pair(w, h), std::make_pair(240, 320));
}

TEST_F(SdlDummy, MouseIsTheStylusInLogicalPixelsAndMovesReachTheGameWithoutAPress) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  int windowW = 0, windowH = 0;
  ASSERT_EQ(SDL_GetRendererOutputSize(SDL_GetRenderer(SDL_GetWindowFromID(windowId())), &windowW,
                                      &windowH),
            0);
  const int scale = windowW / 240;
  ASSERT_GE(scale, 1);

  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = windowId();
  motion.motion.x = 10 * scale;
  motion.motion.y = 10 * scale;
  push(motion);  // no button held: still a move, for the menus' hover
  push(button(SDL_MOUSEBUTTONDOWN, 100 * scale, 50 * scale));
  motion.motion.x = 101 * scale;
  motion.motion.y = 52 * scale;
  push(motion);
  push(button(SDL_MOUSEBUTTONUP, 239 * scale + scale / 2, 319 * scale));

  auto e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::StylusMove);
  EXPECT_EQ(e->x, 10);
  e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::StylusDown);
  EXPECT_EQ(e->x, 100);
  EXPECT_EQ(e->y, 50);
  e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::StylusMove);
  EXPECT_EQ(e->x, 101);
  EXPECT_EQ(e->y, 52);
  e = sdl.getEvent();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, platform::EventType::StylusUp);
  EXPECT_EQ(e->x, 239);
  EXPECT_EQ(e->y, 319);
  EXPECT_FALSE(sdl.getEvent());
}

TEST_F(SdlDummy, WaitReturnsByTheDeadlineWithoutEvents) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  const std::uint32_t start = sdl.tickMs();
  sdl.waitForEvent(start + 30);
  EXPECT_GE(sdl.tickMs(), start + 25);  // it slept instead of returning at once
  EXPECT_FALSE(sdl.peekEvent());
}

TEST_F(SdlDummy, RunsHundredsOfFramesAndShutsDownCleanly) {
  long frames = 0;
  {
    platform::SdlPlatform sdl(folder());
    ASSERT_TRUE(sdl.initialised());
    app::RunOptions options;
    options.maxFrames = 250;
    options.atEnd = [&](app::Application& a) { frames = a.framesDrawn(); };
    EXPECT_EQ(app::Run(sdl, options), app::RunResult::Quit);
  }
  EXPECT_EQ(frames, 250);
  EXPECT_TRUE(platform::openReadableFile(folder() + "graphics.dat", platform::OpenMode::Exclusive));
}

TEST_F(SdlDummy, ClosingTheWindowEndsTheRunThroughNormalShutdown) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.initialised());
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  push(quit);
  long frames = -1;
  app::RunOptions options;
  options.maxFrames = 1000;  // a bound in case the close were lost
  options.atEnd = [&](app::Application& a) { frames = a.framesDrawn(); };
  EXPECT_EQ(app::Run(sdl, options), app::RunResult::Quit);
  EXPECT_LT(frames, 1000);
  EXPECT_TRUE(platform::openReadableFile(folder() + "graphics.dat", platform::OpenMode::Exclusive));
}

}  // namespace
