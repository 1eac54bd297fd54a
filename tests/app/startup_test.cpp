#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "app/run.h"
#include "app/startup_codes.h"
#include "archive_fixture.h"
#include "gui/form.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"
#include "script/variable_table.h"

namespace {

namespace fs = std::filesystem;
using testing_support::initScript;
using testing_support::writeArchive;

const std::vector<std::pair<std::string, std::string>> kGoodVars = {
    {"INIT_RES", "1"}, {"RES_X", "240"},           {"RES_Y", "320"},
    {"SE_SPURT", "2"}, {"NORMAL_SE_COLOR", "255"}, {"ACTIVE_SE_COLOR", "16711680"}};

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(QV_TEST_TMP_DIR) / "startup" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  std::string folder() const { return dir_.string() + "/"; }
  platform::HeadlessConfig config() const {
    platform::HeadlessConfig c;
    c.installFolder = folder();
    return c;
  }
  void writeInit(const std::vector<std::pair<std::string, std::string>>& vars) {
    writeArchive(folder() + "graphics.dat", {{"init.scr", initScript(vars)}});
  }
  fs::path dir_;
};

TEST(StartupMessage, FixedTextsAndCodeFormat) {
  EXPECT_EQ(app::StartupMessage(7), "App init error. Code : 0X0007");
  EXPECT_EQ(app::StartupMessage(0x17), "App init error. Code : 0X0017");
  EXPECT_EQ(app::StartupMessage(0x1101), "App init error. Code : 0X1101");
  EXPECT_EQ(app::StartupMessage(0x300),
            "Size of resources is incompatible with screen size of device.");
  EXPECT_EQ(app::StartupMessage(0x1200), "Game already run");
}

TEST_F(Startup, ArchiveFailures) {
  platform::HeadlessPlatform headless(config());
  {
    app::Application application(headless);
    EXPECT_EQ(application.StartUp(), 0x1101);  // no graphics.dat
  }
  std::ofstream(folder() + "graphics.dat") << "2.00....";
  app::Application application(headless);
  EXPECT_EQ(application.StartUp(), 0x1102);
}

TEST_F(Startup, ResolutionVariablesFromInitScript) {
  platform::HeadlessPlatform headless(config());
  writeInit({{"RES_X", "240"}, {"RES_Y", "320"}});
  EXPECT_EQ(app::Application(headless).StartUp(), 0x300);  // INIT_RES missing reads as 0
  writeInit({{"INIT_RES", "1"}, {"RES_X", "0"}, {"RES_Y", "320"}});
  EXPECT_EQ(app::Application(headless).StartUp(), 8);
  writeInit({{"INIT_RES", "1"}, {"RES_X", "240"}});
  EXPECT_EQ(app::Application(headless).StartUp(), 8);
  // A size the display code cannot present is refused instead of overrunning the display.
  writeInit({{"INIT_RES", "1"}, {"RES_X", "300"}, {"RES_Y", "300"}});
  EXPECT_EQ(app::Application(headless).StartUp(), 0x300);
}

TEST_F(Startup, InitScriptThatDoesNotLoadGivesCode7) {
  writeArchive(folder() + "graphics.dat", {{"init.scr", "function Init(h) { x = 1;"}});
  platform::HeadlessPlatform headless(config());
  EXPECT_EQ(app::Application(headless).StartUp(), 7);
}

TEST_F(Startup, SucceedsAndSetsUpScreenAndPointer) {
  writeInit(kGoodVars);
  platform::HeadlessPlatform headless(config());
  app::Application application(headless);
  ASSERT_EQ(application.StartUp(), 0);
  EXPECT_TRUE(headless.windowCreated());
  EXPECT_EQ(application.logicalWidth(), 240);
  EXPECT_FALSE(application.hiRes());
  EXPECT_EQ(application.rootForm().width, 240);
  EXPECT_EQ(application.rootForm().navFlags, 3);
  EXPECT_EQ(application.keyPointer().normalColour(), 0x001F);
  EXPECT_EQ(application.keyPointer().activeColour(), 0xF800);
  EXPECT_EQ(application.screen().surface().at(10, 10), 0xFFFF);
  // The screens are made, the demo scene runs behind the start menu, which is current.
  ASSERT_NE(application.screens().demoScene, nullptr);
  EXPECT_TRUE(application.screens().demoScene->initialised());
  EXPECT_EQ(application.currentForm(), application.FindForm("StartForm"));
  EXPECT_NE(application.fonts().Find("fonts_menu"), nullptr);
}

TEST_F(Startup, LaterStepsStopWithTheirCodes) {
  const auto startWith = [&](std::vector<std::pair<std::string, std::string>> extra) {
    extra.insert(extra.begin(), {"init.scr", initScript(kGoodVars)});
    writeArchive(folder() + "graphics.dat", extra);
    std::ostringstream printed;
    platform::HeadlessConfig c = config();
    c.messages = &printed;
    platform::HeadlessPlatform headless(c);
    app::Application application(headless);
    const int code = application.StartUp();
    return std::to_string(code) + " " + printed.str();
  };
  EXPECT_EQ(startWith({{"fonts_menu.cfn", "not a font"}}), "18 ");
  EXPECT_EQ(startWith({{"experiena.cfn", "not a font"}}), "23 ");
  EXPECT_EQ(startWith({{"credits.scr", "function Init(h) {"}}),
            "272 messagebox: Error: Error setting credits form driver\n");
}

// The exclusive hold on graphics.dat is what keeps a second copy of the game from starting.
TEST_F(Startup, SecondQvtoolProcessPrintsGameAlreadyRun) {
  writeInit(kGoodVars);
  auto held = platform::openReadableFile(folder() + "graphics.dat", platform::OpenMode::Exclusive);
  ASSERT_TRUE(held);
  const std::string command = std::string(QV_BIN_DIR) + "/qvtool run --dir " + folder();
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char line[256] = {};
  std::string output;
  while (std::fgets(line, sizeof line, pipe) != nullptr)
    output += line;
  const int status = pclose(pipe);
  EXPECT_EQ(output, "messagebox: Error: Game already run\n");
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST_F(Startup, RunQuitsThroughNormalShutdownAtEndOfReplay) {
  writeInit(kGoodVars);
  platform::HeadlessConfig c = config();
  c.replay = *platform::parseReplay("wait 400\n");
  platform::HeadlessPlatform headless(c);
  long frames = -1;
  app::RunOptions options;
  options.atEnd = [&](app::Application& a) { frames = a.framesDrawn(); };
  EXPECT_EQ(app::Run(headless, options), app::RunResult::Quit);
  // Frames at 40, 80, ..., 360 ms of virtual time; the Quit due at 400 ms is handled first.
  EXPECT_EQ(frames, 9);
  // The lock went with the Application: the game can start again.
  EXPECT_TRUE(platform::openReadableFile(folder() + "graphics.dat", platform::OpenMode::Exclusive));
}

}  // namespace
