// The game table of natives, the second table the application registers. Its rows, in order:
//   StartGame, MagMinus, MagPlus, GetSceneWidth, GetSceneHeight, SetWind, UndoLastTurn,
//   ShowExperienceWindow, AddBlob, AddLink, SetResistanceFactor, AddCloudToGame,
//   AddCloudToDemo, AddCloud, ExitGame, SetViewPoint, ActivateExperience, SetFlagOffset.
// Each addresses the game scene or the demo scene by a fixed choice; SetResistanceFactor takes
// the scene's name. The scenes are made after the tables are registered, so the natives ask
// for them at every call; a scene that does not exist (yet) makes a native do nothing.
#pragma once

#include <functional>

#include "game/game_scene.h"
#include "script/native_registry.h"

namespace natives {

struct GameTableServices {
  std::function<game::GameScene*()> gameScene;  // "Scene" on "GameForm"
  std::function<game::GameScene*()> demoScene;  // "DemoScene" behind the menus
};

/// Registers the game table in order (refused duplicates are ignored). False when either
/// scene getter is missing.
bool RegisterGameNatives(script::NativeRegistry& registry, const GameTableServices& services);

}  // namespace natives
