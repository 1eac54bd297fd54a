// The native tables as scripts call them. Application and sound: registration, argument counts,
// the screenshot request and the music natives over a recording sound library. Game: which scene
// each function addresses and the natives that must do nothing. GUI: argument positions,
// results, flags, handle checks, the select-box message boxes, the record-book layout and
// scripts attached to forms. Every caller's script is named "7.scr": a native that read the name
// as a missing number argument would see 7 instead of 0.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fixtures/game/scene_fixture.h"
#include "fixtures/resources/memory_archive.h"
#include "gui/button.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "gui/image.h"
#include "gui/label.h"
#include "gui/rect.h"
#include "gui/select_box.h"
#include "gui/text_button.h"
#include "natives/application_table.h"
#include "natives/game_table.h"
#include "natives/gui_table.h"
#include "natives/sound_table.h"
#include "resources/resource_archive.h"
#include "script/script_engine.h"
#include "sound/recording_sound_library.h"
#include "sound/sound_system.h"

namespace {

using Calls = std::vector<std::string>;
using game::testing::FakeApp;
using gui::testing::solidSpr;

// Runs body as the function Test of a fresh script "7.scr" and gives its result, "(none)" when it
// gives nothing.
std::string runScript(script::NativeRegistry& natives, script::Host& host,
                      const std::string& body) {
  script::ScriptEngine engine(natives, host);
  EXPECT_TRUE(engine.LoadScript("7.scr", "function Test()\n{\n" + body + "\n}\n").ok());
  return engine.CallFunction("Test", {}).value_or("(none)");
}

class ApplicationTable : public ::testing::Test {
 protected:
  ApplicationTable() {
    const natives::ApplicationTableServices services{
        .variables = &variables,
        .quit = [this] { events.push_back("quit"); },
        .switchForm =
            [this](std::string_view form) { events.push_back("switch " + std::string(form)); },
        .showCursor = [this](bool shown) { events.push_back(shown ? "show" : "hide"); },
        .saveScreenshot = [this] { events.push_back("shot"); },
        .screenSize = [](bool width) { return width ? 480 : 640; },
        .displaySize = [](bool width) { return width ? 240 : 320; }};
    EXPECT_TRUE(natives::RegisterApplicationNatives(natives, services));
    EXPECT_TRUE(natives::RegisterSoundNatives(natives, &sound));
  }
  std::string run(const std::string& body) { return runScript(natives, host, body); }

