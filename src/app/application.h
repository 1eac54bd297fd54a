// Application: the one object that owns every long-lived part of the program and runs it. It
// starts the program up in a fixed sequence of numbered steps (a failing step's code is shown
// once in a message box), then runs the main loop: it drains the platform's events, routing keys
// to the KeyPointer and stylus events to the root form, and at most every 40 ms runs a frame:
// the root form's Update, its Paint into the Screen's back buffer, the key pointer's cross-hair,
// and the Screen's Present. Between frames it sleeps until the next event or frame is due.
//
// Ownership and order: members are created in the order archive, screen, root form "main",
// native registry, application variables, key pointer, and destroyed root form first (which
// destroys every screen and the scenes on them), then the screen, registry, variables, key
// pointer and archive.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/key_pointer.h"
#include "app/screen.h"
#include "app/screen_setup.h"
#include "app/sound_adapters.h"
#include "gfx/fonts/font_registry.h"
#include "gui/app_services.h"
#include "gui/control_registry.h"
#include "gui/record_book_layout.h"
#include "platform/platform.h"
#include "script/host.h"
#include "sound/silent_sound_library.h"
#include "sound/sound_system.h"
#include "util/random.h"

namespace game {
class PlayerScene;
}
namespace gui {
class Control;
class Form;
}  // namespace gui
namespace resources {
class ResourceArchive;
}
namespace script {
class NativeRegistry;
class VariableTable;
}  // namespace script

namespace app {

/// One native table as the Application registers it: its title and its rows in order.
struct NativeTable {
  std::string title;  // "GUI", "Game", "Application", "Sound"
  std::vector<std::string> names;
};

class Application final : public KeyPointer::Host, public script::Host, public gui::AppServices {
 public:
  /// Frames are drawn at most this often.
  static constexpr std::uint32_t kFrameMs = 40;
  /// The message form that asks before a game is left (the exit button, F2, closing).
  static constexpr std::string_view kLeaveQuestion = "LeaveGame";

  /// library plays the music and effects; null means silence. Both must outlive the
  /// Application.
  explicit Application(platform::Platform& platform, sound::SoundLibrary* library = nullptr);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  /// Runs the start-up sequence; 0 on success, else the code of the first failing step.
  int StartUp();

  /// The four native tables in registration order, as an Application on platform registers
  /// them at start-up, without an archive or a window: for listings and the modding guide.
  static std::vector<NativeTable> DescribeNativeTables(platform::Platform& platform);

  /// The tables registered so far by this Application (empty before start-up step 3).
  const std::vector<NativeTable>& nativeTables() const { return nativeTables_; }

  /// One pass of the frame gate; true when a frame was drawn.
  bool Frame();

  /// Runs the main loop until quit (or until maxFrames frames were drawn, when given).
  void RunMainLoop(std::optional<long> maxFrames = std::nullopt);

  /// Routes one platform event (keys, stylus, activation, quit, headless screenshots).
  void HandleEvent(const platform::Event& event);

  void KeyDown(int key);
  void KeyUp(int key);
  /// Stylus positions in system coordinates (doubled on a 480-wide screen).
  void StylusDown(int x, int y);
  void StylusUp(int x, int y);
  void StylusMove(int x, int y);
  void Activate();
  void Deactivate();

  // gui::AppServices (and KeyPointer::Host's SwitchForm)
  gui::Form* FindForm(std::string_view name) const override;
  void SwitchForm(std::string_view name) override;
  resources::ResourceArchive& archive() override { return *archive_; }
  script::VariableTable& variables() override { return *variables_; }
  script::NativeRegistry& natives() override { return *natives_; }
  script::Host& scriptHost() override { return *this; }
  gfx::FontRegistry& fonts() override { return fonts_; }
  sound::SoundSystem* sound() override { return sound_.get(); }
  const gui::RecordBookLayout* recordLayout() const override { return &recordBook_; }
  void AttachKeyPointer(gui::Form* form, std::uint8_t navFlags, bool focusNavigation,
                        std::uint8_t directions) override;
  void SetKeyPointerUnit(int unit, bool resetRepeat) override;
  void SetKeyPointerShown(bool shown) override;
  /// Ends the main loop after the current pass (script QuitApplication, window close).
  void RequestQuit() override { quit_ = true; }
  /// The modal message loop (message_form.cpp).
  int RunMessageForm(std::string_view formName, std::string_view scriptName,
                     std::uint32_t timeoutMs) override;
  bool quitRequested() const { return quit_; }

