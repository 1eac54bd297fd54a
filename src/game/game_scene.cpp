#include "game/game_scene.h"

#include <algorithm>
#include <cmath>

#include "game/modes/experience_shop.h"
#include "game/modes/game_rules.h"
#include "game/world/world_math.h"
#include "gfx/fonts/font_registry.h"
#include "gui/archive_source.h"
#include "gui/culminate_message.h"
#include "gui/experience_icon.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui/max_height_message.h"
#include "resources/resource_archive.h"
#include "script/host.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace game {
namespace {

// The keys the scene reads: arrows, Enter and the keypad digits.
namespace key {
constexpr int kEnter = 13;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDigit0 = 48;
}  // namespace key

int intVariable(const script::VariableTable& variables, std::string_view name) {
  return util::parseInt(variables.GetVariable(name).value_or(""));
}

float floatVariable(const script::VariableTable& variables, std::string_view name) {
  return static_cast<float>(util::parseDouble(variables.GetVariable(name).value_or("")));
}

}  // namespace

std::string_view SongOfMode(int mode) {
  switch (mode) {
    case 1:
      return "1.xm";
    case 2:
      return "2.xm";
    case kModeUnlimited:
      return "3.xm";
    default:
      return "4.xm";
  }
}

GameScene::GameScene(std::string_view name, gui::Form* parent, gui::AppServices& app,
                     SceneSound* sound)
    : Control(name, parent), app_(app), sound_(sound) {
  enabled = true;
}

GameScene::~GameScene() = default;

void GameScene::BuildWorldConfig() {
  const script::VariableTable& v = app_.variables();
  config_.width = size_.width;
  config_.resX = intVariable(v, "RES_X");
  config_.cellRadius1 = intVariable(v, "CELL_RADIUS1");
  config_.cellRadius2 = intVariable(v, "CELL_RADIUS2");
  config_.connectType = look_.connectType;
  config_.linkSize = floatVariable(v, "LINK_SIZE");
  config_.cellDynRadius = intVariable(v, "CELL_DYN_RADIUS");
  config_.earthColor = ColorVariable(v, "EARTH_COLOR");
  config_.earthBorderColor = ColorVariable(v, "EARTH_BORDER_COLOR");
  // The demo scene's world is a live one, played by the DemoPlayer; it reports nothing (no
  // sounds, no messages, no game rules) because it is made without events.
  config_.isDemo = false;
}

bool GameScene::Initialise(int x0, int y0, int w, int h, bool demo, std::uint32_t seed) {
  x = static_cast<std::int16_t>(x0);
  y = static_cast<std::int16_t>(y0);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  size_ = SceneSize{w, h};
  isDemo_ = demo;
  BuildWorldConfig();
  world_ = std::make_unique<World>(config_, isDemo_ ? nullptr : this);
  world_->random().seed(seed);
  demoPlayer_ = DemoPlayer(seed);
  const script::VariableTable& v = app_.variables();
  renderer_ = std::make_unique<SceneRenderer>(size_, ReadScenePalette(v));
  renderer_->SetFlagSize(intVariable(v, "FLAG_SIZE_X"), intVariable(v, "FLAG_SIZE_Y"));
  mountsHeight_ = intVariable(v, "MOUNTS_HEIGHT");
  ResetCamera(world_->camera, size_);
  if (!isDemo_ && sound_ != nullptr) sound_->LoadSamples(GameSceneSamples());
  gui::ArchiveSource source(app_.archive());
  renderer_->LoadClouds(source);
  const std::span<const std::byte> list = source.find("towerace.lst");
  levels_ =
      ParseLevelList(std::string_view(reinterpret_cast<const char*>(list.data()), list.size()));
  return true;
}

