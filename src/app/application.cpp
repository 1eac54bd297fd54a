#include "app/application.h"

#include <cstdio>

#include "app/bitmap_writer.h"
#include "app/startup_codes.h"
#include "game/player_scene.h"
#include "gfx/color.h"
#include "gfx/fonts/font_registry.h"
#include "gui/archive_source.h"
#include "gui/form.h"
#include "gui/script_form_driver.h"
#include "natives/application_table.h"
#include "natives/game_table.h"
#include "natives/gui_table.h"
#include "natives/sound_table.h"
#include "platform/file.h"
#include "resources/archive_format.h"
#include "resources/resource_archive.h"
#include "script/native_registry.h"
#include "script/script_engine.h"
#include "script/variable_table.h"
#include "sound/start_up_sound.h"
#include "util/c_text.h"

namespace app {

Application::Application(platform::Platform& platform, sound::SoundLibrary* library)
    : platform_(platform),
      archive_(std::make_unique<resources::ResourceArchive>()),
      screen_(std::make_unique<Screen>()),
      rootForm_(std::make_unique<gui::Form>("main", nullptr)),
      natives_(std::make_unique<script::NativeRegistry>()),
      variables_(std::make_unique<script::VariableTable>()),
      keyPointer_(std::make_unique<KeyPointer>(*this)),
      soundLibrary_(library != nullptr ? *library : silentLibrary_) {
  rootForm_->AttachRegistry(*controls_);
  controls_->SetRemovalObserver([this](const gui::Control& c) { ForgetControl(c); });
}

Application::~Application() {
  // The root form goes first: its screens and scenes may still use everything below.
  controls_->SetRemovalObserver(nullptr);
  currentForm_ = nullptr;
  scene_ = nullptr;
  demoScene_ = nullptr;
  rootForm_.reset();
  screen_.reset();
  natives_.reset();
  variables_.reset();
  keyPointer_.reset();
  archive_.reset();
}

int Application::ReadIntVariable(std::string_view name) const {
  const std::optional<std::string> value = variables_->GetVariable(name);
  return value ? util::parseInt(*value) : 0;
}

int Application::StartUp() {
  if (!archive_) return startup::kNoArchive;
  if (const int code = OpenArchive(); code != 0) return code;
  if (const int code = RegisterNativeTables(); code != 0) return code;
  if (const int code = RunInitScript(); code != 0) return code;
  if (const int code = ReadResolution(); code != 0) return code;
  if (const int code = CreateWindow(); code != 0) return code;
  if (!screen_->Init(logicalWidth_, logicalHeight_, hiRes_, 0, platform_.frameBuffer())) {
    return startup::kScreen;
  }
  if (const int code = StartSound(); code != 0) return code;
  if (const int code = SetupKeyPointer(); code != 0) return code;
  if (const int code = LoadFonts(); code != 0) return code;
  if (const int code = SetUpScreenSet(); code != 0) return code;
  screens_.demoScene->StartGame(0, 0, 0, 0);
  SwitchForm("StartForm");
  // The saved switches and volumes, then the menu song when the music is on.
  const settings::Options& o = screens_.options->options();
  if (!sound::ApplyStartOptions(
          *sound_, sound::SoundOptions{o.musicOn, o.soundOn, o.musicVolume, o.soundVolume})) {
    return startup::kSongLoad;
  }
  return startup::kOk;
}

// graphics.dat is held exclusively for the whole run: a second instance is refused here.
int Application::OpenArchive() {
  auto file = platform::openReadableFile(platform_.installFolder() + "graphics.dat",
                                         platform::OpenMode::Exclusive);
  if (!file) {
    return file.error().code == util::ErrorCode::Locked ? resources::kArchiveLocked
                                                        : resources::kArchiveCannotOpen;
  }
  return archive_->Open(std::move(file.value()));
}

// The four native tables in their fixed order: GUI, game, application, sound. The GUI, game
// and sound tables join here, each with its code, as those subsystems provide them.
int Application::RegisterNativeTables() {
  nativeTables_.clear();
  // Each table's rows are the registry's entries added since the previous table.
  std::size_t before = natives_->entries().size();
  const auto record = [&](std::string title) {
    NativeTable table{std::move(title), {}};
    const auto& entries = natives_->entries();
    for (std::size_t i = before; i < entries.size(); ++i)
      table.names.push_back(entries[i].name);
    before = entries.size();
    nativeTables_.push_back(std::move(table));
  };
  natives::GuiTableServices gui;
  gui.app = this;
  gui.controls = controls_.get();
  gui.recordBook = &recordBook_;
  gui.openArchive =
      [this](std::string_view fileName) -> std::unique_ptr<resources::ResourceArchive> {
    auto file = platform::openReadableFile(platform_.installFolder() + std::string(fileName),
                                           platform::OpenMode::Shared);
    if (!file) return nullptr;
    auto other = std::make_unique<resources::ResourceArchive>();
    if (other->Open(std::move(file.value())) != resources::kArchiveOk) return nullptr;
    return other;
  };
  if (!natives::RegisterGuiNatives(*natives_, gui)) return startup::kGuiTable;
  record("GUI");
  natives::GameTableServices game;
  game.gameScene = [this] { return screens_.gameScene; };
  game.demoScene = [this] { return screens_.demoScene; };
  if (!natives::RegisterGameNatives(*natives_, game)) return startup::kGameTable;
  record("Game");
  natives::ApplicationTableServices services;
  services.variables = variables_.get();
  services.quit = [this] { RequestQuit(); };
  services.switchForm = [this](std::string_view form) { SwitchForm(form); };
  services.showCursor = [this](bool shown) { SetKeyPointerShown(shown); };
  services.saveScreenshot = [this] { SaveScreenshotFile(); };
  services.screenSize = [this](bool width) { return width ? logicalWidth_ : logicalHeight_; };
  services.displaySize = [this](bool width) {
    const Screen::Size size = Screen::PhysicalSize(platform_.frameBuffer());
    return width ? size.width : size.height;
  };
  if (!natives::RegisterApplicationNatives(*natives_, services)) {
    return startup::kApplicationTable;
  }
  record("Application");
  sound_ = std::make_unique<sound::SoundSystem>(soundLibrary_, *archive_);
  if (!natives::RegisterSoundNatives(*natives_, sound_.get())) return startup::kSoundTable;
  record("Sound");
  return 0;
}

std::vector<NativeTable> Application::DescribeNativeTables(platform::Platform& platform) {
  Application application(platform);
  application.RegisterNativeTables();
  return application.nativeTables_;
}

// init.scr is the root form's driver: it sets the application variables (INIT_RES, RES_X,
// RES_Y, colours, sizes) in its Init. A missing entry leaves the form without a driver.
int Application::RunInitScript() {
  const std::span<const std::byte> bytes = archive_->GetSpan("init.scr");
  if (bytes.empty() && archive_->Size("init.scr") == resources::ResourceArchive::kMissingSize) {
    return 0;
  }
  auto engine = std::make_unique<script::ScriptEngine>(*natives_, *this);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const util::Status loaded = engine->LoadScript("init.scr", text);
  archive_->Free("init.scr");
  if (!loaded) return startup::kInitScript;
  auto driver = std::make_unique<gui::ScriptFormDriver>(std::move(engine));
  rootForm_->SetDriver(std::move(driver));
  const std::string handle[] = {gui::HandleOf(rootForm_.get())};
  rootForm_->CallDriver("Init", handle);
  return 0;
}

int Application::ReadResolution() {
  if (ReadIntVariable("INIT_RES") == 0) return startup::kIncompatibleResolution;
  const int width = ReadIntVariable("RES_X");
  const int height = ReadIntVariable("RES_Y");
  if (width == 0 || height == 0) return startup::kNoResolution;
  // Only the two screen sizes the display code presents are accepted.
  if (!((width == 240 && height == 320) || (width == 480 && height == 640))) {
    return startup::kIncompatibleResolution;
  }
  logicalWidth_ = width;
  logicalHeight_ = height;
  rootForm_->x = 0;
  rootForm_->y = 0;
  rootForm_->width = static_cast<std::uint16_t>(width);
  rootForm_->height = static_cast<std::uint16_t>(height);
  rootForm_->navFlags = 3;
  hiRes_ = width == 480;
  return 0;
}

int Application::CreateWindow() {
  if (!platform_.createWindow(logicalWidth_, logicalHeight_)) return startup::kNoWindow;
  windowCreated_ = true;
  return 0;
}

int Application::SetupKeyPointer() {
  const auto colour = [&](std::string_view name) {
    return gfx::Rgb565From24(static_cast<std::uint32_t>(ReadIntVariable(name)));
  };
  keyPointer_->Setup(rootForm_->width, rootForm_->height, 1, ReadIntVariable("SE_SPURT"),
                     colour("NORMAL_SE_COLOR"), colour("ACTIVE_SE_COLOR"));
  return 0;
}

bool Application::Frame() {
  if (!active_) return false;
  frameTime_ = platform_.tickMs();
  if (frameTime_ < lastFrameTime_ + kFrameMs) return false;
  if (scene_ != nullptr) {
    scene_->PointerMoved(keyPointer_->visible() && keyPointer_->shownByScript(), keyPointer_->x(),
                         keyPointer_->y());
  }
  rootForm_->Update();
  lastFrameTime_ = frameTime_;
  rootForm_->Paint(screen_->surface(), 0, 0, &screen_->bounds(), frameTime_);
  keyPointer_->Draw(screen_->surface());
  screen_->Present();
  ++framesDrawn_;
  return true;
}

void Application::RunMainLoop(std::optional<long> maxFrames) {
  const long frameLimit = maxFrames.value_or(-1);
  while (!quit_) {
    if (windowCreated_ && platform_.peekEvent()) {
      const std::optional<platform::Event> event = platform_.getEvent();
      if (!event) continue;
      HandleEvent(*event);
      if (event->type != platform::EventType::Paint) continue;
    }
    if (platform_.isForeground() && Frame() && frameLimit >= 0 && framesDrawn_ >= frameLimit) {
      break;
    }
    if (quit_) break;
    // Sleep until the next frame is due or an event arrives, instead of spinning.
    const std::uint32_t now = platform_.tickMs();
    const std::uint32_t due = lastFrameTime_ + kFrameMs;
    const bool frameDue = active_ && platform_.isForeground();
    platform_.waitForEvent(frameDue ? (due > now ? due : now) : now + 1000);
  }
}

void Application::HandleEvent(const platform::Event& event) {
  using platform::EventType;
  switch (event.type) {
    case EventType::KeyDown:
      KeyDown(event.key & 0xFF);
      break;
    case EventType::KeyUp:
      KeyUp(event.key & 0xFF);
      break;
    case EventType::StylusDown:
      keyPointer_->HideForStylus();
      StylusDown(event.x, event.y);
      break;
    case EventType::StylusMove:
      StylusMove(event.x, event.y);
      break;
    case EventType::StylusUp:
      StylusUp(event.x, event.y);
      break;
    case EventType::Activate:
      Activate();
      break;
    case EventType::Deactivate:
      Deactivate();
      break;
    case EventType::Paint:
      break;
    case EventType::Screenshot:
      WriteReplayScreenshot(event.path);
      break;
    case EventType::Close:
      CloseRequested();
      break;
    case EventType::Quit:
      RequestQuit();
      break;
  }
}

// Closing the window in the middle of a game would lose it at one slip, so the player is
// asked, as the exit button asks. A player must always be able to close the window: a second
// close while the question is up, or a close with no game to lose, ends the program.
void Application::CloseRequested() {
  if (leaveQuestions_ > 0 || scene_ == nullptr || !scene_->GameUnderWay()) {
    RequestQuit();
    return;
  }
  const int answer = RunMessageForm(kLeaveQuestion, "leavegame.scr", 0);
  if (answer == 1 || answer == -1) RequestQuit();
}

void Application::SetKeyPointerShown(bool shown) {
  if (shown)
    keyPointer_->Show();
  else
    keyPointer_->Hide();
}

void Application::KeyDown(int key) {
  if (key >= 0 && key < 255) keyStates_[key] = 1;
  if (key == platform::key::kStart) {
    Deactivate();
    return;
  }
  // Over a message Escape answers it (RunMessageForm ends it as on its time-out); the
  // screens underneath never hear of it.
  if (key == platform::key::kEscape && messageDepth_ > 0) {
    messageEscaped_ = true;
    return;
  }
  keyPointer_->KeyDown(key);
}

void Application::KeyUp(int key) {
  if (key >= 0 && key < 255) keyStates_[key] = 0;
  keyPointer_->KeyUp(key);
}

// The platform reports the stylus in 240 by 320 terms; a 480-wide screen doubles them.
void Application::StylusDown(int x, int y) {
  const int k = screen_->bounds().width == 480 ? 2 : 1;
  rootForm_->StylusDown(static_cast<std::int16_t>(x * k), static_cast<std::int16_t>(y * k));
}

void Application::StylusUp(int x, int y) {
  const int k = screen_->bounds().width == 480 ? 2 : 1;
  rootForm_->StylusUp(static_cast<std::int16_t>(x * k), static_cast<std::int16_t>(y * k));
}

void Application::StylusMove(int x, int y) {
  const int k = screen_->bounds().width == 480 ? 2 : 1;
  rootForm_->StylusMove(static_cast<std::int16_t>(x * k), static_cast<std::int16_t>(y * k));
}

void Application::Deactivate() {
  active_ = false;
  // The window that takes the focus gets the releases: keys held now are let go here, so a
  // held arrow does not go on accelerating and a drop asked for with the keys is made.
  for (int key = 0; key < 255; ++key) {
    if (keyStates_[key] != 0) KeyUp(key);
  }
  // So does the mouse button: a drag in progress ends, its goo back among the free ones.
  if (scene_ != nullptr) scene_->EndCarry();
  if (sound_) sound_->StopSong();
  platform_.minimiseWindow();
}

// Back in front: the song is read again and starts from its beginning.
void Application::Activate() {
  active_ = true;
  if (sound_ && sound_->ReloadSongData()) sound_->StartSong();
  platform_.showWindow();
}

void Application::AttachKeyPointer(gui::Form* form, std::uint8_t navFlags, bool focusNavigation,
                                   std::uint8_t directions) {
  keyPointer_->Attach(
      form, navFlags,
      focusNavigation ? KeyPointer::Mode::FocusNavigation : KeyPointer::Mode::FreePointer,
      directions);
}

void Application::SetKeyPointerUnit(int unit, bool resetRepeat) {
  keyPointer_->SetUnit(unit);
  if (resetRepeat) keyPointer_->SetRepeatCount(1);
}

int Application::StartSound() {
  return sound_ && sound_->OpenSound() ? 0 : startup::kSound;
}

// The seven fonts every screen draws with, by registry name and entry.
int Application::LoadFonts() {
  struct StartFont {
    const char* name;
    const char* file;
    int code;
  };
  static constexpr StartFont kFonts[] = {
      {"fonts_menu", "fonts_menu.cfn", startup::kFontMenu},
      {"fonts_menua", "fonts_menua.cfn", startup::kFontMenuActive},
      {"fmsmall", "fmsmall.cfn", startup::kFontSmall},
      {"hiscores", "hiscores.cfn", startup::kFontHiscores},
      {"hiscoresf", "hiscoresf.cfn", startup::kFontHiscoresFraction},
      {"experien", "experien.cfn", startup::kFontExperience},
      {"experiena", "experiena.cfn", startup::kFontExperience},
  };
  gui::ArchiveSource source(*archive_);
  for (const StartFont& font : kFonts) {
    if (!fonts_.Add(font.name, font.file, source).ok()) return font.code;
  }
  return 0;
}

int Application::SetUpScreenSet() {
  sceneSound_ = std::make_unique<SceneSoundAdapter>(*sound_, soundLibrary_, *archive_);
  optionsSound_ = std::make_unique<OptionsSoundAdapter>(*sound_);
  const ScreenSetup setup{.app = *this,
                          .root = *rootForm_,
                          .width = logicalWidth_,
                          .height = logicalHeight_,
                          .saveFolder = platform_.saveFolder(),
                          .sceneSound = sceneSound_.get(),
                          .optionsSound = optionsSound_.get(),
                          .seed = platform_.tickMs()};
  if (const int code = SetUpScreens(setup, screens_); code != 0) return code;
  SetScenes(screens_.gameScene, screens_.demoScene);
  return 0;
}

gui::Form* Application::FindForm(std::string_view name) const {
  return rootForm_->FindForm(name);
}

void Application::SwitchForm(std::string_view name) {
  gui::Form* next = FindForm(name);
  if (next == nullptr) return;
  if (scene_ != nullptr && currentForm_ != nullptr && currentForm_ == scene_->form() &&
      next != currentForm_) {
    scene_->EndCarry();
  }
  if (currentForm_ != nullptr) {
    currentForm_->Deactivate();
    currentForm_->visible = false;
  }
  currentForm_ = next;
  next->Activate();
  if (next->name().find("GameForm") != std::string::npos) {
    if (demoScene_ != nullptr) {
      demoScene_->visible = false;
      demoScene_->updating = false;
    }
  } else if (demoScene_ != nullptr) {
    demoScene_->visible = true;
    demoScene_->invalid = true;
    demoScene_->Refresh();
    demoScene_->updating = true;
  }
  AttachKeyPointerTo(next);
  next->visible = true;
  next->invalid = true;
  next->Refresh();
}

// The game screen takes the free pointer, every other screen focus navigation (the options
// screen's up key moves the focus back).
void Application::AttachKeyPointerTo(gui::Form* form) {
  if (form != nullptr && form->name().find("GameForm") != std::string::npos) {
    keyPointer_->Attach(form, 0, KeyPointer::Mode::FreePointer);
    return;
  }
  const bool options = form != nullptr && form->name().find("OptionsForm") != std::string::npos;
  keyPointer_->Attach(form, options ? 1 : 0, KeyPointer::Mode::FocusNavigation);
}

// A script deleted a control: the pointers kept outside the control tree must not dangle.
void Application::ForgetControl(const gui::Control& control) {
  if (&control == currentForm_) currentForm_ = nullptr;
  if (&control == demoScene_) demoScene_ = nullptr;
  if (&control == screens_.gameScene) scene_ = nullptr;
  const auto forget = [&control](auto*& pointer) {
    if (pointer != nullptr && static_cast<const gui::Control*>(pointer) == &control) {
      pointer = nullptr;
    }
  };
  forget(screens_.gameForm);
  forget(screens_.gameScene);
  forget(screens_.demoScene);
  forget(screens_.options);
  forget(screens_.recordBook);
  if (&control == keyPointer_->form()) {
    keyPointer_->Attach(nullptr, 0, keyPointer_->mode());
  } else if (&control == keyPointer_->focusedControl()) {
    gui::Form* form = keyPointer_->form();
    const bool options = form->name().find("OptionsForm") != std::string::npos;
    keyPointer_->Attach(form, options ? 1 : 0, keyPointer_->mode());
  }
}

void Application::SetVariable(std::string_view name, std::string_view value) {
  variables_->SetVariable(name, value);
}

std::uint16_t& Application::ScreenshotCounter() {
  return screens_.options != nullptr ? screens_.options->options().screenShotCount
                                     : screenshotCount_;
}

// The counter lives in options.dat, which is otherwise written only when the options screen is
// left and at exit; after a crash or a closed browser tab it lags behind the pictures already
// taken. Numbers whose file exists are skipped, so an earlier picture is never overwritten, and
// the counter is saved with each picture.
bool Application::SaveScreenshotFile() {
  std::uint16_t& counter = ScreenshotCounter();
  std::string path;
  for (int tries = 0; tries <= 0xFFFF; ++tries) {
    ++counter;
    path = ScreenshotPath(platform_.saveFolder(), counter);
    if (!platform::fileExists(path)) break;
  }
  rootForm_->Paint(screen_->surface(), 0, 0, &screen_->bounds(), frameTime_);
  const bool written = WriteBitmap(*screen_, path);
  if (screens_.options != nullptr) screens_.options->Save();
  return written;
}

// Replay "shot" lines: the back buffer as it stands, written without the on-screen tint.
void Application::WriteReplayScreenshot(const std::string& path) {
  if (auto written = WriteBitmapFile(screen_->surface(), path); !written) {
    std::fprintf(stderr, "screenshot: %s\n", written.error().message.c_str());
  }
}

}  // namespace app
