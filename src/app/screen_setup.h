// The screens of the program, made once at start-up in a fixed order: the game form with its
// scene, the demo scene behind the menus, the options screen, the menus, the records screen
// and the information screens. Each is a form under the root form at the full screen size,
// driven by its script from the archive.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_scene.h"
#include "game/scene_sound.h"
#include "gui/app_services.h"
#include "gui/form.h"
#include "settings/options_form.h"
#include "settings/record_book.h"

namespace app {

/// The screens the program reaches directly; all are owned by the root form.
struct Screens {
  gui::Form* gameForm = nullptr;
  game::GameScene* gameScene = nullptr;
  game::GameScene* demoScene = nullptr;
  settings::OptionsForm* options = nullptr;
  settings::RecordBook* recordBook = nullptr;
};

struct ScreenSetup {
  gui::AppServices& app;
  gui::Form& root;
  int width = 240;
  int height = 320;
  std::string saveFolder;  // with trailing slash: where options.dat and scores.dat are kept
  game::SceneSound* sceneSound = nullptr;  // the game scene's samples and songs
  settings::OptionsSound* optionsSound = nullptr;
  std::uint32_t seed = 1;  // the scenes' random numbers
};

/// The options as a scene draws them.
game::SceneLook LookOf(const settings::Options& options);

/// Makes every screen in order, stopping at the first failure: its code is returned after its
/// message box (where it has one). screens receives each screen as it is made and must outlive
/// them: the screens' callbacks reach each other through it.
int SetUpScreens(const ScreenSetup& setup, Screens& screens);

}  // namespace app