void GameScene::ApplyConnectType(int connectType) {
  look_.connectType = connectType;
  if (!world_) return;
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  config_.connectType = connectType;
  const WorldConstants derived = computeWorldConstants(config_);
  WorldConstants& k = world_->tuning();
  // Only the sizes that follow the cell radius change; stiffness set by scripts stays.
  k.cellRadius = derived.cellRadius;
  k.magicRadius = derived.magicRadius;
  k.cellRadiusSq = derived.cellRadiusSq;
  k.pickRange = derived.pickRange;
  ReloadSprites();
}

void GameScene::AttachGameControls(int controlTimeLabelY, int controlTimeTimeY) {
  controlTimeLabelY_ = controlTimeLabelY;
  controlTimeTimeY_ = controlTimeTimeY;
}

template <typename T>
T* GameScene::GameControl(std::string_view name) const {
  // Looked up each time: a script may delete a control, and a name lookup never dangles.
  gui::Form* form = parent();
  return form == nullptr ? nullptr : dynamic_cast<T*>(form->FindControl(name));
}

void GameScene::ReloadSprites() {
  if (!renderer_) return;
  gui::ArchiveSource source(app_.archive());
  const bool flagLoaded =
      renderer_->LoadZoomedSprites(source, world_->constants().cellRadius, world_->camera.zoom);
  // The player hears of a missing flag once, not at every change of zoom.
  if (!flagLoaded && !flagReported_) {
    flagReported_ = true;
    app_.scriptHost().ShowMessage("flag0.aspr", "flag0.aspr");
  }
}

void GameScene::ResetView() {
  ResetCamera(world_->camera, size_);
  ReloadSprites();
}

void GameScene::StartGame(int mode, int gooLimit, int levelTime0, int target) {
  if (!world_) return;
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  World& w = *world_;
  w.ResetConstruction();
  w.wind.windTimer = 0;
  w.wind.noWindTicks = 0;
  stylusHeld_ = false;
  frozenHeight = 0;
  level = 0;
  badConstructionDismissed = false;
  briefingShown = false;
  if (auto* icon = GameControl<gui::ExperienceIcon>("ExpIcon")) {
    icon->ClearPoints();
    icon->enabled = true;
  }
  if (gui::Control* undo = GameControl<gui::Control>("undo")) undo->enabled = true;

  targetHeight = target;
  w.mode = static_cast<std::int8_t>(mode);
  w.gooLimit = gooLimit;
  levelTime = levelTime0;
  controlTime = kControlTimeFrames;
  if (!isDemo_) {
    w.ClearLists();
    w.BuildBase(0, -200);
  }
  finePointer_ = false;
  if (isDemo_) {
    w.earth.GenerateDemoEarth(mountsHeight_, size_.width);
  } else {
    w.earth.GenerateGameEarth(static_cast<std::int16_t>(mountsHeight_), size_.width, w.random());
  }
  ResetView();
  if (w.mode == 2) w.gooLimit = 0;  // goos come once the first level is announced
  if (!isDemo_ && sound_ != nullptr) {
    // The song first: starting a song restarts the mixer, which would cut the sample off.
    sound_->PlaySong(SongOfMode(w.mode));
    sound_->PlaySample("start.wav");
  }
  if (auto* eiffel = GameControl<gui::CulminateMessage>("EiffelText")) eiffel->Reset();
}

void GameScene::MagPlus(float step) {
  if (!world_) return;
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  ZoomAboutBottomCentre(world_->camera, size_, step, ZoomKind::Plus);
  ReloadSprites();
}

void GameScene::MagMinus(float step) {
  if (!world_) return;
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  ZoomAboutBottomCentre(world_->camera, size_, step, ZoomKind::Minus);
  ReloadSprites();
}

void GameScene::UndoLastTurn() {
  if (world_) world_->UndoLastTurn();
}

