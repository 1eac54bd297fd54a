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

}  // namespace
