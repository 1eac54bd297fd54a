// qvtool run --state-log: one line for every frame the game presents, saying what the player
// faces then, so that long random runs can check what must always hold (the screen taking
// input is the one on top, a message only stands over a game, a game can always be finished).
//
// A line: "t=MS top=FORM keys=FORM keyform=FORM input=FORM[,FORM...] msg=0|1 current=FORM
// mode=N level=N goos=N reach=N view=N held=0|1 left=N ctime=N"
//   top      the screen drawn on top (the last visible form of the root form)
//   keys     the screen holding the form the key pointer drives (keyform: that form itself,
//            say the on-screen keyboard of a screen); input the visible, enabled screens, which
//            the stylus reaches
//   msg      a message form (one made after start-up) is up
//   current  the application's current screen
//   mode, level, left, ctime   the game scene's mode, relay level, goos still to be built
//            (limit minus used) and control time in frames
//   goos     free goos; reach those the player can get to; view those on the visible part of
//            the scene below its toolbar; held: a goo is in the hand
// Names are "-" when there is none.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/platform.h"

namespace app {
class Application;
}

namespace qvtool {

class StateLog {
 public:
  explicit StateLog(std::ostream& out) : out_(out) {}
  /// Notes the screens made at start-up: any form made later is a message.
  void Start(app::Application& application);
  /// Writes the line of the frame just presented.
  void Frame(std::uint32_t timeMs);

 private:
  std::ostream& out_;
  app::Application* application_ = nullptr;
  std::set<std::string> screens_;
};

/// A Platform that passes everything on to another one and calls onFrame after each frame it
/// presents.
class FrameWatch final : public platform::Platform, public platform::FrameBuffer {
 public:
  FrameWatch(platform::Platform& inner, std::function<void()> onFrame)
      : inner_(inner), onFrame_(std::move(onFrame)) {}

  std::uint32_t tickMs() override { return inner_.tickMs(); }
  bool peekEvent() override { return inner_.peekEvent(); }
  std::optional<platform::Event> getEvent() override { return inner_.getEvent(); }
  void waitForEvent(std::uint32_t deadlineMs) override { inner_.waitForEvent(deadlineMs); }
  bool createWindow(int width, int height) override { return inner_.createWindow(width, height); }
  bool isForeground() override { return inner_.isForeground(); }
  void minimiseWindow() override { inner_.minimiseWindow(); }
  void showWindow() override { inner_.showWindow(); }
  platform::FrameBuffer& frameBuffer() override { return *this; }
  int displayRate() override { return inner_.displayRate(); }
  void showFrame() override { inner_.showFrame(); }
  std::uint32_t nextShowMs() override { return inner_.nextShowMs(); }
  void messageBox(std::string_view text, std::string_view caption) override {
    inner_.messageBox(text, caption);
  }
  std::string installFolder() override { return inner_.installFolder(); }
  std::string saveFolder() override { return inner_.saveFolder(); }

  platform::DisplayProperties displayProperties() const override {
    return inner_.frameBuffer().displayProperties();
  }
  std::optional<platform::RawFrameBuffer> rawFrameBuffer() override {
    return inner_.frameBuffer().rawFrameBuffer();
  }
  std::uint16_t* beginDraw() override { return inner_.frameBuffer().beginDraw(); }
  void endDraw() override {
    inner_.frameBuffer().endDraw();
    if (onFrame_) onFrame_();
  }

 private:
  platform::Platform& inner_;
  std::function<void()> onFrame_;
};

}  // namespace qvtool