void GameScene::ExitGame() {
  if (!world_) return;
  // A game under way is not thrown away by one tap: the player is asked first. Only answer 1
  // leaves; the "play on" button, Escape (0) and a message closed by quitting stay. An archive
  // without the question (-1) leaves at once, as the game always did.
  if (world_->mode != 0) {
    const int answer = app_.RunMessageForm("LeaveGame", "leavegame.scr", 0);
    if (answer != 1 && answer != -1) return;
  }
  if (world_->mode != kModeUnlimited) {
    app_.SwitchForm("ChooseForm");
  } else {
    Record(kModeUnlimited, UnlimitedRecord(world_->bestTop, config_.resX));
  }
  world_->mode = 0;
  PlaySong(SongOfMode(0));
}

void GameScene::ShowExperienceWindow() {
  if (!world_) return;
  const ShopHints hints = ExperienceHints(*world_);
  script::VariableTable& v = app_.variables();
  v.SetVariable("CurrentExp", hints.currentExp);
  v.SetVariable("NoWind", hints.noWind);
  v.SetVariable("NeedBlobs", hints.needBlobs);
  const int answer = app_.RunMessageForm("expwin", "expwin.scr", 0);
  {
    std::lock_guard<std::recursive_mutex> guard(world_->lock());
    ApplyPurchase(*world_, answer, frozenHeight, config_.resX);
  }
  if (answer != 0) {
    if (auto* icon = GameControl<gui::ExperienceIcon>("ExpIcon")) {
      icon->SetPoints(world_->experiencePoints);
    }
  }
}

std::string GameScene::AddDecorBlob(int bx, int heightUp, int colorIndex) {
  if (!world_) return "0";
  Blob* blob = world_->AddBlob(static_cast<std::int16_t>(bx), static_cast<std::int16_t>(-heightUp),
                               static_cast<std::uint16_t>(colorIndex), 0);
  if (blob == nullptr) return "0";
  demoPlayer_.AddStartBlob(*blob);
  return std::to_string(blob->id);
}

void GameScene::AddDecorLink(std::string_view a, std::string_view b, int colorIndex) {
  if (!world_) return;
  const auto idOf = [](std::string_view text) {
    return static_cast<std::uint32_t>(std::max(0, util::parseInt(text)));
  };
  if (world_->AddLink(world_->FindBlob(idOf(a)), world_->FindBlob(idOf(b)),
                      static_cast<std::uint16_t>(colorIndex)) != nullptr) {
    demoPlayer_.AddStartLink(idOf(a), idOf(b), static_cast<std::uint16_t>(colorIndex));
  }
}

void GameScene::AddCloud(float cx, float heightUp, float speed, int picture) {
  if (renderer_) renderer_->AddCloud(cx, heightUp, speed, picture);
}

void GameScene::SetViewPoint(float vx, float vy) {
  if (!world_) return;
  world_->camera.cameraX = vx;
  world_->camera.cameraY = vy;
}

bool GameScene::InToolbar(int py) const {
  const gui::Control* toolbar = GameControl<gui::Control>("iToolBar");
  return toolbar != nullptr && py < toolbar->height;
}

void GameScene::StylusDown(int px, int py) {
  if (isDemo_ || !world_ || InToolbar(py)) return;
  stylusDown_ = true;
  const auto sx = static_cast<std::int16_t>(px - x), sy = static_cast<std::int16_t>(py - y);
  if (world_->holding) {
    // A goo carried with the keys passes to the stylus: it follows the press from here on.
    world_->keyDrag = 0;
    world_->TestPlacement(sx, sy);
    return;
  }
  world_->camera.savedZoom = world_->camera.zoom;
  world_->PickGoo(sx, sy);
}

void GameScene::StylusMove(int px, int py) {
  // A mouse moving with no button down (hover) neither drags nor scrolls.
  if (isDemo_ || !world_ || !stylusDown_ || InToolbar(py)) return;
  stylusX_ = px - x;
  stylusY_ = py - y;
  stylusHeld_ = true;
  if (world_->holding) {
    world_->TestPlacement(static_cast<std::int16_t>(stylusX_), static_cast<std::int16_t>(stylusY_));
    if (world_->camera.zoom < 0.5f) world_->camera.targetZoom = 0.5f;
  }
}

