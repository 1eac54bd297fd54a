// HeadlessPlatform: a Platform without a window or a wall clock. Time is virtual and moves only
// when the program waits, input comes from a replay, frames stay in memory and message boxes
// are printed and answered at once. So minutes of play run in milliseconds, the same way on
// every run.
#pragma once

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/replay.h"
#include "platform/platform.h"

namespace platform {

struct HeadlessConfig {
  std::string installFolder = "./";  // with trailing slash
  std::string saveFolder;            // with trailing slash; empty: the install folder
  int displayWidth = 240;            // the display's size in pixels
  int displayHeight = 320;
  Replay replay;                     // stylus positions in logical pixels
  bool quitAtEnd = true;             // queue a Quit once the replay has ended ...
  std::uint32_t quitDelayMs = 0;     // ... this long after its end
  std::ostream* messages = nullptr;  // where message boxes are printed (none: not printed)
  /// Pictures painted between two game frames, as a desktop does at its refresh rate; 0 shows
  /// the game frames only. Either way replays, shots and results are the same.
  int betweenPictures = 0;
};

class HeadlessPlatform final : public Platform, public FrameBuffer {
 public:
  explicit HeadlessPlatform(HeadlessConfig config);

  // Platform
  std::uint32_t tickMs() override { return nowMs_; }
  bool peekEvent() override;
  std::optional<Event> getEvent() override;
  void waitForEvent(std::uint32_t deadlineMs) override;
  bool createWindow(int width, int height) override;
  bool isForeground() override { return foreground_; }
  void minimiseWindow() override { foreground_ = false; }
  void showWindow() override { foreground_ = true; }
  FrameBuffer& frameBuffer() override { return *this; }
  int displayRate() override {
    return config_.betweenPictures > 0 ? 25 * (config_.betweenPictures + 1) : 0;
  }
  void showFrame() override {
    ++shownPictures_;
    lastShowMs_ = nowMs_;
  }
  std::uint32_t nextShowMs() override;
  void messageBox(std::string_view text, std::string_view caption) override;
  std::string installFolder() override { return config_.installFolder; }
  std::string saveFolder() override {
    return config_.saveFolder.empty() ? config_.installFolder : config_.saveFolder;
  }

  // FrameBuffer: row-major memory of the display's size.
  DisplayProperties displayProperties() const override;
  std::optional<RawFrameBuffer> rawFrameBuffer() override;
  std::uint16_t* beginDraw() override { return pixels_.data(); }
  void endDraw() override { ++presentedFrames_; }

  /// Every message box shown so far, as "CAPTION: TEXT".
  const std::vector<std::string>& messageBoxes() const { return messageBoxes_; }
  /// The display's pixels as last presented.
  const std::vector<std::uint16_t>& pixels() const { return pixels_; }
  int presentedFrames() const { return presentedFrames_; }
  /// Pictures shown between game frames (betweenPictures > 0).
  int shownPictures() const { return shownPictures_; }
  bool windowCreated() const { return windowWidth_ > 0; }

 private:
  Event toSystemCoordinates(Event event) const;

  HeadlessConfig config_;
  std::deque<ReplayStep> pending_;
  std::uint32_t nowMs_ = 0;
  bool foreground_ = true;
  int windowWidth_ = 0;
  std::vector<std::uint16_t> pixels_;
  std::vector<std::string> messageBoxes_;
  int presentedFrames_ = 0;
  int shownPictures_ = 0;
  std::uint32_t lastShowMs_ = 0;
};

}  // namespace platform
