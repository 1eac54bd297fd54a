// The scale a new window opens at and the unscaled-fit test behind the hi-res display report.
#include "platform/window_fit.h"

#include <gtest/gtest.h>

namespace {

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

TEST(WindowFit, UnscaledFitNeedsBothSides) {
  EXPECT_TRUE(FitsUnscaled(FitSize{480, 640}, FitSize{480, 640}));
  EXPECT_TRUE(FitsUnscaled(FitSize{1920, 1040}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{479, 2000}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{1024, 600}, FitSize{480, 640}));  // a netbook's 600 rows
  EXPECT_FALSE(FitsUnscaled(FitSize{0, 0}, FitSize{480, 640}));
  EXPECT_FALSE(FitsUnscaled(FitSize{1920, 1080}, FitSize{0, 0}));
}

}  // namespace
