#include "platform/headless/replay.h"

#include <charconv>
#include <limits>
#include <utility>

namespace platform {
namespace {

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
      ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
      ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

bool parseNumber(std::string_view word, long long low, long long high, long long& out) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < low || value > high) {
    return false;
  }
  out = value;
  return true;
}

util::Error lineError(int lineNumber, std::string_view line, const std::string& why) {
  return util::makeError(util::ErrorCode::Malformed, "replay line " + std::to_string(lineNumber) +
                                                         ": " + why + ": " + std::string(line));
}

}  // namespace

util::Result<Replay> parseReplay(std::string_view text) {
  std::vector<ReplayStep> steps;
  std::uint64_t nowMs = 0;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++lineNumber;
    const std::string_view original = line;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
      line = line.substr(0, hash);
    }
    const std::vector<std::string_view> words = splitWords(line);
    if (words.empty()) continue;
    const std::string_view command = words[0];
    const auto at = [&] { return static_cast<std::uint32_t>(nowMs); };
    const auto add = [&](EventType type, int key = 0, int x = 0, int y = 0, std::string path = {}) {
      steps.push_back(ReplayStep{at(), Event{type, key, x, y, std::move(path)}});
    };

    if (command == "wait") {
      long long ms = 0;
      if (words.size() != 2 || !parseNumber(words[1], 0, 86'400'000, ms)) {
        return lineError(lineNumber, original, "expected: wait MS");
      }
      nowMs += static_cast<std::uint64_t>(ms);
      if (nowMs > std::numeric_limits<std::uint32_t>::max() / 2) {
        return lineError(lineNumber, original, "replay too long");
      }
    } else if (command == "tap" || command == "down" || command == "move" || command == "up") {
      long long x = 0, y = 0;
      if (words.size() != 3 || !parseNumber(words[1], -32768, 32767, x) ||
          !parseNumber(words[2], -32768, 32767, y)) {
        return lineError(lineNumber, original, "expected: " + std::string(command) + " X Y");
      }
      const int ix = static_cast<int>(x), iy = static_cast<int>(y);
      if (command == "tap") {
        add(EventType::StylusDown, 0, ix, iy);
        add(EventType::StylusUp, 0, ix, iy);
      } else if (command == "down") {
        add(EventType::StylusDown, 0, ix, iy);
      } else if (command == "move") {
        add(EventType::StylusMove, 0, ix, iy);
      } else {
        add(EventType::StylusUp, 0, ix, iy);
      }
    } else if (command == "key" || command == "keydown" || command == "keyup") {
      long long code = 0;
      if (words.size() != 2 || !parseNumber(words[1], 0, 255, code)) {
        return lineError(lineNumber, original,
                         "expected: " + std::string(command) + " CODE (0..255)");
      }
      const int k = static_cast<int>(code);
      if (command != "keyup") add(EventType::KeyDown, k);
      if (command != "keydown") add(EventType::KeyUp, k);
    } else if (command == "shot") {
      if (words.size() != 2) return lineError(lineNumber, original, "expected: shot FILE.bmp");
      add(EventType::Screenshot, 0, 0, 0, std::string(words[1]));
    } else if (command == "activate" || command == "deactivate" || command == "quit") {
      if (words.size() != 1) return lineError(lineNumber, original, "takes no arguments");
      add(command == "activate"     ? EventType::Activate
          : command == "deactivate" ? EventType::Deactivate
                                    : EventType::Close);
    } else {
      return lineError(lineNumber, original, "unknown command");
    }
  }
  return Replay{std::move(steps), static_cast<std::uint32_t>(nowMs)};
}

}  // namespace platform
