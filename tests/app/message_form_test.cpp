// The modal message form: its own frame loop until the script answers, the time runs out or
// the program quits.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "archive_fixture.h"
#include "gui/form.h"
#include "platform/headless/headless_platform.h"

namespace {

namespace fs = std::filesystem;
using testing_support::initScript;
using testing_support::writeArchive;

// Answers 3 in its first Update; the handle comes with Init.
constexpr const char* kAnswering =
    "function Init(h)\n{\n  global me;\n  me = h;\n}\n"
    "function Update()\n{\n  SetGlobalVar(\"Answer\"$+me, \"3\");\n}\n";
// Answers with an empty text.
constexpr const char* kEmpty =
    "function Init(h)\n{\n  global me;\n  me = h;\n}\n"
    "function Update()\n{\n  SetGlobalVar(\"Answer\"$+me, \"\");\n}\n";
constexpr const char* kSilent = "function Init(h)\n{\n}\n";
constexpr const char* kBroken = "function Init(h)\n{\n";

class MessageForm : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(QV_TEST_TMP_DIR) / "message_form" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    writeArchive(dir_.string() + "/graphics.dat",
                 {{"init.scr", initScript({{"INIT_RES", "1"}, {"RES_X", "240"}, {"RES_Y", "320"}})},
                  {"answer.scr", kAnswering},
                  {"silent.scr", kSilent},
                  {"empty.scr", kEmpty},
                  {"broken.scr", kBroken}});
  }
  platform::HeadlessConfig config() const {
    platform::HeadlessConfig c;
    c.installFolder = dir_.string() + "/";
    c.quitAtEnd = false;
    return c;
  }
  fs::path dir_;
};

TEST_F(MessageForm, ReturnsTheScriptsAnswerAndRemovesTheForm) {
  platform::HeadlessPlatform headless(config());
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  auto* screen = new gui::Form("StartForm", &a.rootForm());
  screen->enabled = true;
  a.SwitchForm("StartForm");
  const std::size_t children = a.rootForm().children().size();

  EXPECT_EQ(a.RunMessageForm("ask", "answer.scr", 10000), 3);
  EXPECT_EQ(a.rootForm().children().size(), children);  // the message form is gone
  EXPECT_EQ(a.FindForm("ask"), nullptr);
  EXPECT_TRUE(screen->enabled);  // the screen underneath takes input again
  EXPECT_LT(headless.tickMs(), 100u);
  EXPECT_GE(a.framesDrawn(), 1);
}

TEST_F(MessageForm, NobodyAnsweringClosesAfterTheTimeOutWithZero) {
  platform::HeadlessPlatform headless(config());
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  const long framesBefore = a.framesDrawn();
  EXPECT_EQ(a.RunMessageForm("ask", "silent.scr", 10000), 0);
  EXPECT_GE(headless.tickMs(), 10000u);
  EXPECT_LT(headless.tickMs(), 10100u);
  // Frames went on at 25 a second while the message was up.
  EXPECT_NEAR(a.framesDrawn() - framesBefore, 250, 2);
}

TEST_F(MessageForm, AScriptThatIsMissingOrDoesNotLoadGivesMinusOne) {
  platform::HeadlessPlatform headless(config());
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  const std::size_t children = a.rootForm().children().size();
  EXPECT_EQ(a.RunMessageForm("ask", "nowhere.scr", 0), -1);  // would otherwise wait for ever
  EXPECT_EQ(a.RunMessageForm("ask", "broken.scr", 0), -1);
  EXPECT_EQ(a.rootForm().children().size(), children);
  EXPECT_EQ(headless.tickMs(), 0u);
}

// Escape (a controller's B) and an empty answer end the message with 0 as its time-out would,
// and the screen underneath stays current and gets the keys back. While the game is minimised
// the time-out waits.
TEST_F(MessageForm, EscapeAndAnEmptyAnswerEndItWithZeroOverTheSameScreen) {
  struct Case {
    const char* script;
    const char* replay;
    std::uint32_t fromMs, toMs;
  };
  for (const Case& c :
       {Case{"silent.scr", "wait 500\nkey 27\n", 500, 1000}, Case{"empty.scr", "", 0, 1000},
        Case{"silent.scr", "wait 500\ndeactivate\nwait 20000\nactivate\nwait 500\nkey 27\n", 21000,
             21100}}) {
    SCOPED_TRACE(c.script);
    platform::HeadlessConfig config = this->config();
    config.replay = *platform::parseReplay(c.replay);
    platform::HeadlessPlatform headless(config);
    app::Application a(headless);
    ASSERT_EQ(a.StartUp(), 0);
    auto* screen = new gui::Form("Underneath", &a.rootForm());
    a.SwitchForm("Underneath");
    EXPECT_EQ(a.RunMessageForm("ask", c.script, 10000), 0);
    EXPECT_GE(headless.tickMs(), c.fromMs);
    EXPECT_LT(headless.tickMs(), c.toMs);
    EXPECT_EQ(a.currentForm(), screen);
    EXPECT_EQ(a.keyPointer().form(), screen);
  }
}

TEST_F(MessageForm, QuittingEndsTheMessageAtOnce) {
  platform::HeadlessConfig c = config();
  c.replay = *platform::parseReplay("wait 500\nquit\n");
  platform::HeadlessPlatform headless(c);
  app::Application a(headless);
  ASSERT_EQ(a.StartUp(), 0);
  EXPECT_EQ(a.RunMessageForm("ask", "silent.scr", 0), 0);
  EXPECT_TRUE(a.quitRequested());
  EXPECT_EQ(headless.tickMs(), 500u);
}

}  // namespace
