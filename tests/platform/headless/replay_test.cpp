#include "platform/headless/replay.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/headless/headless_platform.h"

namespace platform {
namespace {

TEST(Replay, CommandsBecomeTimedEvents) {
  auto replay = parseReplay(
      "# a comment line\n"
      "wait 100\n"
      "tap 10 20   # down and up\n"
      "\n"
      "wait 40\r\n"
      "keydown 37\n"
      "key 13\n"
      "shot out.bmp\n"
      "deactivate\n"
      "wait 5\n");
  ASSERT_TRUE(replay) << replay.error().message;
  const auto& s = replay->steps;
  ASSERT_EQ(s.size(), 7u);
  EXPECT_EQ(s[0].atMs, 100u);
  EXPECT_EQ(s[0].event.type, EventType::StylusDown);
  EXPECT_EQ(s[0].event.x, 10);
  EXPECT_EQ(s[0].event.y, 20);
  EXPECT_EQ(s[1].event.type, EventType::StylusUp);
  EXPECT_EQ(s[1].atMs, 100u);
  EXPECT_EQ(s[2].atMs, 140u);
  EXPECT_EQ(s[2].event.type, EventType::KeyDown);
  EXPECT_EQ(s[2].event.key, 37);
  EXPECT_EQ(s[3].event.type, EventType::KeyDown);
  EXPECT_EQ(s[4].event.type, EventType::KeyUp);
  EXPECT_EQ(s[4].event.key, 13);
  EXPECT_EQ(s[5].event.type, EventType::Screenshot);
  EXPECT_EQ(s[5].event.path, "out.bmp");
  EXPECT_EQ(s[6].event.type, EventType::Deactivate);
  EXPECT_EQ(replay->endMs, 145u);  // the trailing wait counts
}

TEST(Replay, MalformedLinesFailWithTheirLineNumber) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"wait\n", "replay line 1: expected: wait MS: wait"},
      {"wait 10\nwait -5\n", "replay line 2: expected: wait MS: wait -5"},
      {"tap 1\n", "replay line 1: expected: tap X Y: tap 1"},
      {"move 1 2 3\n", "replay line 1: expected: move X Y: move 1 2 3"},
      {"down 1 99999\n", "replay line 1: expected: down X Y: down 1 99999"},
      {"key 256\n", "replay line 1: expected: key CODE (0..255): key 256"},
      {"key 0x20\n", "replay line 1: expected: key CODE (0..255): key 0x20"},
      {"shot\n", "replay line 1: expected: shot FILE.bmp: shot"},
      {"quit now\n", "replay line 1: takes no arguments: quit now"},
      {"\n\njump 3\n", "replay line 3: unknown command: jump 3"},
  };
  for (const Case& c : cases) {
    auto replay = parseReplay(c.text);
    ASSERT_FALSE(replay) << c.text;
    EXPECT_EQ(replay.error().message, c.message);
  }
}

TEST(Replay, RefusesReplaysLongerThanTheClockCanCount) {
  std::string text;
  for (int i = 0; i < 30; ++i)
    text += "wait 86400000\n";  // 30 days of waiting
  auto replay = parseReplay(text);
  ASSERT_FALSE(replay);
  EXPECT_NE(replay.error().message.find("replay too long"), std::string::npos);
}

TEST(HeadlessPlatform, VirtualTimeMovesOnlyWhileWaitingAndStopsAtTheNextEvent) {
  HeadlessConfig config;
  config.replay = *parseReplay("wait 100\nkey 37\n");
  config.quitAtEnd = false;
  HeadlessPlatform headless(config);
  EXPECT_EQ(headless.tickMs(), 0u);
  EXPECT_FALSE(headless.peekEvent());
  headless.waitForEvent(40);
  EXPECT_EQ(headless.tickMs(), 40u);
  headless.waitForEvent(500);  // woken by the key at 100, not the deadline
  EXPECT_EQ(headless.tickMs(), 100u);
  ASSERT_TRUE(headless.peekEvent());
  headless.waitForEvent(900);  // an event is due: no time passes
  EXPECT_EQ(headless.tickMs(), 100u);
  EXPECT_EQ(headless.getEvent()->type, EventType::KeyDown);
  EXPECT_EQ(headless.getEvent()->type, EventType::KeyUp);
  EXPECT_FALSE(headless.getEvent());
}

TEST(HeadlessPlatform, QuitComesAfterTheReplayPlusTheDelay) {
  HeadlessConfig config;
  config.replay = *parseReplay("wait 300\n");
  config.quitDelayMs = 50;
  HeadlessPlatform headless(config);
  headless.waitForEvent(10'000);
  EXPECT_EQ(headless.tickMs(), 350u);
  EXPECT_EQ(headless.getEvent()->type, EventType::Quit);
}

TEST(HeadlessPlatform, StylusInLogicalPixelsReachesTheProgramInSystemCoordinates) {
  HeadlessConfig config;
  config.displayWidth = 480;
  config.displayHeight = 640;
  config.replay = *parseReplay("tap 301 99\n");
  HeadlessPlatform headless(config);
  ASSERT_TRUE(headless.createWindow(480, 640));
  auto down = headless.getEvent();
  ASSERT_TRUE(down);
  EXPECT_EQ(down->x, 150);
  EXPECT_EQ(down->y, 49);

  HeadlessConfig small;
  small.replay = *parseReplay("tap 301 99\n");
  HeadlessPlatform low(small);
  ASSERT_TRUE(low.createWindow(240, 320));
  EXPECT_EQ(low.getEvent()->x, 301);
}

TEST(HeadlessPlatform, MessageBoxesArePrintedAndKept) {
  std::ostringstream out;
  HeadlessConfig config;
  config.messages = &out;
  HeadlessPlatform headless(config);
  headless.messageBox("Game already run", "Error");
  EXPECT_EQ(out.str(), "messagebox: Error: Game already run\n");
  ASSERT_EQ(headless.messageBoxes().size(), 1u);
  EXPECT_EQ(headless.messageBoxes()[0], "Error: Game already run");
}

}  // namespace
}  // namespace platform
