// The screen set-up: every screen made in order under the root form, and the codes and
// messages of a screen whose script is missing.
#include "app/screen_setup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fixtures/game/scene_fixture.h"

namespace {

namespace fs = std::filesystem;
using game::testing::FakeApp;

const char* const kScripts[] = {"ingame.scr",   "startgame.scr",  "choosegame.scr",
                                "helpform.scr", "recordbook.scr", "credits.scr",
                                "auxclass.scr", "auxestafet.scr", "auxunlim.scr",
                                "infoform.scr", "options.scr"};

class ScreenSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(QV_TEST_TMP_DIR) / "screen_setup" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    game::testing::SetSceneVariables(app.variables_);
  }
  // An archive with every screen script except the one named.
  void archiveWithout(const std::string& missing) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const char* script : kScripts) {
      if (script != missing) entries.emplace_back(script, "function Init(h)\n{\n}\n");
    }
    app.SetArchive(entries);
  }
  int run() {
    const app::ScreenSetup setup{.app = app, .root = root, .saveFolder = dir_.string() + "/"};
    return app::SetUpScreens(setup, screens);
  }

  FakeApp app;
  gui::Form root{"main", nullptr};
  app::Screens screens;
  fs::path dir_;
};

TEST_F(ScreenSetupTest, MakesEveryScreenInOrder) {
  archiveWithout("");
  ASSERT_EQ(run(), 0);
  std::vector<std::string> names;
  for (const gui::Control* child : root.children())
    names.push_back(child->name());
  EXPECT_EQ(names, (std::vector<std::string>{"GameForm", "DemoScene", "OptionsForm", "StartForm",
                                             "ChooseForm", "HelpForm", "RecordBook", "CreditsForm",
                                             "AuxClassicForm", "AuxEstafetForm", "AuxUnlimitedForm",
                                             "InfoForm"}));
  ASSERT_NE(screens.gameScene, nullptr);
  EXPECT_EQ(screens.gameScene->parent(), screens.gameForm);
  EXPECT_TRUE(screens.gameScene->initialised());
  EXPECT_TRUE(screens.demoScene->isDemo());
  EXPECT_TRUE(screens.demoScene->visible);  // behind every menu from the first frame
  EXPECT_FALSE(screens.recordBook->visible);
  EXPECT_EQ(root.FindForm("HelpForm")->navFlags, 31);
  EXPECT_TRUE(fs::exists(dir_ / "options.dat"));  // no options yet: written at once
  EXPECT_TRUE(app.boxes.empty());
}

TEST_F(ScreenSetupTest, AMissingHelpScriptStopsWith268AndNoMessage) {
  archiveWithout("helpform.scr");
  EXPECT_EQ(run(), 268);
  EXPECT_TRUE(app.boxes.empty());
  EXPECT_EQ(root.FindForm("RecordBook"), nullptr);  // nothing after it was made
}

TEST_F(ScreenSetupTest, AMissingCreditsScriptShowsItsMessageAndStopsWith272) {
  archiveWithout("credits.scr");
  EXPECT_EQ(run(), 272);
  EXPECT_EQ(app.boxes, std::vector<std::string>{"Error: Error setting credits form driver"});
}

TEST_F(ScreenSetupTest, TheGameScreensScriptComesBeforeTheMenus) {
  archiveWithout("ingame.scr");
  EXPECT_EQ(run(), 262);
  EXPECT_EQ(app.boxes, std::vector<std::string>{"Error: Error setting game form driver"});
  EXPECT_EQ(root.FindForm("StartForm"), nullptr);
}

TEST_F(ScreenSetupTest, AResultGoesToTheRecordBook) {
  archiveWithout("");
  ASSERT_EQ(run(), 0);
  screens.gameScene->Record(1, game::RecordResult{250, "12.50m"});
  ASSERT_EQ(screens.recordBook->table().records().size(), 1u);
  EXPECT_EQ(screens.recordBook->table().records()[0].scoreText, "12.50m");
  EXPECT_EQ(app.switched.back(), "RecordBook");
}

}  // namespace
