// The running program as the platform drives it: the frame gate, key states and the Start key,
// and switching screens.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/run.h"
#include "archive_fixture.h"
#include "fixtures/temp_folder.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"

namespace {

using gui::testing::RecordingDriver;
using testing_support::initScript;
using testing_support::writeArchive;

class MainLoop : public testing_support::TempFolderTest {
 protected:
  platform::HeadlessConfig config(int width = 240, int height = 320) {
    writeArchive(folder() + "graphics.dat",
                 {{"init.scr", initScript({{"INIT_RES", "1"},
                                           {"RES_X", std::to_string(width)},
                                           {"RES_Y", std::to_string(height)},
                                           {"SE_SPURT", "2"}})}});
    platform::HeadlessConfig c;
    c.installFolder = folder();
    c.displayWidth = width;
    c.displayHeight = height;
    return c;
  }
};

// Frames come at most every 40 ms; the key table follows the keys; Start (91) sends the game
// to the background, where nothing is drawn, until it is activated again.
TEST_F(MainLoop, FramesComeEvery40MsKeysAreTrackedAndStartSendsTheGameAway) {
  platform::HeadlessConfig c = config();
  c.quitAtEnd = false;
  platform::HeadlessPlatform headless(c);
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  headless.waitForEvent(100);
  EXPECT_TRUE(a.Frame());
  headless.waitForEvent(139);  // 39 ms later: no second frame
  EXPECT_FALSE(a.Frame());
  headless.waitForEvent(140);
  EXPECT_TRUE(a.Frame());
  EXPECT_EQ(a.framesDrawn(), 2);
  EXPECT_EQ(headless.presentedFrames(), 2);

  a.HandleEvent(platform::Event{platform::EventType::KeyDown, 37});
  EXPECT_TRUE(a.keyState(37));
  a.HandleEvent(platform::Event{platform::EventType::KeyUp, 37});
  EXPECT_FALSE(a.keyState(37));
  EXPECT_FALSE(a.keyState(255));  // out of the table: no state, no fault

  a.HandleEvent(platform::Event{platform::EventType::KeyDown, 91});
  EXPECT_FALSE(a.active());
  EXPECT_FALSE(headless.isForeground());
  headless.waitForEvent(1000);
  EXPECT_FALSE(a.Frame());
  a.HandleEvent(platform::Event{platform::EventType::Activate});
  EXPECT_TRUE(a.active());
  EXPECT_TRUE(headless.isForeground());
  EXPECT_TRUE(a.Frame());
}

// A run quits through the normal shutdown at the end of its replay, which lets go of
// graphics.dat; events between frames add none.
TEST_F(MainLoop, EventsBetweenFramesDoNotAddFrames) {
  const auto framesFor = [&](const char* replay) {
    platform::HeadlessConfig c = config();
    c.replay = *platform::parseReplay(replay);
    platform::HeadlessPlatform headless(c);
    long frames = 0;
    app::RunOptions options;
    options.atEnd = [&](app::Application& a) { frames = a.framesDrawn(); };
    EXPECT_EQ(app::Run(headless, options), app::RunResult::Quit);
    EXPECT_TRUE(
        platform::openReadableFile(folder() + "graphics.dat", platform::OpenMode::Exclusive));
    return frames;
  };
  const long quiet = framesFor("wait 1000\n");
  EXPECT_EQ(quiet, 24);  // 40, 80, ..., 960; the quit at 1000 comes first
  EXPECT_EQ(framesFor("wait 990\nkey 37\nwait 1\nkey 37\nwait 3\ntap 5 5\nwait 6\n"), quiet);
}

TEST_F(MainLoop, SwitchingScreensShowsTheNewOneAndHidesTheOld) {
  platform::HeadlessPlatform headless(config());
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  std::vector<std::string> log;
  auto* first = new gui::Form("FirstForm", &a.rootForm());
  auto* second = new gui::Form("SecondForm", &a.rootForm());
  first->SetDriver(std::make_unique<RecordingDriver>(log, "A."));
  second->SetDriver(std::make_unique<RecordingDriver>(log, "B."));
  second->visible = false;

  a.SwitchForm("FirstForm");
  a.SwitchForm("SecondForm");
  EXPECT_EQ(log, (std::vector<std::string>{"A.OnShow()", "A.OnShow()", "B.OnShow()"}));
  EXPECT_FALSE(first->visible);
  EXPECT_TRUE(second->visible);
  EXPECT_EQ(a.currentForm(), second);

  log.clear();
  a.SwitchForm("NoSuchForm");  // unknown: nothing changes
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(a.currentForm(), second);
}

}  // namespace