  /// F8 and SaveScreenshot: next counter value, repaint, write screenshotNNNN.bmp into the
  /// install folder. False when the file can't be created (the counter stays incremented).
  bool SaveScreenshotFile();

  // KeyPointer::Host
  void SetVariable(std::string_view name, std::string_view value) override;
  void SaveScreenshot() override { SaveScreenshotFile(); }
  game::PlayerScene* scene() override { return scene_; }

  // script::Host
  void ShowMessage(std::string_view text, std::string_view caption) override {
    platform_.messageBox(text, caption);
  }

  /// The scenes, once the screen set-up made them.
  void SetScenes(game::PlayerScene* scene, gui::Control* demoScene) {
    scene_ = scene;
    demoScene_ = demoScene;
  }

  platform::Platform& platform() { return platform_; }
  Screen& screen() { return *screen_; }
  gui::Form& rootForm() { return *rootForm_; }
  gui::ControlRegistry& controls() { return *controls_; }
  const gui::RecordBookLayout& recordBookLayout() const { return recordBook_; }
  KeyPointer& keyPointer() { return *keyPointer_; }
  util::Random& random() { return random_; }
  gui::Form* currentForm() const { return currentForm_; }
  bool active() const { return active_; }
  bool hiRes() const { return hiRes_; }
  int logicalWidth() const { return logicalWidth_; }
  int logicalHeight() const { return logicalHeight_; }
  /// 1 while the key is down; key codes 0..254 (255 has no state).
  bool keyState(int key) const { return key >= 0 && key < 255 && keyStates_[key] != 0; }
  long framesDrawn() const { return framesDrawn_; }
  /// The tick of the last game frame.
  std::uint32_t lastFrameTime() const { return lastFrameTime_; }
  std::uint16_t screenshotCount() { return ScreenshotCounter(); }
  /// The counter of the last screenshot: the option ScreenShotCount once the options exist.
  std::uint16_t& ScreenshotCounter();
  void SetScreenshotCount(std::uint16_t count) { ScreenshotCounter() = count; }
  const Screens& screens() const { return screens_; }

 private:
  int OpenArchive();
  int RegisterNativeTables();
  int RunInitScript();
  int ReadResolution();
  int CreateWindow();
  int SetupKeyPointer();
  int LoadFonts();
  int SetUpScreenSet();
  int StartSound();
  int ReadIntVariable(std::string_view name) const;
  void WriteReplayScreenshot(const std::string& path);
  void ForgetControl(const gui::Control& control);
  void AttachKeyPointerTo(gui::Form* form);
  void CloseRequested();

  platform::Platform& platform_;
  gui::Form* currentForm_ = nullptr;
  std::uint32_t lastFrameTime_ = 0;
  std::uint32_t frameTime_ = 0;
  std::unique_ptr<resources::ResourceArchive> archive_;
  std::unique_ptr<Screen> screen_;
  // Handles of every control under the root form; it outlives the root form.
  std::unique_ptr<gui::ControlRegistry> controls_ = std::make_unique<gui::ControlRegistry>();
  std::unique_ptr<gui::Form> rootForm_;
  gui::RecordBookLayout recordBook_;  // set by the records screen's script
  std::unique_ptr<script::NativeRegistry> natives_;
  std::vector<NativeTable> nativeTables_;
  std::unique_ptr<script::VariableTable> variables_;
  std::unique_ptr<KeyPointer> keyPointer_;
  gfx::FontRegistry fonts_;
  sound::SilentSoundLibrary silentLibrary_;
  sound::SoundLibrary& soundLibrary_;
  std::unique_ptr<sound::SoundSystem> sound_;
  std::unique_ptr<SceneSoundAdapter> sceneSound_;
  std::unique_ptr<OptionsSoundAdapter> optionsSound_;
  Screens screens_;  // the screens themselves belong to the root form
  game::PlayerScene* scene_ = nullptr;
  gui::Control* demoScene_ = nullptr;
  bool quit_ = false;
  int messageDepth_ = 0;              // message forms running (RunMessageForm)
  gui::Form* messageForm_ = nullptr;  // the innermost of them
  int leaveQuestions_ = 0;            // of them, questions before leaving the game
  bool messageEscaped_ = false;       // Escape ended the innermost one
  bool active_ = true;
  bool hiRes_ = false;
  bool windowCreated_ = false;
  int logicalWidth_ = 0;
  int logicalHeight_ = 0;
  std::array<std::uint8_t, 255> keyStates_{};
  std::uint16_t screenshotCount_ = 0;  // moves into the options record with the options screen
  long framesDrawn_ = 0;
  util::Random random_;
};

}  // namespace app
