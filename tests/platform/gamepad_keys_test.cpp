// Controllers as keys: buttons, and the stick's dead zone and hysteresis.
#include "platform/gamepad_keys.h"

#include <gtest/gtest.h>

#include "platform/held_keys.h"

namespace {

using platform::KeyChange;

TEST(GamepadKeys, ButtonsAreTheGamesKeys) {
  using B = platform::PadButton;
  const std::pair<B, int> kTable[] = {{B::DpadUp, 38},    {B::DpadDown, 40}, {B::DpadLeft, 37},
                                      {B::DpadRight, 39}, {B::A, 13},        {B::B, 27},
                                      {B::Start, 112},    {B::Back, 113},    {B::Other, -1}};
  for (const auto& [button, key] : kTable)
    EXPECT_EQ(platform::KeyForPadButton(button), key) << key;
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

// A held controller direction on a virtual clock: pressed once, again after the delay, then
// every interval; one press for a late look, none after the release.
TEST(GamepadKeys, HeldDirectionsRepeatLikeAHeldKeyAndStopOnRelease) {
  using Source = platform::HeldKeys::Source;
  constexpr std::uint32_t kDelay = platform::HeldKeys::kRepeatDelayMs;
  constexpr std::uint32_t kStep = platform::HeldKeys::kRepeatIntervalMs;
  platform::HeldKeys held;
  held.Down(39, Source::Pad, 1000);
  held.Down(13, Source::Pad, 1000);  // the action button never repeats
  const struct {
    std::uint32_t at;
    std::optional<int> press;
  } kLooks[] = {{1000, {}},
                {1000 + kDelay - 1, {}},
                {1000 + kDelay, 39},
                {1000 + kDelay, {}},
                {1000 + kDelay + kStep, 39},
                {1000 + kDelay + 10 * kStep, 39},  // late: one press, not a burst
                {1000 + kDelay + 10 * kStep + 1, {}},
                {1000 + kDelay + 11 * kStep, 39}};
  for (const auto& look : kLooks)
    EXPECT_EQ(held.Repeat(look.at), look.press) << "at " << look.at;
  held.Down(40, Source::Pad, 5000);  // the direction pressed last repeats
  EXPECT_EQ(held.Repeat(5000 + kDelay), 40);
  EXPECT_TRUE(held.Up(40, Source::Pad));
  EXPECT_EQ(held.Repeat(9000), std::nullopt) << "a release stops at once";
  // A keyboard key is never repeated here (the system repeats it); focus loss lets go of all.
  held.Down(37, Source::Keyboard, 9000);
  EXPECT_EQ(held.Repeat(20000), std::nullopt);
  EXPECT_EQ(held.ReleaseAll(), (std::vector<int>{39, 13, 37}));
  EXPECT_FALSE(held.Up(37, Source::Keyboard)) << "its release was already sent";
  EXPECT_TRUE(held.Up(37, Source::Keyboard)) << "a stray release passes";
}

}  // namespace