  std::unique_ptr<resources::ResourceArchive> archive =
      testing_support::memoryArchive({{"2.xm", "relay song"}});
  sound::RecordingSoundLibrary library;
  sound::SoundSystem sound{library, *archive};
  script::VariableTable variables;
  script::NativeRegistry natives;
  FakeApp host;  // the script host: records errors
  std::vector<std::string> events;
};

TEST_F(ApplicationTable, ApplicationNativesActAndAnswer) {
  EXPECT_EQ(run("return GetGameTimeQuant();"), "40");
  EXPECT_EQ(run("return (SetGlobalVar(\"Answer1\", \"yes\") $+ GetGlobalVar(\"Answer1\"));"),
            "1yes");
  run("SwitchForm(\"ChooseForm\", \"StartForm\"); SwitchForm(); SwitchForm(\"ChooseForm\");");
  run("HideCursor(); ShowCursor(); SaveScreenShot(); SaveScreenShot(); QuitApplication();");
  EXPECT_EQ(events, (Calls{"switch ChooseForm", "hide", "show", "shot", "shot", "quit"}))
      << "SwitchForm acts only with exactly one argument";
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ApplicationTable, ScreenParamsAnswerWidthAndHeightOnly) {
  // Unknown names give an empty text, not the 0 that a native giving nothing would produce.
  EXPECT_EQ(
      run("return (GetScreenParams(\"Width\") $+ \",\" $+ GetScreenParams(\"Height\") $+ \",\""
          " $+ FindoutScreenParams(\"Width\") $+ \",\" $+ FindoutScreenParams(\"Height\")"
          " $+ \",\" $+ GetScreenParams(\"Depth\") $+ FindoutScreenParams(\"width\")"
          " $+ GetScreenParams());"),
      "480,640,240,320,");
}

TEST_F(ApplicationTable, MusicNativesDriveTheSoundSystem) {
  sound.SetMusicVolume(60);
  library.ClearCalls();
  run("LoadMusic(\"2.xm\"); PlayMusic(); PlayEffect(); StopMusic();");
  EXPECT_EQ(library.calls(),
            (Calls{"Close()", "Open(11025, 32)", "SetEffectsVolume(0)", "LoadSong(10) -> 1",
                   "SetSongLooping(1, 1)", "PlaySong(1)", "SetSongVolume(1, 153)", "StopSong(1)"}));
  EXPECT_EQ(sound.songName(), "2.xm");

  // A missing song leaves no data: PlayMusic then makes no song. LoadMusic without a name and
  // PlayEffect leave the sound as it is.
  library.ClearCalls();
  run("LoadMusic(); PlayEffect();");
  EXPECT_TRUE(library.calls().empty());
  run("LoadMusic(\"9.xm\"); PlayMusic(); StopMusic();");
  EXPECT_EQ(library.calls().back(), "LoadSong(0) -> 0");
  EXPECT_TRUE(!sound.hasSong() && host.errors.empty());
}

// The game scene on its form and the demo scene behind the menus.
class GameTable : public ::testing::Test, public game::testing::SceneHarness {
 protected:
  GameTable() : gameScene(&make()) {
    demoScene = std::make_unique<game::GameScene>("DemoScene", &root, app, nullptr);
    demoScene->Initialise(0, 0, 240, 320, true, 1);
    EXPECT_TRUE(
        natives::RegisterGameNatives(natives, {.gameScene = [this] { return gameScene; },
                                               .demoScene = [this] { return demoScene.get(); }}));
  }
  std::string run(const std::string& body) { return runScript(natives, app, body); }

