#include "game/modes/game_rules.h"

#include <string>

#include "game/game_scene.h"
#include "game/modes/mode_rules.h"
#include "gui/culminate_message.h"
#include "gui/form.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace game {
namespace {

constexpr std::uint32_t kMessageTimeoutMs = 10000;

double towerMetres(const GameScene& scene) {
  return HeightMetres(scene.world().towerTop, scene.world().constants().resX);
}

void dismissCulminate(GameScene& scene) {
  gui::Form* form = scene.parent();
  if (form == nullptr) return;
  if (auto* eiffel = dynamic_cast<gui::CulminateMessage*>(form->FindControl("EiffelText"))) {
    eiffel->Dismiss();
  }
}

// Counts the control time down while nothing is left to build; true when it just ran out.
bool controlTimeRanOut(GameScene& scene) {
  const World& w = scene.world();
  if (!w.goos().empty() || w.holding) return false;
  scene.controlTime -= 1;
  return scene.controlTime == 0;
}

void endGame(GameScene& scene) {
  scene.world().mode = 0;
  scene.PlaySong(SongOfMode(0));
}

}  // namespace

void EndClassicGame(GameScene& scene, gui::AppServices& app) {
  script::VariableTable& v = app.variables();
  dismissCulminate(scene);
  v.SetVariable("PyramidHeight", util::formatFixed(towerMetres(scene), 2));
  app.RunMessageForm("CSWin", "classicwin.scr", kMessageTimeoutMs);
  app.SwitchForm("StartForm");
  v.DeleteVariable("PyramidHeight");
  scene.Record(kModeClassic, ClassicRecord(scene.world().towerTop, scene.world().constants().resX));
  endGame(scene);
  scene.world().grounded = 0;
}

void RunRelayTransition(GameScene& scene, gui::AppServices& app) {
  World& w = scene.world();
  script::VariableTable& v = app.variables();
  const int l = scene.level;
  const double metres = towerMetres(scene);
  const int target = scene.targetHeight;
  const RelayTransition t =
      ComputeRelayTransition(l, metres, target, static_cast<int>(w.goos().size()), scene.levels());
  v.SetVariable("PyramidHeight", util::formatFixed(metres, 2));
  scene.levelTime = t.levelTime;
  v.SetVariable("LevelTime", std::to_string(t.levelTime));
  v.SetVariable("NeedHeight", std::to_string(t.targetMetres));
  v.SetVariable("GoosFree", t.goosFreeText);
  v.SetVariable("EstafetLevel", std::to_string(l + 1));
  // The same numbers one by one, for messages that explain them in words: the level just
  // played and its target, whether it was missed, and where the next level's goos come from.
  v.SetVariable("LevelReached", std::to_string(l));
  v.SetVariable("LevelTarget", std::to_string(target));
  v.SetVariable("TargetMissed", t.failed ? "1" : "0");
  v.SetVariable("LevelGoos", std::to_string(t.levelGoos));
  v.SetVariable("BonusGoos", std::to_string(t.bonusGoos));
  v.SetVariable("GoosTotal", std::to_string(t.gooLimit));
  constexpr const char* kTransitionVariables[] = {
      "PyramidHeight", "LevelTime",    "GoosFree",  "NeedHeight", "EstafetLevel", "LevelReached",
      "LevelTarget",   "TargetMissed", "LevelGoos", "BonusGoos",  "GoosTotal"};
  // The toolbar under the message still counts the level just played: the next level's goos
  // and target take over once the message is closed.
  const auto nextLevelNumbers = [&] {
    w.gooLimit = t.gooLimit;
    scene.targetHeight = t.targetMetres;
  };
  if (t.nextLevel) {
    app.RunMessageForm("ESWin", "elcomplete.scr", kMessageTimeoutMs);
    nextLevelNumbers();
    if (l > 0) scene.RebuildForNextLevel();
    for (const char* name : kTransitionVariables)
      v.DeleteVariable(name);
    w.goosUsed = 0;
    scene.level = l + 1;
    return;
  }
  app.RunMessageForm("ESComplete", "estdone.scr", kMessageTimeoutMs);
  nextLevelNumbers();
  scene.Record(kModeRelay, RelayRecord(l, w.towerTop, w.constants().resX));
  endGame(scene);
}

void CheckModeRules(GameScene& scene, gui::AppServices& app) {
  if (scene.isDemo() || !scene.initialised()) return;
  World& w = scene.world();
  if (w.mode == kModeUnlimited) {
    if (scene.badConstructionDismissed || w.blobs().empty()) return;
    // A tower spread wide instead of built high: less than 10 cm a blob.
    if (towerMetres(scene) / static_cast<double>(w.blobs().size()) >= 0.1) return;
    if (app.RunMessageForm("BadConstruction", "badconstr.scr", kMessageTimeoutMs) == 1) {
      app.SwitchForm("ChooseForm");
      endGame(scene);
    } else {
      scene.badConstructionDismissed = true;
    }
    return;
  }
  if (!w.grounded) return;  // the checks pause while no blob rests on the ground
  if (w.mode == kModeClassic) {
    if (!w.goos().empty() || w.holding) {
      if (w.seconds >= 2 && !scene.briefingShown) {
        app.RunMessageForm("clbrief", "classbr.scr", kMessageTimeoutMs);
        scene.briefingShown = true;
      }
      return;
    }
    if (controlTimeRanOut(scene)) EndClassicGame(scene, app);
    return;
  }
  if (w.mode == kModeRelay) {
    if (scene.level == 0) {
      if (w.seconds >= 2) RunRelayTransition(scene, app);
      return;
    }
    if (controlTimeRanOut(scene)) {
      dismissCulminate(scene);
      RunRelayTransition(scene, app);
      w.grounded = 0;
    }
  }
}

}  // namespace game