void GameScene::StylusUp(int /*px*/, int py) {
  if (isDemo_ || !world_) return;
  stylusDown_ = false;
  if (InToolbar(py)) return;
  stylusHeld_ = false;
  world_->DropGoo();
}

void GameScene::EndCarry() {
  stylusHeld_ = false;
  stylusDown_ = false;
  if (!world_ || !world_->holding) return;
  // The goo goes back among the free ones where it is, neither built in nor lost.
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  world_->placement = 0;
  world_->DropGoo(true);
}

void GameScene::KeyDown(int k, int px, int py) {
  if (isDemo_ || !world_) return;
  World& w = *world_;
  w.camera.savedZoom = w.camera.zoom;
  // The pointer moves in finer steps while a goo lies under it.
  if (finePointer_ && w.hoverGoo == nullptr) {
    app_.SetKeyPointerUnit(2, false);
    finePointer_ = false;
  } else if (!finePointer_ && w.hoverGoo != nullptr) {
    app_.SetKeyPointerUnit(1, true);
    finePointer_ = true;
  }
  const int sx = px - x, sy = py - y;
  if (w.keyDrag == 1) {
    w.TestPlacement(static_cast<std::int16_t>(sx), static_cast<std::int16_t>(sy));
    if (w.camera.zoom < 0.5f) w.camera.targetZoom = 0.5f;
  }
  const bool action = k == key::kEnter || k == key::kDigit0 + 5;
  if (!action) {
    int dx = 0, dy = 0;
    if (k == key::kRight || k == key::kDigit0 + 6) dx = 1;
    if (k == key::kLeft || k == key::kDigit0 + 4) dx = -1;
    if (k == key::kDown || k == key::kDigit0 + 8) dy = 1;
    if (k == key::kUp || k == key::kDigit0 + 2) dy = -1;
    if (dx != 0 || dy != 0) KeyPan(w.camera, size_, dx, dy, sx, sy);
    return;
  }
  if (w.keyDrag == 0) {
    if (w.PickGoo(static_cast<std::int16_t>(sx), static_cast<std::int16_t>(sy))) w.keyDrag = 1;
  } else {
    w.keyDrag = 2;  // the release drops
  }
}

void GameScene::KeyUp(int /*k*/, int /*px*/, int py) {
  if (isDemo_ || !world_ || InToolbar(py)) return;
  stylusHeld_ = false;
  // Only the release after the second action key drops. Any other release, an arrow key's
  // or the action key's that picked the goo up, leaves a carried goo in the hand: ending the
  // hold there would lose the goo the moment the player lets go of the key.
  if (world_->keyDrag == 2) world_->DropGoo(true);
}

void GameScene::Update() {
  if (!world_) return;
  world_->Update();
  if (!isDemo_) return;
  // The menu on show names the first screen row below its panel; the demo keeps the top of its
  // tower under it.
  demoPlayer_.SetClearRow(intVariable(app_.variables(), "DemoClearY") - y, size_.height);
  const int built = demoPlayer_.built(), rounds = demoPlayer_.rounds();
  demoPlayer_.Step(*world_);
  // Published for scripts and tests when they change: what the demo has built, and how often
  // it started over.
  if (demoPlayer_.built() != built) {
    app_.variables().SetVariable("DemoBuilt", std::to_string(demoPlayer_.built()));
  }
  if (demoPlayer_.rounds() != rounds) {
    app_.variables().SetVariable("DemoRounds", std::to_string(demoPlayer_.rounds()));
  }
}

void GameScene::PointerMoved(bool visible, int px, int py) {
  pointerShown_ = visible;
  if (world_)
    world_->SetKeyPointer(visible, static_cast<std::int16_t>(px - x),
                          static_cast<std::int16_t>(py - y));
}