  game::GameScene* gameScene;
  gui::Form root{"main", nullptr};
  std::unique_ptr<game::GameScene> demoScene;
  script::NativeRegistry natives;
};

TEST_F(GameTable, AddBlobAndAddLinkDecorateTheDemoScene) {
  // A link to an identifier that names no blob makes nothing.
  run("var a; var b; a = AddBlob(100, 40, 2); b = AddBlob(130, 40); AddLink(a, b, 1);"
      "AddLink(a, \"12345\", 1); AddLink(\"junk\", b, 1);");
  const auto& blobs = demoScene->world().blobs();
  ASSERT_EQ(blobs.size(), 2u);
  // Heights are given upwards; a missing argument reads 0.
  EXPECT_EQ(std::tuple(blobs.front().x, blobs.front().y, +blobs.front().colorIndex,
                       +blobs.back().colorIndex, demoScene->world().links().size()),
            std::tuple(100.0f, -40.0f, 2, 0, 1u));
  EXPECT_TRUE(gameScene->world().blobs().empty());
  EXPECT_EQ(run("return ActivateExperience(1, 2);"), "0");  // does nothing
}

TEST_F(GameTable, StartGameZoomAndSizesAddressTheGameScene) {
  run("StartGame(1, 25, 0, 0);");
  EXPECT_EQ(
      std::tuple(gameScene->world().mode, gameScene->world().gooLimit, demoScene->world().mode),
      std::tuple(1, 25, 0));
  run("MagMinus(); MagMinus(); MagPlus();");
  EXPECT_FLOAT_EQ(gameScene->world().camera.zoom, 0.9f);
  EXPECT_EQ(run("return (GetSceneWidth() $+ \" \" $+ GetSceneHeight());"), "240 320");
  run("SetWind(0.25);");
  EXPECT_FLOAT_EQ(gameScene->world().wind.wind, 0.25f);
}

TEST_F(GameTable, SetResistanceFactorNeedsTheSceneNameAndAValue) {
  const game::WorldConstants& game = gameScene->world().constants();
  const float before = game.linkStiffness;
  // No value, or a name in the wrong case: nothing changes.
  run("SetResistanceFactor(\"Game\"); SetResistanceFactor(\"game\", 0.9);");
  EXPECT_FLOAT_EQ(game.linkStiffness, before);
  gameScene->world().tuning().frozenLinkStiffness = 0.5f;
  run("SetResistanceFactor(\"Demo\", 0.75);");
  EXPECT_FLOAT_EQ(demoScene->world().constants().linkStiffness, 0.75f);
  EXPECT_FLOAT_EQ(game.linkStiffness, before);
  EXPECT_FLOAT_EQ(game.frozenLinkStiffness, 0.6f);  // shared
}

TEST_F(GameTable, CloudsGoToTheScenesTheirNamesSay) {
  run("AddCloud(10, 100, 1, 3); AddCloudToGame(0, 0, 0, 0); AddCloudToDemo(0, 0, 0, 0);");
  EXPECT_EQ(
      std::tuple(gameScene->renderer().clouds().size(), demoScene->renderer().clouds().size()),
      std::tuple(2u, 2u));
  EXPECT_FLOAT_EQ(demoScene->renderer().clouds().front().y, -100.0f);
  run("SetViewPoint(0-50.5, 0-200);");
  EXPECT_FLOAT_EQ(demoScene->world().camera.cameraX, -50.5f);
}

TEST(GameTableWithoutScenes, NativesDoNothingBeforeTheScenesExist) {
  FakeApp app;
  script::NativeRegistry natives;
  const auto none = []() -> game::GameScene* { return nullptr; };
  ASSERT_TRUE(natives::RegisterGameNatives(natives, {.gameScene = none, .demoScene = none}));
  EXPECT_EQ(runScript(natives, app, "StartGame(1,2,3,4); return AddBlob(1,2,3);"), "0");
}

// The game scene's recording application with an archive in memory, two test fonts, a root
// form with a control registry and the GUI natives registered.
class TestApp final : public game::testing::FakeApp {
 public:
  explicit TestApp(const std::vector<std::pair<std::string, std::string>>& entries) {
    SetArchive(entries);
    gui::testing::addTestFonts(fonts_);
    root.AttachRegistry(controls);
    root.width = 240;
    root.height = 320;
    const auto openArchive = [this](std::string_view name) {
      const auto it = otherArchives.find(std::string(name));
      return it == otherArchives.end() ? nullptr : gui::testing::memoryArchive(it->second);
    };
    const natives::GuiTableServices services{
        .app = this, .controls = &controls, .recordBook = &layout, .openArchive = openArchive};
    registered = natives::RegisterGuiNatives(natives(), services);
  }

  /// Calls a native with the arguments and the caller's script name "7.scr".
  std::optional<std::string> call(std::string_view name, std::vector<std::string> args) {
    args.push_back("7.scr");
    return natives().CallNative(name, args);
  }
  gui::Control* control(const std::optional<std::string>& handle) {
    return handle ? controls.Find(*handle) : nullptr;
  }
  /// Calls a native that makes a control and gives the control as a T, or null.
  template <class T = gui::Control>
  T* add(std::string_view native, std::vector<std::string> args) {
    return dynamic_cast<T*>(control(call(native, std::move(args))));
  }
  std::string rootHandle() const { return gui::HandleOf(&root); }
  gui::Form* FindForm(std::string_view name) const override { return root.FindForm(name); }

