// The options screen: its select boxes filled from the options, what each change does to the
// options, the sound and the scenes, and the options written back when the screen goes.
#include "settings/options_form.h"

#include <gtest/gtest.h>

#include "fixtures/game/scene_fixture.h"
#include "fixtures/temp_folder.h"
#include "gui/select_box.h"
#include "platform/file.h"

namespace settings {
namespace {

using game::testing::FakeApp;

class RecordingSound final : public OptionsSound {
 public:
  void SetMusicOn(bool on, bool apply) override {
    calls.push_back(std::string("music ") + (on ? "on" : "off") + (apply ? " apply" : ""));
  }
  bool LoadSongData(std::string_view name) override {
    calls.push_back("load " + std::string(name));
    return true;
  }
  void SetMusicVolume(int v) override { calls.push_back("music volume " + std::to_string(v)); }
  void StartSong() override { calls.push_back("start"); }
  void SetSoundVolume(int v) override { calls.push_back("sound volume " + std::to_string(v)); }
  void SetEffectsOn(bool on) override { calls.push_back(on ? "effects on" : "effects off"); }
  std::vector<std::string> calls;
};

class Options : public testing_support::TempFolderTest {
 protected:
  std::string path() const { return (dir_ / "options.dat").string(); }
  // The screen with the boxes its script would make, set up from options.dat.
  OptionsForm& make() {
    OptionsHooks hooks;
    hooks.lookChanged = [this](const settings::Options& o) { looks.push_back(o); };
    hooks.applyConnectType = [this](int t) { applied.push_back(t); };
    hooks.gameMode = [this] { return mode; };
    form = std::make_unique<OptionsForm>("OptionsForm", nullptr, app, &sound, hooks);
    for (const char* name : {"rgTypeConnection", "rgBackground", "rgMulticolor", "cbClouds",
                             "dsSound", "dsMusic", "tbMenu"}) {
      new gui::SelectBox(name, form.get());
    }
    EXPECT_TRUE(form->Initialise(0, 0, 240, 320, "fonts_menu", "fmsmall", path()));
    return *form;
  }
  gui::SelectBox& box(const char* name) {
    return *dynamic_cast<gui::SelectBox*>(form->FindControl(name));
  }
  void choose(const char* name, int index) {
    gui::SelectBox& b = box(name);
    b.selected = index;
    b.onDown(b, 0, 0);
  }
  std::string file() const { return *platform::readWholeFile(path()); }

  FakeApp app;
  RecordingSound sound;
  std::unique_ptr<OptionsForm> form;
  std::vector<settings::Options> looks;
  std::vector<int> applied;
  int mode = 1;
};

TEST_F(Options, BoxesShowTheOptionsReadFromTheFile) {
  std::ofstream(path()) << "ConnectType = 2\nBackgroundType = 1\nMusicVolume = 60\n";
  make();
  ASSERT_EQ(box("rgTypeConnection").items().size(), 3u);
  EXPECT_EQ(*box("rgTypeConnection").items()[1].text, "One line");
  EXPECT_EQ(box("rgTypeConnection").selected, 2);
  EXPECT_EQ(box("rgBackground").selected, 1);
  EXPECT_EQ(*box("cbClouds").items()[0].text, "Off");
  EXPECT_EQ(*box("dsMusic").items()[0].text, "Off");
  EXPECT_EQ(box("dsMusic").selected, 0);  // its pictures are missing here: only "Off" is left
}

// The music box starts the mode's song from Off and stops it at Off; the effects box switches
// the effects with their volume. A step to the current value does nothing.
TEST_F(Options, VolumeStepsSwitchTheMusicAndTheEffects) {
  make();
  const struct {
    const char* box;
    int index;
    std::vector<std::string> calls;
    int musicOn, soundOn, musicVolume;
  } kSteps[] = {
      {"dsMusic", 3, {"music on", "load 1.xm", "music volume 60", "start"}, 1, 0, 60},
      {"dsMusic", 3, {}, 1, 0, 60},
      {"dsMusic", 5, {"music volume 100"}, 1, 0, 100},
      {"dsMusic", 0, {"music off apply", "music volume 0"}, 0, 0, 0},
      {"dsSound", 2, {"effects on", "sound volume 40"}, 0, 1, 0},
      {"dsSound", 0, {"sound volume 0"}, 0, 0, 0},
  };
  for (const auto& step : kSteps) {
    sound.calls.clear();
    choose(step.box, step.index);
    EXPECT_EQ(sound.calls, step.calls) << step.box << " " << step.index;
    EXPECT_EQ(form->options().musicOn, step.musicOn) << step.box << " " << step.index;
    EXPECT_EQ(form->options().soundOn, step.soundOn) << step.box << " " << step.index;
    EXPECT_EQ(form->options().musicVolume, step.musicVolume) << step.box << " " << step.index;
  }
}

TEST_F(Options, LooksChangeAtOnceAndTheLinkStyleResizesTheScenes) {
  make();
  choose("rgMulticolor", 5);
  EXPECT_EQ(form->options().colorSpectrum, 5);
  EXPECT_EQ(form->options().multicolorOn, 1);
  choose("rgMulticolor", 2);
  EXPECT_EQ(form->options().multicolorOn, 0);
  choose("rgTypeConnection", 1);
  EXPECT_EQ(applied, std::vector<int>{1});
  gui::SelectBox& clouds = box("cbClouds");
  clouds.selected = 1;
  clouds.onClick(clouds);
  EXPECT_EQ(form->options().cloudsOn, 1);
  ASSERT_FALSE(looks.empty());
  EXPECT_EQ(looks.back().cloudsOn, 1);
}

TEST_F(Options, LeavingTheScreenWritesTheOptions) {
  make();
  EXPECT_NE(file().find("MusicOn = 0\n"), std::string::npos);  // a missing file is made at once
  choose("rgTypeConnection", 2);
  form->Deactivate();  // a crash after leaving the screen keeps the choice
  EXPECT_NE(file().find("ConnectType = 2\n"), std::string::npos);
}

}  // namespace
}  // namespace settings
