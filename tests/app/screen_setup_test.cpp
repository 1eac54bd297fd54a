// The screen set-up: every screen made in order under the root form, and the codes and
// messages of a screen whose script does not load.
#include "app/screen_setup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "archive_fixture.h"
#include "fixtures/game/scene_fixture.h"

namespace {

namespace fs = std::filesystem;
using game::testing::FakeApp;

// The set-up over an archive with every screen script, the one named broken.
struct ScreensOver {
  explicit ScreensOver(const std::string& broken) {
    game::testing::SetSceneVariables(app.variables_);
    std::vector<std::pair<std::string, std::string>> entries;
    for (const char* script : testing_support::kScreenScripts)
      entries.emplace_back(script, script == broken ? "function Init(h) {" : "function Init(h) {}");
    app.SetArchive(entries);
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  int run() {
    const app::ScreenSetup setup{.app = app, .root = root, .saveFolder = dir.string() + "/"};
    return app::SetUpScreens(setup, screens);
  }
  FakeApp app;
  gui::Form root{"main", nullptr};
  app::Screens screens;
  fs::path dir = fs::path(QV_TEST_TMP_DIR) / "screen_setup";
};

TEST(ScreenSetup, MakesEveryScreenInOrder) {
  ScreensOver s("");
  const app::Screens& screens = s.screens;
  ASSERT_EQ(s.run(), 0);
  std::vector<std::string> names;
  for (const gui::Control* child : s.root.children())
    names.push_back(child->name());
  EXPECT_EQ(names, (std::vector<std::string>{"GameForm", "DemoScene", "OptionsForm", "StartForm",
                                             "ChooseForm", "HelpForm", "RecordBook", "CreditsForm",
                                             "AuxClassicForm", "AuxEstafetForm", "AuxUnlimitedForm",
                                             "InfoForm"}));
  ASSERT_NE(screens.gameScene, nullptr);
  EXPECT_TRUE(screens.demoScene->isDemo());
  EXPECT_TRUE(screens.demoScene->visible);  // behind every menu from the first frame
  EXPECT_FALSE(screens.recordBook->visible);
  EXPECT_EQ(s.root.FindForm("HelpForm")->navFlags, 31);
  EXPECT_TRUE(fs::exists(s.dir / "options.dat"));  // no options yet: written at once
  EXPECT_TRUE(s.app.boxes.empty());
}

// A screen script that does not load stops the set-up with its code, with or without a
// message, and nothing after that screen is made; the game screen's script comes before the
// menus.
TEST(ScreenSetup, AScriptThatDoesNotLoadStopsWithItsCodeAndMessage) {
  const struct {
    const char* broken;
    int code;
    std::vector<std::string> boxes;
    const char* notMade;
  } kCases[] = {
      {"helpform.scr", 268, {}, "RecordBook"},
      {"credits.scr", 272, {"Error: Error setting credits form driver"}, "AuxClassicForm"},
      {"ingame.scr", 262, {"Error: Error setting game form driver"}, "StartForm"},
      {"options.scr", 261, {"Error: Error"}, "StartForm"},
      {"recordbook.scr", 270, {"Error: Error setting records form driver"}, "CreditsForm"},
  };
  for (const auto& c : kCases) {
    ScreensOver s(c.broken);
    EXPECT_EQ(s.run(), c.code) << c.broken;
    EXPECT_EQ(s.app.boxes, c.boxes) << c.broken;
    EXPECT_EQ(s.root.FindForm(c.notMade), nullptr) << c.broken;
  }
}

}  // namespace
