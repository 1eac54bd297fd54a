// The rules of the three game modes, checked once a frame from inside the world's step:
// classic (a fixed number of goos, then the control time), relay (levels from the level list,
// each with its target height) and unlimited (endless goos, with a warning for a wide, low
// construction). They end games, announce levels through modal message forms and hand the
// results to the record book.
#pragma once

#include "gui/app_services.h"

namespace game {

class GameScene;

/// The per-frame check for the scene's mode; nothing happens in the demo scene.
void CheckModeRules(GameScene& scene, gui::AppServices& app);

/// The end of a classic game: the result form, the menu, the record and the menu music.
void EndClassicGame(GameScene& scene, gui::AppServices& app);

/// The relay level transition from the scene's current level: announces the next level (and
/// rebuilds the world for it) or ends the game with the result form and the record.
void RunRelayTransition(GameScene& scene, gui::AppServices& app);

}  // namespace game