bool GameScene::carriesGoo() const {
  return world_ && (world_->hoverGoo != nullptr || world_->keyDrag != 0);
}

void GameScene::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                      std::uint32_t timeMs) {
  if (!world_) return;
  const int ox = offsetX + x, oy = offsetY + y;
  {
    std::lock_guard<std::recursive_mutex> guard(world_->lock());
    if (stylusHeld_ && !isDemo_) EdgeScroll(world_->camera, size_, stylusX_, stylusY_);
    if (SmoothZoomStep(world_->camera, size_)) ReloadSprites();
    renderer_->Paint(*world_, target, ox, oy, timeMs, look_, pointerShown_);
  }
  if (!isDemo_) PaintOverlay(target, ox, oy, clip, timeMs);
}

void GameScene::PaintBetween(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                             std::uint32_t timeMs, float t) const {
  if (!world_) return;
  const int ox = offsetX + x, oy = offsetY + y;
  // The hand as the pointer holds it now, unless the goo is carried with the keys: that one
  // moves with the key pointer, which steps with the game frames.
  const World& w = *world_;
  const bool pointerHand = !isDemo_ && w.holding != 0 && w.keyDrag == 0;
  const SceneFrame::Held hand = pointerHand ? HeldOf(w) : SceneFrame::Held{};
  renderer_->PaintBetween(w, target, ox, oy, timeMs, look_, t, pointerHand ? &hand : nullptr);
  if (!isDemo_) PaintControlTime(target, ox, oy, clip);
}

void GameScene::PaintOverlay(gfx::Surface& target, int ox, int oy, const gfx::Box* clip,
                             std::uint32_t /*timeMs*/) {
  World& w = *world_;
  if (!(w.mode == 2 && level == 0)) {
    if (auto* label = GameControl<gui::Label>("lHeight")) {
      const float unitsPerMetre = static_cast<float>(std::max(1, config_.resX / 12));
      label->SetText(util::formatFixed(-w.towerTop / unitsPerMetre, 2), label->colour());
      label->x = static_cast<std::int16_t>(size_.width - label->width - 8);
    }
  }
  ShowGoosLeft(w);
  // At 0 the control time is over and its result is on the screen: it is not drawn over it.
  const bool controlTimeRuns = (w.mode == 1 || w.mode == 2) && w.goosUsed == w.gooLimit &&
                               controlTime < kControlTimeFrames && controlTime > 0;
  if (!controlTimeRuns) return;
  if (gui::Control* icon = GameControl<gui::Control>("ExpIcon")) icon->enabled = false;
  if (gui::Control* undo = GameControl<gui::Control>("undo")) undo->enabled = false;
  PaintControlTime(target, ox, oy, clip);
}

void GameScene::PaintControlTime(gfx::Surface& target, int ox, int oy, const gfx::Box* clip) const {
  const World& w = *world_;
  const bool controlTimeRuns =
      (w.mode == 1 || w.mode == 2) && w.goosUsed == w.gooLimit && controlTime < kControlTimeFrames;
  if (!controlTimeRuns) return;
  const gfx::FontRegistry& fonts = app_.fonts();
  const int resX = std::max(config_.resX, 1);
  if (const gfx::Font* small = fonts.Find("fmsmall")) {
    const std::string text = "Control Time";
    small->DrawText(target, ox + (resX - small->TextWidth(text)) / 2, oy + controlTimeLabelY_, text,
                    0xFFFF, clip);
  }
  // The seconds blink: shown in 14 of every 25 frames.
  if (controlTime % 25 > 10) {
    if (const gfx::Font* big = fonts.Find("hiscores")) {
      const std::string seconds = std::to_string(controlTime / 25);
      big->DrawText(target, ox + (resX - big->TextWidth(seconds)) / 2, oy + controlTimeTimeY_,
                    seconds, 0xFFFF, clip);
    }
  }
}

