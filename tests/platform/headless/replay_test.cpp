#include "platform/headless/replay.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_platform.h"

namespace platform {
namespace {

// Each step as "time type key x y path", the type as its number in EventType.
std::string describe(const Replay& replay) {
  std::string out;
  for (const auto& s : replay.steps)
    out += std::to_string(s.atMs) + " " + std::to_string(static_cast<int>(s.event.type)) + " " +
           std::to_string(s.event.key) + " " + std::to_string(s.event.x) + " " +
           std::to_string(s.event.y) + " " + s.event.path + "|";
  return out + "end " + std::to_string(replay.endMs);
}

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
  // StylusDown 2, StylusUp 4, KeyDown 0, KeyUp 1, Screenshot 8, Deactivate 6.
  EXPECT_EQ(describe(*replay),
            "100 2 0 10 20 |100 4 0 10 20 |140 0 37 0 0 |140 0 13 0 0 |140 1 13 0 0 |"
            "140 8 0 0 0 out.bmp|140 6 0 0 0 |end 145");  // the trailing wait counts
}

TEST(Replay, MalformedLinesFailWithTheirLineNumber) {
  struct Case {
    std::string text;
    const char* message;
  };
  std::string month;  // 30 days of waiting: more than the clock counts
  for (int i = 0; i < 30; ++i)
    month += "wait 86400000\n";
  const Case cases[] = {{"wait\n", "replay line 1: expected: wait MS: wait"},
                        {"wait 10\nwait -5\n", "replay line 2: expected: wait MS: wait -5"},
                        {"tap 1\n", "replay line 1: expected: tap X Y: tap 1"},
                        {"move 1 2 3\n", "replay line 1: expected: move X Y: move 1 2 3"},
                        {"down 1 99999\n", "replay line 1: expected: down X Y: down 1 99999"},
                        {"key 256\n", "replay line 1: expected: key CODE (0..255): key 256"},
                        {"key 0x20\n", "replay line 1: expected: key CODE (0..255): key 0x20"},
                        {"shot\n", "replay line 1: expected: shot FILE.bmp: shot"},
                        {"quit now\n", "replay line 1: takes no arguments: quit now"},
                        {"\n\njump 3\n", "replay line 3: unknown command: jump 3"},
                        {month, "replay line 25: replay too long: wait 86400000"}};
  for (const Case& c : cases) {
    auto replay = parseReplay(c.text);
    ASSERT_FALSE(replay) << c.text;
    EXPECT_EQ(replay.error().message, c.message);
  }
}

// The quit comes the delay after the replay's end.
TEST(HeadlessPlatform, VirtualTimeMovesOnlyWhileWaitingAndStopsAtTheNextEvent) {
  HeadlessConfig config;
  config.replay = *parseReplay("wait 100\nkey 37\n");
  config.quitDelayMs = 50;
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
  headless.waitForEvent(10'000);
  EXPECT_EQ(headless.tickMs(), 150u);
  EXPECT_EQ(headless.getEvent()->type, EventType::Quit);
}

}  // namespace
}  // namespace platform
