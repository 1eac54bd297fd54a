// Controllers as keys: buttons, and the stick's dead zone and hysteresis.
#include "platform/gamepad_keys.h"

#include <gtest/gtest.h>

namespace {

using platform::KeyChange;

TEST(GamepadKeys, ButtonsAreTheGamesKeys) {
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::DpadUp), 38);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::DpadDown), 40);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::DpadLeft), 37);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::DpadRight), 39);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::A), 13);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::B), 27);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::Start), 112);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::Back), 113);
  EXPECT_EQ(platform::KeyForPadButton(platform::PadButton::Other), -1);
}

TEST(GamepadKeys, TheStickPressesAndReleasesArrowsOutsideItsDeadZone) {
  platform::StickKeys stick;
  EXPECT_TRUE(stick.Move(8000, -9000).empty()) << "inside the dead zone";
  EXPECT_EQ(stick.Move(20000, 0), (std::vector<KeyChange>{{39, true}}));
  EXPECT_TRUE(stick.Move(14000, 0).empty()) << "between release and press: still held";
  EXPECT_EQ(stick.Move(14000, 30000), (std::vector<KeyChange>{{40, true}}));
  EXPECT_EQ(stick.Move(-32768, 0), (std::vector<KeyChange>{{37, true}, {39, false}, {40, false}}))
      << "swinging across releases the old direction";
  EXPECT_EQ(stick.Move(0, -32768), (std::vector<KeyChange>{{37, false}, {38, true}}));
  EXPECT_EQ(stick.Move(0, 0), (std::vector<KeyChange>{{38, false}}));
}

}  // namespace
