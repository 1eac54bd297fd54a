// The scale a new window opens at, the picture's place in a resized window, and the
// unscaled-fit test behind the hi-res display report.
#include "platform/window_fit.h"

#include <gtest/gtest.h>

namespace {

using platform::FitRect;
using platform::FitSize;
using platform::FitsUnscaled;
using platform::InitialWindowScale;

TEST(WindowFit, OpensAtTheLargestWholeScaleTheDesktopHolds) {
  // 1920 x 1080 less a panel: 1040 / 320 = 3 beats 1920 / 240 = 8.
  EXPECT_EQ(InitialWindowScale(FitSize{1920, 1040}, FitSize{240, 320}), 3);
  EXPECT_EQ(InitialWindowScale(FitSize{3840, 2100}, FitSize{240, 320}), 6);
  // Exactly twice the screen is still twice; one pixel less drops to 1 rather than overflow.
  EXPECT_EQ(InitialWindowScale(FitSize{480, 640}, FitSize{240, 320}), 2);
  EXPECT_EQ(InitialWindowScale(FitSize{480, 639}, FitSize{240, 320}), 1);
  // The narrow side decides as well as the short one.
  EXPECT_EQ(InitialWindowScale(FitSize{700, 5000}, FitSize{240, 320}), 2);
  // A hi-res screen on a 1080p desktop opens unscaled instead of taller than the desktop.
  EXPECT_EQ(InitialWindowScale(FitSize{1920, 1040}, FitSize{480, 640}), 1);
}

TEST(WindowFit, UnknownDesktopOrScreenGivesSafeScales) {
  EXPECT_EQ(InitialWindowScale(FitSize{0, 0}, FitSize{240, 320}), 2);
  EXPECT_EQ(InitialWindowScale(FitSize{-1, 900}, FitSize{240, 320}), 2);
  EXPECT_EQ(InitialWindowScale(FitSize{200, 200}, FitSize{240, 320}), 1);
  EXPECT_EQ(InitialWindowScale(FitSize{1920, 1080}, FitSize{0, 320}), 1);  // no division by 0
}

TEST(WindowFit, ThePictureKeepsItsAspectInAWindowOfAnySize) {
  const struct {
    FitSize window;
    FitRect fit;
  } kTable[] = {
      {{200, 200}, {25, 0, 150, 200, false}},  // small: the largest true fit, bars at the sides
      {{240, 200}, {45, 0, 150, 200, false}},
      {{100, 400}, {0, 133, 100, 133, false}},  // narrow: bars above and below
      {{240, 320}, {0, 0, 240, 320, true}},
      {{700, 700}, {110, 30, 480, 640, true}},  // whole scales with black bars
      {{1000, 700}, {260, 30, 480, 640, true}},
      {{719, 960}, {119, 160, 480, 640, true}},  // one pixel short of three times
      {{0, 320}, {}}};
  for (const auto& row : kTable) {
    const FitRect fit = platform::PictureFit(row.window, FitSize{240, 320});
    EXPECT_EQ(fit, row.fit) << row.window.width << " x " << row.window.height;
  }
}

TEST(WindowFit, UnscaledFitNeedsBothSides) {
  EXPECT_TRUE(FitsUnscaled(FitSize{480, 640}, FitSize{480, 640}));
  EXPECT_TRUE(FitsUnscaled(FitSize{1920, 1040}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{479, 2000}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{1024, 600}, FitSize{480, 640}));  // a netbook's 600 rows
  EXPECT_FALSE(FitsUnscaled(FitSize{0, 0}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{1920, 1080}, FitSize{0, 0}));
}

}  // namespace
