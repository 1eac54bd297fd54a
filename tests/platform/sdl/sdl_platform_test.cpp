// The SDL backend under SDL's dummy video and audio drivers (whose one display is 1024 x 768):
// the window and buffer it offers and what the game sees of SDL's events. The window's scale,
// its letterboxing and a clean quit are played in a real X window by Desktop.RealWindow.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/archive_fixture.h"
#include "app/screen.h"
#include "fixtures/temp_folder.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_platform.h"

namespace {

using T = platform::EventType;

class SdlDummy : public testing_support::TempFolderTest {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  void SetUp() override {
    TempFolderTest::SetUp();
    testing_support::writeArchive(folder() + "graphics.dat",
                                  {{"init.scr", testing_support::plainInitScript()}});
  }

  // Drops what SDL queued while the window was created (shown, exposed, focus).
  static void drain(platform::SdlPlatform& sdl) {
    while (sdl.getEvent()) {
    }
  }
  static SDL_Event of(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
  }
  static SDL_Event key(Uint32 type, SDL_Keycode code, Uint16 mod = 0) {
    SDL_Event e = of(type);
    e.key.keysym.sym = code;
    e.key.keysym.mod = mod;
    return e;
  }
  static SDL_Event pad(Uint32 type, Uint8 button) {
    SDL_Event e = of(type);
    e.cbutton.button = button;
    return e;
  }
  // The id of the one window the backend made (SDL numbers windows from 1).
  static Uint32 windowId() {
    for (Uint32 id = 1; id < 64; ++id)
      if (SDL_GetWindowFromID(id) != nullptr) return id;
    return 0;
  }
  // A left-button or motion event at a window position.
  static SDL_Event mouse(Uint32 type, int x, int y) {
    SDL_Event e = of(type);
    if (type == SDL_MOUSEMOTION) {
      e.motion.windowID = windowId();
      e.motion.x = x;
      e.motion.y = y;
    } else {
      e.button.windowID = windowId();
      e.button.button = SDL_BUTTON_LEFT;
      e.button.x = x;
      e.button.y = y;
    }
    return e;
  }
  // Pushes the events and returns what the game gets of them: "type key" for keys and focus,
  // "type x,y" for the stylus, paints left out.
  static std::vector<std::string> deliver(platform::SdlPlatform& sdl,
                                          const std::vector<SDL_Event>& events) {
    for (SDL_Event e : events)
      EXPECT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    std::vector<std::string> seen;
    while (auto e = sdl.getEvent()) {
      const int type = static_cast<int>(e->type);
      if (e->type == T::StylusDown || e->type == T::StylusMove || e->type == T::StylusUp)
        seen.push_back(std::to_string(type) + " " + std::to_string(e->x) + "," +
                       std::to_string(e->y));
      else if (e->type != T::Paint)
        seen.push_back(std::to_string(type) + " " + std::to_string(e->key));
    }
    return seen;
  }
};

TEST_F(SdlDummy, ADesktopThatHoldsTheHiResScreenUnscaledReportsItAndOffersTheBuffer) {
  platform::SdlPlatform sdl("./");
  ASSERT_TRUE(sdl.initialised());
  const app::Screen::Size size = app::Screen::PhysicalSize(sdl);
  EXPECT_EQ(size.width, 480);
  EXPECT_EQ(size.height, 640);
  // The buffer offered is large enough for every pixel it claims, before and with the window.
  auto raw = sdl.rawFrameBuffer();
  ASSERT_TRUE(raw);
  ASSERT_NE(raw->pixels, nullptr);
  EXPECT_EQ(raw->yStrideBytes, 960);
  raw->pixels[480 * 640 - 1] = 0x1234;
  EXPECT_EQ(sdl.beginDraw()[480 * 640 - 1], 0x1234);
  ASSERT_TRUE(sdl.createWindow(480, 640));
  raw = sdl.rawFrameBuffer();
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->widthPx, 480);
  EXPECT_EQ(raw->heightPx, 640);
  EXPECT_EQ(raw->pixels, sdl.beginDraw());
}

// The mouse is the stylus in screen pixels; moves reach the game without a press (the menus'
// hover). A resized window letterboxes at a whole scale; clicks in the bars land on the edge.
TEST_F(SdlDummy, AResizedWindowLetterboxesAndMapsTheMouseOntoTheScreen) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  SDL_SetWindowSize(SDL_GetWindowFromID(windowId()), 1000, 700);
  drain(sdl);
  // 700 rows hold the screen twice: a 480 x 640 picture at 260, 30.
  EXPECT_EQ(deliver(sdl, {mouse(SDL_MOUSEMOTION, 260 + 20, 30 + 20),
                          mouse(SDL_MOUSEBUTTONDOWN, 260 + 200 + 1, 30 + 100 + 1),
                          mouse(SDL_MOUSEMOTION, 260 + 202, 30 + 104),
                          mouse(SDL_MOUSEBUTTONUP, 260 + 479, 30 + 639),
                          mouse(SDL_MOUSEBUTTONDOWN, 10, 5), mouse(SDL_MOUSEBUTTONUP, 990, 695)}),
            (std::vector<std::string>{"3 10,10", "2 100,50", "3 101,52", "4 239,319", "2 0,0",
                                      "4 239,319"}));
}

// Keys become virtual-key codes (unused ones are dropped); F11 and Alt+Enter stay with the
// window; controllers send the game's keys; focus loss and unplugging let go of held keys, and
// a late release is not sent twice. KeyDown 0, KeyUp 1, Deactivate 6.
TEST_F(SdlDummy, KeysAndControllersReachTheGameAsItsKeys) {
  SDL_Event stick = of(SDL_CONTROLLERAXISMOTION);
  stick.caxis.axis = SDL_CONTROLLER_AXIS_LEFTY;
  stick.caxis.value = 30000;
  SDL_Event focusLost = of(SDL_WINDOWEVENT);
  focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  const SDL_Event up = pad(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_DPAD_UP);
  const struct {
    std::vector<SDL_Event> events;
    std::vector<std::string> seen;
  } kCases[] = {{{key(SDL_KEYDOWN, SDLK_LEFT), key(SDL_KEYDOWN, SDLK_F13),
                  key(SDL_KEYUP, SDLK_RETURN), key(SDL_KEYDOWN, SDLK_ESCAPE)},
                 {"0 37", "1 13", "0 27"}},
                {{key(SDL_KEYDOWN, SDLK_F11), key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT),
                  pad(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A),
                  pad(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_START), stick},
                 {"0 13", "1 112", "0 40"}},
                {{up, key(SDL_KEYDOWN, SDLK_RETURN), focusLost, key(SDL_KEYUP, SDLK_RETURN), up,
                  of(SDL_CONTROLLERDEVICEREMOVED)},
                 {"0 38", "0 13", "1 38", "1 13", "6 0", "0 38", "1 38"}}};
  for (const auto& c : kCases) {
    platform::SdlPlatform sdl(folder());
    ASSERT_TRUE(sdl.createWindow(240, 320));
    drain(sdl);
    EXPECT_EQ(deliver(sdl, c.events), c.seen);
  }
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

TEST_F(SdlDummy, WaitReturnsByTheDeadlineWithoutEvents) {
  platform::SdlPlatform sdl(folder());
  ASSERT_TRUE(sdl.createWindow(240, 320));
  drain(sdl);
  const std::uint32_t start = sdl.tickMs();
  sdl.waitForEvent(start + 30);
  EXPECT_GE(sdl.tickMs(), start + 25);  // it slept instead of returning at once
  EXPECT_FALSE(sdl.peekEvent());
}

}  // namespace
