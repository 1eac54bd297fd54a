#include "platform/held_keys.h"

#include <algorithm>

#include "platform/event.h"

namespace platform {

namespace {

bool IsDirection(int k) {
  return k == key::kLeft || k == key::kUp || k == key::kRight || k == key::kDown;
}

}  // namespace

void HeldKeys::Down(int k, Source source, std::uint32_t nowMs) {
  const auto same = [&](const Held& h) { return h.key == k && h.source == source; };
  letGo_.erase(std::remove_if(letGo_.begin(), letGo_.end(), same), letGo_.end());
  const bool held = std::any_of(held_.begin(), held_.end(), same);
  if (!held) held_.push_back({k, source});
  // Like a keyboard, only the direction pressed last repeats.
  if (source == Source::Pad && IsDirection(k) && !held) {
    repeatKey_ = k;
    nextRepeatMs_ = nowMs + kRepeatDelayMs;
  }
}

bool HeldKeys::Up(int k, Source source) {
  const auto same = [&](const Held& h) { return h.key == k && h.source == source; };
  if (const auto gone = std::find_if(letGo_.begin(), letGo_.end(), same); gone != letGo_.end()) {
    letGo_.erase(gone);
    return false;
  }
  if (const auto it = std::find_if(held_.begin(), held_.end(), same); it != held_.end())
    held_.erase(it);
  if (source == Source::Pad && k == repeatKey_) repeatKey_ = -1;
  // A release never seen pressed (the key went down in another window) passes on: the game
  // treats a stray release as nothing.
  return true;
}

std::optional<int> HeldKeys::Repeat(std::uint32_t nowMs) {
  if (repeatKey_ < 0 || static_cast<std::int32_t>(nowMs - nextRepeatMs_) < 0) return std::nullopt;
  nextRepeatMs_ += kRepeatIntervalMs;
  if (static_cast<std::int32_t>(nowMs - nextRepeatMs_) >= 0)
    nextRepeatMs_ = nowMs + kRepeatIntervalMs;
  return repeatKey_;
}

std::vector<int> HeldKeys::ReleaseAll(std::optional<Source> source) {
  std::vector<int> released;
  std::vector<Held> kept;
  for (const Held& h : held_) {
    if (!source || h.source == *source) {
      released.push_back(h.key);
      letGo_.push_back(h);
    } else {
      kept.push_back(h);
    }
  }
  held_ = std::move(kept);
  if (!source || *source == Source::Pad) repeatKey_ = -1;
  return released;
}

}  // namespace platform