void GameScene::ShowGoosLeft(const World& w) {
  // Classic and relay give a number of goos: the goos not yet built (free, in the hand and
  // still to come) count down as the tower grows. The relay also names its level and target.
  const bool counted = (w.mode == 1 || w.mode == 2) && !(w.mode == 2 && level == 0);
  std::string goos = " ", relay = " ";
  if (counted) goos = "Goos left: " + std::to_string(std::max(0, w.gooLimit - w.goosUsed));
  if (counted && w.mode == 2) {
    relay = "Level " + std::to_string(level) + ": reach " + std::to_string(targetHeight) + " m";
  }
  // Published too, for scripts and tests: the number alone, empty outside classic and relay.
  app_.variables().SetVariable(
      "GoosLeft", counted ? std::to_string(std::max(0, w.gooLimit - w.goosUsed)) : std::string());
  for (const auto& [name, text] : {std::pair{"lBlobsLeft", &goos}, std::pair{"lLevel", &relay}}) {
    if (auto* label = GameControl<gui::Label>(name)) {
      if (label->text() != *text) label->SetText(*text, label->colour());
    }
  }
}

void GameScene::Release() {
  renderer_.reset();
  world_.reset();
  levels_.clear();
}

void GameScene::PlaySample(std::string_view name) {
  if (!isDemo_ && sound_ != nullptr) sound_->PlaySample(name);
}

void GameScene::CulminateHeight(float heightPx, int blobCount) {
  if (auto* eiffel = GameControl<gui::CulminateMessage>("EiffelText")) {
    eiffel->ReportHeight(heightPx, static_cast<std::uint32_t>(std::max(blobCount, 0)));
  }
}

void GameScene::EnableCulminate() {
  if (auto* eiffel = GameControl<gui::CulminateMessage>("EiffelText")) eiffel->active = true;
}

void GameScene::ShowMaxHeight(float metres, int screenX, int screenY) {
  if (auto* message = GameControl<gui::MaxHeightMessage>("mMaxHeight")) {
    message->Launch(metres, screenX + x, screenY + y);
  }
}

void GameScene::ShowExperience(std::string_view bonusText, int total, int screenX, int screenY,
                               int /*param*/) {
  if (auto* icon = GameControl<gui::ExperienceIcon>("ExpIcon")) {
    icon->Award(bonusText, total, screenX + x, screenY + y);
  }
}

void GameScene::CheckGameRules() {
  CheckModeRules(*this, app_);
}

void GameScene::PlaySong(std::string_view song) {
  if (!isDemo_ && sound_ != nullptr) sound_->PlaySong(song);
}

void GameScene::RebuildForNextLevel() {
  std::lock_guard<std::recursive_mutex> guard(world_->lock());
  World& w = *world_;
  const int gooLimit = w.gooLimit;
  w.ResetConstruction(/*keepExperience=*/true);
  w.gooLimit = gooLimit;
  w.wind.windTimer = 5;
  w.wind.noWindTicks = 0;
  stylusHeld_ = false;
  controlTime = kControlTimeFrames;
  frozenHeight = 0;
  w.ClearLists();
  w.BuildBase(0, -200);
  finePointer_ = true;
  w.earth.GenerateGameEarth(static_cast<std::int16_t>(mountsHeight_), size_.width, w.random());
  ResetView();
  if (sound_ != nullptr) {
    sound_->PlaySong(SongOfMode(w.mode));  // before the sample, as at the start of a game
    sound_->PlaySample("start.wav");
  }
  if (auto* eiffel = GameControl<gui::CulminateMessage>("EiffelText")) eiffel->Reset();
  if (gui::Control* icon = GameControl<gui::Control>("ExpIcon")) icon->enabled = true;
  if (gui::Control* undo = GameControl<gui::Control>("undo")) undo->enabled = true;
}

}  // namespace game
