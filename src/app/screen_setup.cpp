#include "app/screen_setup.h"

#include "gui/experience_icon.h"
#include "gui/form_script.h"
#include "resources/resource_archive.h"
#include "script/host.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace app {
namespace {

struct GenericScreen {
  const char* name;
  std::uint8_t navFlags;
  const char* script;
  int code;
  const char* message;  // null: no message box
};

constexpr GenericScreen kMenus[] = {
    {"StartForm", 15, "startgame.scr", 264, "Error setting start form driver"},
    {"ChooseForm", 15, "choosegame.scr", 266, "Error setting choose form driver"},
    {"HelpForm", 31, "helpform.scr", 268, nullptr},
};
constexpr GenericScreen kInformation[] = {
    {"CreditsForm", 15, "credits.scr", 272, "Error setting credits form driver"},
    {"AuxClassicForm", 31, "auxclass.scr", 274, "Error setting auxiliary classic form driver"},
    {"AuxEstafetForm", 31, "auxestafet.scr", 276, "Error setting auxiliary estafet form driver"},
    {"AuxUnlimitedForm", 31, "auxunlim.scr", 278, "Error setting auxiliary unlimited form driver"},
    {"InfoForm", 31, "infoform.scr", 280, "Error setting info form driver"},
};

gui::Form* newScreen(const ScreenSetup& s, const char* name, std::uint8_t navFlags) {
  auto* form = new gui::Form(name, &s.root);
  form->x = 0;
  form->y = 0;
  form->width = static_cast<std::uint16_t>(s.width);
  form->height = static_cast<std::uint16_t>(s.height);
  form->navFlags = navFlags;
  form->updating = true;
  form->visible = false;  // shown when the program switches to it
  return form;
}

// Attaches a screen's script. A script missing from the archive fails here too: every screen
// of the set needs its script.
bool attach(const ScreenSetup& s, gui::Form& form, const char* script) {
  if (s.app.archive().Size(script) == resources::ResourceArchive::kMissingSize) return false;
  return gui::AttachDriver(form, script, s.app);
}

int fail(const ScreenSetup& s, int code, const char* message) {
  if (message != nullptr) s.app.scriptHost().ShowMessage(message, "Error");
  return code;
}

int makeGeneric(const ScreenSetup& s, const GenericScreen& screen) {
  gui::Form* form = newScreen(s, screen.name, screen.navFlags);
  return attach(s, *form, screen.script) ? 0 : fail(s, screen.code, screen.message);
}

void showScene(game::GameScene& scene) {
  scene.enabled = true;
  scene.updating = true;
  scene.visible = true;
  scene.invalid = true;
  scene.Refresh();
}

int intVariable(const ScreenSetup& s, const char* name) {
  return util::parseInt(s.app.variables().GetVariable(name).value_or(""));
}

}  // namespace

game::SceneLook LookOf(const settings::Options& o) {
  game::SceneLook look;
  look.connectType = o.connectType;
  look.cloudsOn = o.cloudsOn != 0;
  look.backgroundType = o.backgroundType;
  look.colorSpectrum = o.colorSpectrum;
  look.multicolorOn = o.multicolorOn != 0;
  return look;
}

int SetUpScreens(const ScreenSetup& s, Screens& screens) {
  screens.gameForm = newScreen(s, "GameForm", 3);
  screens.gameScene = new game::GameScene("Scene", screens.gameForm, s.app, s.sceneSound);
  screens.demoScene = new game::GameScene("DemoScene", &s.root, s.app, nullptr);

  settings::OptionsHooks hooks;
  hooks.lookChanged = [&screens](const settings::Options& o) {
    for (game::GameScene* scene : {screens.gameScene, screens.demoScene})
      if (scene != nullptr) scene->SetLook(LookOf(o));
  };
  hooks.applyConnectType = [&screens](int type) {
    for (game::GameScene* scene : {screens.gameScene, screens.demoScene})
      if (scene != nullptr) scene->ApplyConnectType(type);
  };
  hooks.gameMode = [&screens] {
    return screens.gameScene != nullptr && screens.gameScene->initialised()
               ? screens.gameScene->world().mode
               : 0;
  };
  screens.options =
      new settings::OptionsForm("OptionsForm", &s.root, s.app, s.optionsSound, std::move(hooks));
  screens.options->visible = false;
  if (!screens.options->Initialise(0, 0, s.width, s.height, "fonts_menu", "fmsmall",
                                   s.saveFolder + "options.dat")) {
    return 261;
  }
  screens.options->updating = true;
  const game::SceneLook look = LookOf(screens.options->options());

  // The scenes are set up only now: the cell radius follows the link style option.
  screens.gameScene->SetLook(look);
  screens.gameScene->Initialise(0, 0, s.width, s.height, false, s.seed);
  showScene(*screens.gameScene);
  if (!attach(s, *screens.gameForm, "ingame.scr")) {
    return fail(s, 262, "Error setting game form driver");
  }
  screens.gameScene->AttachGameControls(intVariable(s, "ControlTimeLabelHeight"),
                                        intVariable(s, "ControlTimeTimeHeight"));
  if (auto* icon = dynamic_cast<gui::ExperienceIcon*>(screens.gameForm->FindControl("ExpIcon"))) {
    icon->onClick = [&screens](gui::Control&) {
      if (screens.gameScene != nullptr) screens.gameScene->ShowExperienceWindow();
    };
  }
  screens.gameScene->SetRecordSink([&screens](int mode, const game::RecordResult& result) {
    if (screens.recordBook != nullptr) {
      screens.recordBook->NewRecord(mode, result.score, result.text);
    }
  });
  screens.demoScene->SetLook(look);
  screens.demoScene->Initialise(0, 0, s.width, s.height, true, s.seed + 1);
  showScene(*screens.demoScene);

  for (const GenericScreen& screen : kMenus) {
    if (const int code = makeGeneric(s, screen); code != 0) return code;
  }
  screens.recordBook = new settings::RecordBook("RecordBook", &s.root, s.app);
  if (!screens.recordBook->Initialise(0, 0, s.width, s.height, "recordbook.scr", "hiscores",
                                      "fmsmall", s.saveFolder + "scores.dat")) {
    return 270;
  }
  screens.recordBook->updating = true;
  screens.recordBook->visible = false;
  for (const GenericScreen& screen : kInformation) {
    if (const int code = makeGeneric(s, screen); code != 0) return code;
  }
  return 0;
}

}  // namespace app
