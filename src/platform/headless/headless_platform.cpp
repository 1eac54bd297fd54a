#include "platform/headless/headless_platform.h"

namespace platform {

HeadlessPlatform::HeadlessPlatform(HeadlessConfig config)
    : config_(std::move(config)),
      pixels_(static_cast<std::size_t>(config_.displayWidth) * config_.displayHeight, 0) {
  pending_.assign(config_.replay.steps.begin(), config_.replay.steps.end());
  if (config_.quitAtEnd) {
    pending_.push_back(
        ReplayStep{config_.replay.endMs + config_.quitDelayMs, Event{EventType::Quit}});
  }
}

bool HeadlessPlatform::peekEvent() {
  return !pending_.empty() && pending_.front().atMs <= nowMs_;
}

std::optional<Event> HeadlessPlatform::getEvent() {
  if (!peekEvent()) return std::nullopt;
  Event event = toSystemCoordinates(std::move(pending_.front().event));
  pending_.pop_front();
  if (event.type == EventType::Activate) foreground_ = true;
  return event;
}

void HeadlessPlatform::waitForEvent(std::uint32_t deadlineMs) {
  if (peekEvent()) return;
  std::uint32_t until = deadlineMs;
  if (!pending_.empty() && pending_.front().atMs < until) until = pending_.front().atMs;
  if (until > nowMs_) nowMs_ = until;
}

std::uint32_t HeadlessPlatform::nextShowMs() {
  const int step = 40 / (config_.betweenPictures + 1);
  return lastShowMs_ + static_cast<std::uint32_t>(step > 0 ? step : 1);
}

bool HeadlessPlatform::createWindow(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  windowWidth_ = width;
  return true;
}

void HeadlessPlatform::messageBox(std::string_view text, std::string_view caption) {
  std::string line = std::string(caption) + ": " + std::string(text);
  if (config_.messages != nullptr)
    *config_.messages << "messagebox: " << line << '\n' << std::flush;
  messageBoxes_.push_back(std::move(line));
}

DisplayProperties HeadlessPlatform::displayProperties() const {
  return DisplayProperties{config_.displayWidth, config_.displayHeight, 2,
                           config_.displayWidth * 2};
}

std::optional<RawFrameBuffer> HeadlessPlatform::rawFrameBuffer() {
  return RawFrameBuffer{pixels_.data(), 2, config_.displayWidth * 2, config_.displayWidth,
                        config_.displayHeight};
}

// Replays speak in logical pixels; the program expects stylus positions in 240-wide system
// coordinates and doubles them itself on a 480-wide screen.
Event HeadlessPlatform::toSystemCoordinates(Event event) const {
  const bool stylus = event.type == EventType::StylusDown || event.type == EventType::StylusMove ||
                      event.type == EventType::StylusUp;
  if (stylus && windowWidth_ == 480) {
    event.x /= 2;
    event.y /= 2;
  }
  return event;
}

}  // namespace platform
