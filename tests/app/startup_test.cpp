#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/application.h"
#include "app/startup_codes.h"
#include "archive_fixture.h"
#include "fixtures/temp_folder.h"
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

class Startup : public testing_support::TempFolderTest {
 protected:
  platform::HeadlessConfig config() const {
    platform::HeadlessConfig c;
    c.installFolder = folder();
    return c;
  }
};

TEST(StartupMessage, FixedTextsAndCodeFormat) {
  EXPECT_EQ(app::StartupMessage(7), "App init error. Code : 0X0007");
  EXPECT_EQ(app::StartupMessage(0x17), "App init error. Code : 0X0017");
  EXPECT_EQ(app::StartupMessage(0x1101), "App init error. Code : 0X1101");
  EXPECT_EQ(app::StartupMessage(0x300),
            "Size of resources is incompatible with screen size of device.");
  EXPECT_EQ(app::StartupMessage(0x1200), "Game already run");
}

// Each failing step stops the start with its code; the message box, where one is shown, is
// printed by the headless platform.
TEST_F(Startup, FailingStepsStopWithTheirCodes) {
  using Vars = std::vector<std::pair<std::string, std::string>>;
  const struct {
    const char* archive;  // nullptr: no graphics.dat; "" an init.scr of vars and extra entries
    Vars vars;
    std::vector<std::pair<std::string, std::string>> extra;
    std::string result;
    bool held = false;  // graphics.dat held exclusively, as by a running copy of the game
  } kCases[] = {
      {nullptr, {}, {}, "4353 "},  // 0x1101
      {"2.00....", {}, {}, "4354 "},
      {"", {{"RES_X", "240"}, {"RES_Y", "320"}}, {}, "768 "},  // INIT_RES missing reads as 0
      {"", {{"INIT_RES", "1"}, {"RES_X", "0"}, {"RES_Y", "320"}}, {}, "8 "},
      {"", {{"INIT_RES", "1"}, {"RES_X", "240"}}, {}, "8 "},
      // A size the display code cannot present is refused instead of overrunning the display.
      {"", {{"INIT_RES", "1"}, {"RES_X", "300"}, {"RES_Y", "300"}}, {}, "768 "},
      {"", {}, {{"init.scr", "function Init(h) { x = 1;"}}, "7 "},
      {"", kGoodVars, {{"fonts_menu.cfn", "not a font"}}, "18 "},
      {"", kGoodVars, {{"experiena.cfn", "not a font"}}, "23 "},
      {"", kGoodVars, {}, "4608 ", true},
  };
  for (const auto& c : kCases) {
    fs::remove(folder() + "graphics.dat");
    if (c.archive != nullptr && *c.archive != 0) {
      std::ofstream(folder() + "graphics.dat") << c.archive;
    } else if (c.archive != nullptr) {
      auto entries = c.extra;
      entries.emplace_back("init.scr", initScript(c.vars));  // the earlier of two names wins
      writeArchive(folder() + "graphics.dat", entries);
    }
    auto held =
        platform::openReadableFile(folder() + "graphics.dat", c.held ? platform::OpenMode::Exclusive
                                                                     : platform::OpenMode::Shared);
    std::ostringstream printed;
    platform::HeadlessConfig config = this->config();
    config.messages = &printed;
    platform::HeadlessPlatform headless(config);
    EXPECT_EQ(std::to_string(app::Application(headless).StartUp()) + " " + printed.str(), c.result)
        << c.result;
  }
}

// The rest of a good start is what every end-to-end game plays through.
TEST_F(Startup, SucceedsAndSetsUpTheRootFormAndThePointersColours) {
  writeArchive(folder() + "graphics.dat", {{"init.scr", initScript(kGoodVars)}});
  platform::HeadlessPlatform headless(config());
  app::Application application(headless);
  ASSERT_EQ(application.StartUp(), 0);
  EXPECT_EQ(application.rootForm().navFlags, 3);
  EXPECT_EQ(application.keyPointer().normalColour(), 0x001F);
  EXPECT_EQ(application.keyPointer().activeColour(), 0xF800);
}

}  // namespace