  gui::ControlRegistry controls;  // outlives the root form
  gui::Form root{"main", nullptr};
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> otherArchives;
  bool registered = false;
};

const std::vector<std::pair<std::string, std::string>> kEntries = {
    {"a.spr", solidSpr(6, 4, 0xF800)},
    {"b.spr", solidSpr(6, 4, 0x07E0)},
    {"arrow0.spr", solidSpr(3, 3, 1)},
    {"screen.scr",
     "function Init(h) { global me; me = h; AddLabel(h, 1, 2, \"lTitle\", \"hi\", \"f\", 5) }"
     "function lTitle_Click() { DeleteControl(me) }"},
    {"broken.scr", "function Init(h) { "},
    {"again.scr", "function Init(h) { SetDriver(h, \"screen.scr\") }"},
};

class GuiTable : public ::testing::Test {
 protected:
  std::optional<std::string> form(const std::string& name = "screen") {
    return app.call("AddForm", {app.rootHandle(), "0", "0", name, "240", "320"});
  }
  TestApp app{kEntries};
};

TEST_F(GuiTable, AddFormMakesAHiddenIdleFormThatNavigatesUpAndDown) {
  ASSERT_TRUE(app.registered);
  auto* f = dynamic_cast<gui::Form*>(app.control(form()));
  ASSERT_TRUE(f && f->parent() == &app.root);
  EXPECT_EQ(std::tuple(f->visible, f->updating, f->enabled, +f->navFlags, +f->width),
            std::tuple(false, false, false, 3, 240));
  EXPECT_EQ(app.call("GetParentForm", {gui::HandleOf(f)}), app.rootHandle());
  EXPECT_EQ(app.call("GetParentForm", {app.rootHandle()}), "0");
  // A parent that is no live form creates nothing.
  EXPECT_FALSE(app.call("AddForm", {"0", "0", "0", "x", "1", "1"}) ||
               app.call("AddLabel", {"abc", "0", "0", "x", "t", "f", "1"}));
}

TEST_F(GuiTable, FillRectWidthIsItsNameReadAsANumber) {
  const std::string f = *form();
  auto* wide = app.add<gui::Rect>("AddFillRect", {f, "1", "2", "240", "40", "31", "65535"});
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(std::tuple(std::string(wide->name()), +wide->width, +wide->height, +wide->colour,
                       wide->alwaysRepaint),
            std::tuple("240", 240, 40, 65535, true));
  auto* bar = app.add("AddFillRect", {f, "1", "2", "bar", "40", "31", "0"});
  ASSERT_TRUE(bar && bar->width == 0);
}

TEST_F(GuiTable, ButtonsHaveAPressedPictureOnlyWithSixArguments) {
  const std::string f = *form();
  auto* six = app.add<gui::Button>("AddButton", {f, "1", "2", "b6", "a.spr", "b.spr"});
  auto* five = app.add<gui::Button>("AddButton", {f, "1", "2", "b5", "a.spr"});
  ASSERT_TRUE(six != nullptr && five != nullptr);
  EXPECT_TRUE(six->pressedPicture() != nullptr && five->pressedPicture() == nullptr);
  EXPECT_TRUE(!six->updating && six->enabled);
  // A failed initialisation still gives a handle and the flags.
  auto* broken = app.add("AddButton", {f, "1", "2", "bx", "missing.spr"});
  EXPECT_TRUE(broken && broken->visible && broken->width == 0);
}

TEST_F(GuiTable, LabelsImagesAndTextButtons) {
  const std::string f = *form();
  const auto l = app.call("AddLabel", {f, "3", "4", "lTitle", "abc", "f", "31"});
  auto* label = dynamic_cast<gui::Label*>(app.control(l));
  ASSERT_TRUE(label && label->width == 18 && !label->enabled);
  app.call("SetLabelText", {*l, "abcd", "9"});
  EXPECT_EQ(std::tuple(+label->width, +label->colour()), std::tuple(24, 9));
  app.call("SetLabelText", {*l, "abcd"});
  EXPECT_EQ(label->colour(), 0);  // a missing argument reads 0
  EXPECT_EQ(app.call("GetControlName", {*l}), "lTitle");

  const auto i = app.call("AddImage", {f, "0", "0", "iLogo", "a.spr"});
  auto* image = dynamic_cast<gui::Image*>(app.control(i));
  ASSERT_TRUE(image && image->width == 6);
  app.call("SetImageSource", {*i, "arrow0.spr"});
  EXPECT_EQ(image->width, 3);
  app.otherArchives["extra.dat"] = {{"x.spr", solidSpr(9, 9, 3)}};
  app.call("SetImageSource", {*i, "x.spr", "extra.dat"});
  EXPECT_EQ(image->width, 9);
  app.call("SetImageSource", {*i, "a.spr", "absent.dat"});  // cannot open: unchanged
  EXPECT_EQ(image->width, 9);

  auto* button = app.add<gui::TextButton>("AddTextButton",
                                          {f, "0", "0", "tbGo", "f", "big", "Go", "Go!", "1", "2"});
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(std::tuple(+button->width, std::string(button->pressedText()), button->invalid),
            std::tuple(12, "Go!", true));  // drawn when first shown
}

TEST_F(GuiTable, FlagSettersAndGetters) {
  const std::string f = *form();
  const std::string l = *app.call("AddLabel", {f, "-5", "4", "l", "abc", "f", "31"});
  gui::Control* c = app.control(l);
  for (const auto& [getter, answer] :
       {std::pair("GetPosX", "-5"), {"GetPosY", "4"}, {"GetWidth", "18"}, {"GetHeight", "8"}})
    EXPECT_EQ(app.call(getter, {l}), answer) << getter;
  for (const auto& [native, flag, value] : {std::tuple("Hide", &gui::Control::visible, false),
                                            {"Show", &gui::Control::visible, true},
                                            {"Enable", &gui::Control::enabled, true},
                                            {"DisableRepaint", &gui::Control::alwaysRepaint, false},
                                            {"Invalidate", &gui::Control::invalid, true}}) {
    c->*flag = !value;
    app.call(native, {l});
    EXPECT_EQ(c->*flag, value) << native;
  }
  c->focusX = 10;
  app.call("SetPosition", {l, "5", "6"});
  EXPECT_EQ(std::tuple(+c->x, +c->focusX), std::tuple(5, 20));
  app.call("SetProperties", {l, "1", "0", "0", "7", "0"});
  EXPECT_EQ(std::tuple(c->visible, c->invalid, c->alwaysRepaint, c->enabled, c->updating),
            std::tuple(true, false, false, true, false));
  EXPECT_EQ(app.call("GetControl", {f, "l"}), l);
  EXPECT_EQ(app.call("GetControl", {f, "L"}), "0");
  // No control, or a deleted one: nothing happens and nothing is answered.
  app.call("DeleteControl", {l});
  EXPECT_EQ(app.call("GetControl", {f, "l"}), "0");
  for (const std::string h : {"0", "junk"})
    app.call("Show", {h});
  app.call("Show", {l});
  EXPECT_TRUE(!app.call("GetPosX", {l}) && !app.call("GetControlName", {l}));
  app.call("DeleteControl", {app.rootHandle()});  // the root form stays
  EXPECT_EQ(app.controls.Find(app.rootHandle()), &app.root);
}

TEST_F(GuiTable, AddControlBuildsByExactTypeName) {
  const std::string f = *form();
  const auto made = app.call("AddControl", {f, "Label", "lx", "1", "2", "f", "abc", "3"});
  ASSERT_TRUE(app.control(made) && app.control(made)->width == 18);
  // One argument short: the colour reads 0, never the caller's name.
  const auto shortOne = app.call("AddControl", {f, "Label", "lw", "1", "2", "f", "abc"});
  ASSERT_NE(app.control(shortOne), nullptr);
  EXPECT_EQ(dynamic_cast<gui::Label*>(app.control(shortOne))->colour(), 0);
  EXPECT_FALSE(app.call("AddControl", {f, "label", "ly", "1", "2", "f", "abc", "3"}) ||
               app.call("AddControl", {f, "Widget", "lz"}) || app.call("AddControl", {f, "Label"}));
  auto* screen = dynamic_cast<gui::Form*>(app.control(f));
  EXPECT_EQ(screen->children().size(), 2u);
  // A failed initialisation gives nothing and leaves nothing behind: a keyboard without its
  // layout would otherwise still be found by its name.
  EXPECT_FALSE(app.call("AddControl", {f, "Button", "bx", "1", "2", "missing.spr"}) ||
               app.call("AddControl", {f, "Keyboard", "Keyboard", "1", "2", "f", "0"}));
  EXPECT_TRUE(screen->children().size() == 2u && !screen->FindControl("Keyboard"));
  const auto sub = app.call("AddControl", {f, "Form", "sub", "1", "2", "30", "40"});
  auto* subForm = dynamic_cast<gui::Form*>(app.control(sub));
  ASSERT_NE(subForm, nullptr);
  EXPECT_TRUE(!subForm->visible && subForm->enabled && subForm->updating && subForm->height == 40);
}

TEST_F(GuiTable, RecordBookLayout) {
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "1", "2"}), "0");
  app.call("SetRecordBookParams", {"40", "75", "10", "20"});
  // An axis starting with 0 is across (the margin, whatever the row); any other is down. The
  // row arithmetic itself is the score table's.
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "0", "2"}), "20");
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "1", "1"}), "55");
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "y", "2"}), "70");
  app.call("SetRecordBookParams", {"1", "2", "3"});
  EXPECT_EQ(std::tuple(app.layout.top, app.layout.rightMargin), std::tuple(40, 10));
}

