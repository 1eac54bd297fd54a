// GameScene: the world as a control. One instance, "Scene", is the play area of "GameForm";
// a second, "DemoScene", runs behind the menus and takes no input: its world starts from the
// blobs scripts give it and is played by a DemoPlayer, silently and without game rules. The
// scene owns its World and SceneRenderer, turns stylus and key events into picks, drags, drops
// and camera moves, tells the game screen's message controls what the world reports, and
// draws the height and the control time over the world.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/modes/level_list.h"
#include "game/modes/mode_rules.h"
#include "game/player_scene.h"
#include "game/scene/camera_control.h"
#include "game/scene/scene_renderer.h"
#include "game/scene_sound.h"
#include "game/world/demo_player.h"
#include "game/world/world.h"
#include "gui/app_services.h"
#include "gui/control.h"
#include "gui/interpolated.h"

namespace gui {
class Form;
}

namespace game {

class GameScene final : public gui::Control,
                        public gui::Interpolated,
                        public WorldEvents,
                        public PlayerScene {
 public:
  /// Frames of control time at the start of a game or level.
  static constexpr int kControlTimeFrames = 250;

  /// sound may be null (no samples, no songs); both must outlive the scene.
  GameScene(std::string_view name, gui::Form* parent, gui::AppServices& app, SceneSound* sound);
  ~GameScene() override;

  /// Sets the scene up: the world's constants from the application variables and the look,
  /// the earth's colours, the samples (game scene only), the clouds and the relay levels.
  /// seed starts the world's random numbers.
  bool Initialise(int x, int y, int width, int height, bool isDemo, std::uint32_t seed);

  /// The options that change how the scene looks; the link style also chooses the cell radius
  /// when the scene is initialised or ApplyConnectType is called.
  void SetLook(const SceneLook& look) { look_ = look; }
  const SceneLook& look() const { return look_; }
  /// Re-derives the sizes that depend on the link style (the options screen changed it).
  void ApplyConnectType(int connectType);

  /// Looks up the game screen's controls by name on the parent form ("undo", "EiffelText",
  /// "ExpIcon", "mMaxHeight", "lBlobsLeft", "lHeight") and the control-time text heights.
  void AttachGameControls(int controlTimeLabelY, int controlTimeTimeY);

  // Script functions and keys (the game table).
  void StartGame(int mode, int gooLimit, int levelTime, int targetHeight);
  void MagPlus(float step) override;
  void MagMinus(float step) override;
  void UndoLastTurn() override;
  bool GameUnderWay() const override { return world_ && world_->mode != 0; }
  void ExitGame() override;
  void SetWind(float wind) { world_->wind.wind = wind; }
  void ShowExperienceWindow();
  /// Demo decoration: a blob at (x, -height), returned as its id, and kept as part of the demo
  /// world's start (as are the links below).
  std::string AddDecorBlob(int x, int height, int colorIndex);
  /// Links two blobs named by identifiers from AddDecorBlob; unknown identifiers do nothing.
  void AddDecorLink(std::string_view a, std::string_view b, int colorIndex);
  void AddCloud(float x, float height, float speed, int picture);
  void SetViewPoint(float x, float y);
  void SetFlagOffset(int fx, int fy) { renderer_->SetFlagOffset(fx, fy); }
  void SetResistanceFactor(float value) { world_->SetResistanceFactor(value); }

  // gui::Control
  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  // gui::Interpolated: the world between two steps; the goo in the hand is drawn at the
  // pointer as it is now.
  void PaintBetween(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                    std::uint32_t timeMs, float t) const override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  bool WantsKeyDown(int, int, int) const override { return !isDemo_; }
  bool WantsKeyUp(int, int, int) const override { return !isDemo_; }
  void Update() override;

  // PlayerScene
  gui::Form* form() const override { return parent(); }
  float zoom() const override { return world_ ? world_->camera.zoom : 1.0f; }
  int cellRadius() const override { return world_ ? world_->constants().cellRadius : 0; }
  bool carriesGoo() const override;
  void EndCarry() override;
  void PointerMoved(bool visible, int px, int py) override;

  // WorldEvents
  void PlaySample(std::string_view name) override;
  void CulminateHeight(float height, int blobCount) override;
  void EnableCulminate() override;
  void ShowMaxHeight(float metres, int screenX, int screenY) override;
  void ShowExperience(std::string_view bonusText, int total, int screenX, int screenY,
                      int param) override;
  void CheckGameRules() override;

  /// Where a finished game's result goes (the record book).
  void SetRecordSink(std::function<void(int mode, const RecordResult&)> sink) {
    onRecord_ = std::move(sink);
  }
  /// Hands a result to the record sink.
  void Record(int mode, const RecordResult& result) {
    if (onRecord_) onRecord_(mode, result);
  }
  /// Starts a song (the game scene only; the demo scene is silent).
  void PlaySong(std::string_view song);
  /// Between relay levels: an empty world with a new base and ground, the view and the
  /// counters reset; experience points, goos, target and level carry over.
  void RebuildForNextLevel();

  World& world() { return *world_; }
  const World& world() const { return *world_; }
  SceneRenderer& renderer() { return *renderer_; }
  bool isDemo() const { return isDemo_; }
  bool initialised() const { return world_ != nullptr; }
  SceneSize size() const { return size_; }
  const std::vector<RelayLevel>& levels() const { return levels_; }

  // Mode state the game modes read and write.
  int controlTime = kControlTimeFrames;
  int level = 0;
  int targetHeight = 0;
  int levelTime = 0;
  bool badConstructionDismissed = false;
  bool briefingShown = false;
  int frozenHeight = 0;

 private:
  bool InToolbar(int y) const;
  void ReloadSprites();
  void ResetView();
  void BuildWorldConfig();
  template <typename T>
  T* GameControl(std::string_view name) const;
  /// The toolbar's counters: "lBlobsLeft" and, in relay, "lLevel".
  void ShowGoosLeft(const World& w);
  void PaintOverlay(gfx::Surface& target, int ox, int oy, const gfx::Box* clip,
                    std::uint32_t timeMs);
  void PaintControlTime(gfx::Surface& target, int ox, int oy, const gfx::Box* clip) const;

  gui::AppServices& app_;
  SceneSound* sound_;
  std::unique_ptr<World> world_;
  DemoPlayer demoPlayer_;  // plays the demo scene's world
  std::unique_ptr<SceneRenderer> renderer_;
  std::function<void(int mode, const RecordResult&)> onRecord_;
  WorldConfig config_;
  SceneSize size_;
  SceneLook look_;
  std::vector<RelayLevel> levels_;
  bool isDemo_ = false;
  bool stylusHeld_ = false;
  bool stylusDown_ = false;  // a press began on the scene: moves without one are only hover
  int stylusX_ = 0;
  int stylusY_ = 0;
  bool finePointer_ = false;
  bool pointerShown_ = false;
  bool flagReported_ = false;
  int mountsHeight_ = 0;
  int controlTimeLabelY_ = 0;
  int controlTimeTimeY_ = 0;
};

/// The song of a game mode: "1.xm" classic, "2.xm" relay, "3.xm" unlimited, "4.xm" otherwise.
std::string_view SongOfMode(int mode);

}  // namespace game
