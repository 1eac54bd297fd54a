// SdlPlatform: the Platform on a desktop through SDL2. The logical screen is shown in a
// resizable window (never smaller than the screen), scaled up by the largest whole factor that
// fits, else the largest aspect-true fit, with black bars (window_fit.h), through an RGB565
// streaming texture; F11 or Alt+Enter toggles fullscreen. The mouse stands in for the stylus,
// keys are translated to the virtual-key codes the game uses, game controllers send the arrow
// and action keys (a held direction repeating like a held key), and focus changes become
// activation and deactivation (losing focus pauses the game without minimising the window, and
// lets go of every held key). Unless classic frames are asked for, the window shows pictures
// between game frames at the display's refresh rate (sdl_present.cpp). The main loop sleeps in
// SDL_WaitEventTimeout between pictures.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/gamepad_keys.h"
#include "platform/held_keys.h"
#include "platform/platform.h"
#include "platform/present_pacer.h"

struct _SDL_GameController;
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

class SdlPlatform final : public Platform, public FrameBuffer {
 public:
  /// installFolder overrides where the data files are looked for (with trailing slash); empty
  /// means the executable's folder.
  explicit SdlPlatform(std::string installFolder = {});
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  /// False when SDL's video could not be initialised (the reason is on stderr).
  bool initialised() const { return initialised_; }
  /// Shows the game frames only, 25 a second, as the pocket computer did (before createWindow).
  void setClassicFrames(bool classic) { classicFrames_ = classic; }
  /// Prints every two seconds how many pictures reached the window ("N pictures in 2.0 s").
  void setCountPictures(bool count) { countPictures_ = count; }

  std::uint32_t tickMs() override;
  bool peekEvent() override;
  std::optional<Event> getEvent() override;
  void waitForEvent(std::uint32_t deadlineMs) override;
  bool createWindow(int width, int height) override;
  bool isForeground() override;
  void minimiseWindow() override;
  void showWindow() override;
  FrameBuffer& frameBuffer() override { return *this; }
  void messageBox(std::string_view text, std::string_view caption) override;
  std::string installFolder() override;
  /// The install folder when it is writable, else the user's data folder (created, and given
  /// the installation's default options.dat on the first start).
  std::string saveFolder() override;

  DisplayProperties displayProperties() const override;
  std::optional<RawFrameBuffer> rawFrameBuffer() override;
  std::uint16_t* beginDraw() override { return pixels_.data(); }
  void endDraw() override;
  // Pictures between game frames (sdl_present.cpp).
  int displayRate() override;
  void showFrame() override;
  std::uint32_t nextShowMs() override;

 private:
  void pump();
  void translate(const SDL_Event& event);
  void pushStylus(EventType type, int windowX, int windowY);
  void pushKey(int key, bool down);
  void heldKey(int key, bool down, HeldKeys::Source source);
  void releaseHeld(std::optional<HeldKeys::Source> source);
  void toggleFullscreen();
  void fitPicture(int windowWidth, int windowHeight);
  bool createPresenter();
  void present();
  void showKeptFrame();

  bool initialised_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 240;
  int height_ = 320;
  std::vector<std::uint16_t> pixels_;
  bool classicFrames_ = false;
  bool countPictures_ = false;
  bool vsync_ = false;  // the renderer says it waits for the display
  int picturesCounted_ = 0;
  std::uint32_t countSince_ = 0;
  bool unshown_ = false;          // endDraw kept a picture that no show has put on the display yet
  std::uint32_t loopShowMs_ = 0;  // the main loop's last showFrame
  std::unique_ptr<PresentPacer> pacer_;  // null with classic frames
  std::deque<Event> queue_;
  bool focusLost_ = false;  // a deactivation by focus keeps the window where it is
  std::vector<_SDL_GameController*> controllers_;
  StickKeys stick_;
  HeldKeys held_;
  int stickX_ = 0;
  int stickY_ = 0;
  std::string installFolder_;
  std::string saveFolder_;
};

}  // namespace platform
