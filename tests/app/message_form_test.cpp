// The modal message form: its own frame loop until the script answers, the time runs out or
// the program quits.
#include <gtest/gtest.h>

#include "app/application.h"
#include "archive_fixture.h"
#include "fixtures/temp_folder.h"
#include "gui/form.h"
#include "platform/headless/headless_platform.h"

namespace {

using testing_support::initScript;
using testing_support::writeArchive;

// Answers `answer` in its first Update; the handle comes with Init.
std::string answering(const std::string& answer) {
  return "function Init(h) { global me; me = h; }\n"
         "function Update() { SetGlobalVar(\"Answer\"$+me, \"" +
         answer + "\"); }\n";
}

class MessageForm : public testing_support::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    writeArchive(dir_.string() + "/graphics.dat",
                 {{"init.scr", initScript({{"INIT_RES", "1"}, {"RES_X", "240"}, {"RES_Y", "320"}})},
                  {"answer.scr", answering("3")},
                  {"silent.scr", "function Init(h) {}"},
                  {"empty.scr", answering("")},
                  {"broken.scr", "function Init(h) {"}});
  }
  platform::HeadlessConfig config() const {
    platform::HeadlessConfig c;
    c.installFolder = dir_.string() + "/";
    c.quitAtEnd = false;
    return c;
  }
};

// Every way the message ends, with the form removed and the screen underneath current again,
// enabled and holding the keys. Escape (a controller's B) and an empty answer end it with 0 as
// its time-out would; while the game is minimised the time-out waits; a missing or broken script
// gives -1 at once instead of waiting for ever; quitting ends it at once.
TEST_F(MessageForm, EndsWithItsAnswerOverTheSameScreen) {
  struct Case {
    const char* script;
    const char* replay;
    std::uint32_t timeoutMs;
    int answer;
    std::uint32_t fromMs, toMs;
    int frames;  // drawn while the message was up; -1 when not counted
  };
  for (const Case& c : {
           Case{"answer.scr", "", 10000, 3, 0, 100, -1},
           Case{"silent.scr", "", 10000, 0, 10000, 10100, 250},  // frames go on at 25 a second
           Case{"nowhere.scr", "", 0, -1, 0, 1, 0},
           Case{"broken.scr", "", 0, -1, 0, 1, 0},
           Case{"silent.scr", "wait 500\nkey 27\n", 10000, 0, 500, 1000, -1},
           Case{"empty.scr", "", 10000, 0, 0, 1000, -1},
           Case{"silent.scr", "wait 500\ndeactivate\nwait 20000\nactivate\nwait 500\nkey 27\n",
                10000, 0, 21000, 21100, -1},
           Case{"silent.scr", "wait 500\nquit\n", 0, 0, 500, 501, -1},
       }) {
    SCOPED_TRACE(std::string(c.script) + " " + c.replay);
    platform::HeadlessConfig config = this->config();
    config.replay = *platform::parseReplay(c.replay);
    platform::HeadlessPlatform headless(config);
    app::Application a(headless);
    ASSERT_EQ(a.StartUp(), 0);
    auto* screen = new gui::Form("Underneath", &a.rootForm());
    screen->enabled = true;
    a.SwitchForm("Underneath");
    const std::size_t children = a.rootForm().children().size();
    const long framesBefore = a.framesDrawn();
    EXPECT_EQ(a.RunMessageForm("ask", c.script, c.timeoutMs), c.answer);
    EXPECT_GE(headless.tickMs(), c.fromMs);
    EXPECT_LT(headless.tickMs(), c.toMs);
    if (c.frames >= 0) {
      EXPECT_NEAR(a.framesDrawn() - framesBefore, c.frames, 2);
    }
    EXPECT_EQ(a.rootForm().children().size(), children);
    EXPECT_EQ(a.FindForm("ask"), nullptr);
    EXPECT_TRUE(screen->enabled);
    EXPECT_EQ(a.currentForm(), screen);
    EXPECT_EQ(a.keyPointer().form(), screen);
    EXPECT_EQ(a.quitRequested(), std::string(c.replay).find("quit") != std::string::npos);
  }
}

}  // namespace