TEST_F(GuiTable, SelectBoxTakesItemsAndItsFailuresAndShowMessageGiveMessageBoxes) {
  const std::string f = *form();
  const std::vector<std::string> good = {f,       "0",     "0",     "sbMode", "60",    "10",
                                         "0",     "0",     "0",     "0",      "f",     "1",
                                         "b.spr", "b.spr", "a.spr", "a.spr",  "a.spr", "a.spr"};
  const auto h = app.call("AddSelectBox", good);
  auto* box = dynamic_cast<gui::SelectBox*>(app.control(h));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->initialised() && app.boxes.empty());
  app.call("AddSelectBoxItem", {*h, "0", "classic"});
  app.call("AddSelectBoxItem", {*h, "arrow0.spr", std::string(20, 'r')});
  app.call("AddSelectBoxItem", {*h, "a.spr", "10 goos"});
  app.call("AddSelectBoxItem", {*h, "a.png", "never"});
  const auto& items = box->items();
  ASSERT_EQ(items.size(), 3u);
  // A name with 0 in it stands for no picture.
  EXPECT_TRUE(items[0].picture == nullptr && items[1].picture == nullptr && items[2].picture);
  EXPECT_EQ(std::tuple(*items[0].text, *items[1].text, items[2].text.has_value()),
            std::tuple("classic", std::string(15, 'r'), false));

  for (const auto& [name, at, value] :
       {std::tuple("sbBad", 14, "missing.spr"), std::tuple("sbFont", 10, "nofont")}) {
    std::vector<std::string> bad = good;
    bad[3] = name;
    bad[at] = value;
    EXPECT_NE(app.control(app.call("AddSelectBox", bad)), nullptr) << name;
  }
  app.call("ShowMessage", {"abc"});
  EXPECT_EQ(app.boxes, (std::vector<std::string>{"Error bitmap: sbBad", "Error init: sbBad",
                                                 "Error init: sbFont", "Message: abc"}));
}

TEST_F(GuiTable, SetDriverRunsInitWithTheFormsHandle) {
  const std::string f = *form();
  auto* screen = dynamic_cast<gui::Form*>(app.control(f));
  app.call("SetDriver", {f, "screen.scr"});
  ASSERT_NE(screen->driver(), nullptr);
  EXPECT_NE(screen->FindControl("lTitle"), nullptr);
  app.call("SetDriver", {f, "absent.scr"});  // no such entry: nothing changes
  EXPECT_NE(screen->driver(), nullptr);
  app.call("SetDriver", {f, "broken.scr"});  // does not load: no driver
  EXPECT_TRUE(screen->driver() == nullptr && app.errors.size() == 1);

  // A script that replaces its own driver from Init, and one that deletes its own form from a
  // handler, both finish safely.
  app.call("SetDriver", {f, "again.scr"});
  ASSERT_NE(screen->driver(), nullptr);
  EXPECT_EQ(screen->children().size(), 2u);  // one label from each run of screen.scr's Init
  screen->CallDriver("lTitle_Click");
  EXPECT_EQ(app.controls.Find(f), nullptr);
  app.controls.CollectRetired();
}

}  // namespace
