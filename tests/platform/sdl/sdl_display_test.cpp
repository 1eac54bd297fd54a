// What the SDL display reports of itself before and after the window exists, under SDL's dummy
// video driver (whose one display is 1024 x 768).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/screen.h"
#include "platform/sdl/sdl_platform.h"

namespace {

class SdlDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
};

TEST_F(SdlDisplay, ADesktopThatHoldsTheHiResScreenUnscaledReportsIt) {
  platform::SdlPlatform sdl("./");
  ASSERT_TRUE(sdl.initialised());
  SDL_Rect usable;
  ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0) << SDL_GetError();
  ASSERT_GE(usable.w, 480);
  ASSERT_GE(usable.h, 640);
  const app::Screen::Size size = app::Screen::PhysicalSize(sdl);
  EXPECT_EQ(size.width, 480);
  EXPECT_EQ(size.height, 640);
  // The buffer offered is large enough for every pixel it claims.
  const auto raw = sdl.rawFrameBuffer();
  ASSERT_TRUE(raw);
  ASSERT_NE(raw->pixels, nullptr);
  EXPECT_EQ(raw->yStrideBytes, 960);
  raw->pixels[480 * 640 - 1] = 0x1234;
  EXPECT_EQ(sdl.beginDraw()[480 * 640 - 1], 0x1234);
}

TEST_F(SdlDisplay, TheStandardWindowKeepsToTheStandardPath) {
  platform::SdlPlatform sdl("./");
  ASSERT_TRUE(sdl.createWindow(240, 320));
  EXPECT_FALSE(sdl.rawFrameBuffer());
  const app::Screen::Size size = app::Screen::PhysicalSize(sdl);
  EXPECT_EQ(size.width, 240);
  EXPECT_EQ(size.height, 320);
  int w = 0, h = 0;
  SDL_GetWindowSize(SDL_GetWindowFromID(1), &w, &h);
  EXPECT_EQ(w, 480);  // 768 rows hold the screen twice
  EXPECT_EQ(h, 640);
}

TEST_F(SdlDisplay, TheHiResWindowOffersItsRowMajorBuffer) {
  platform::SdlPlatform sdl("./");
  ASSERT_TRUE(sdl.createWindow(480, 640));
  const auto raw = sdl.rawFrameBuffer();
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->widthPx, 480);
  EXPECT_EQ(raw->heightPx, 640);
  EXPECT_EQ(raw->pixels, sdl.beginDraw());
}

// Pushes a left-button event at a window position and returns what the game gets of it.
platform::Event ClickAt(platform::SdlPlatform& sdl, Uint32 type, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.windowID = 1;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.x = x;
  e.button.y = y;
  EXPECT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
  while (auto event = sdl.getEvent()) {
    if (event->type == platform::EventType::StylusDown ||
        event->type == platform::EventType::StylusUp)
      return *event;
  }
  ADD_FAILURE() << "no stylus event for the click at " << x << ", " << y;
  return {};
}

TEST_F(SdlDisplay, AResizedWindowLetterboxesAtAWholeScaleAndMapsClicksOntoTheScreen) {
  platform::SdlPlatform sdl("./");
  ASSERT_TRUE(sdl.createWindow(240, 320));
  SDL_Window* window = SDL_GetWindowFromID(1);
  ASSERT_NE(window, nullptr);
  SDL_SetWindowSize(window, 1000, 700);
  while (sdl.getEvent()) {
  }
  // 700 rows hold the screen twice: a 480 x 640 picture at 260, 30.
  platform::Event e = ClickAt(sdl, SDL_MOUSEBUTTONDOWN, 260 + 200 + 1, 30 + 100 + 1);
  EXPECT_EQ(e.type, platform::EventType::StylusDown);
  EXPECT_EQ(e.x, 100);
  EXPECT_EQ(e.y, 50);
  e = ClickAt(sdl, SDL_MOUSEBUTTONUP, 260 + 479, 30 + 639);
  EXPECT_EQ(e.x, 239);
  EXPECT_EQ(e.y, 319);
  // Clicks in the bars land on the nearest edge of the screen.
  e = ClickAt(sdl, SDL_MOUSEBUTTONDOWN, 10, 5);
  EXPECT_EQ(e.x, 0);
  EXPECT_EQ(e.y, 0);
  e = ClickAt(sdl, SDL_MOUSEBUTTONUP, 990, 695);
  EXPECT_EQ(e.x, 239);
  EXPECT_EQ(e.y, 319);
}

}  // namespace
