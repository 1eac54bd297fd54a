#include "gui/culminate_message.h"

#include <algorithm>

#include "gui/form.h"
#include "util/c_text.h"

namespace gui {

std::vector<CulminateMessage::Entry> ParseCulminateEntries(std::string_view text) {
  std::vector<CulminateMessage::Entry> entries;
  std::size_t at = text.find('\n');
  const int count = util::parseInt(text.substr(0, at));
  while (static_cast<int>(entries.size()) < count && at != std::string_view::npos) {
    const std::size_t start = at + 1;
    if (start >= text.size()) break;
    at = text.find('\n', start);
    std::string_view line = text.substr(start, at == std::string_view::npos ? at : at - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    CulminateMessage::Entry entry;
    (void)util::scanFloat(line, entry.threshold);
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos) {
      entry.text =
          std::string(gfx::untilZero(line.substr(comma + 1)).substr(0, CulminateMessage::kMaxText));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

CulminateMessage::CulminateMessage(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  invalid = false;
  updating = false;
}

bool CulminateMessage::Init(int px, int py, std::string_view resourceName, const gfx::Font* font,
                            std::uint16_t colour, gfx::EntrySource& source) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  font_ = font;
  colour_ = colour;
  entries_.clear();
  if (resourceName.empty()) return false;
  const std::span<const std::byte> bytes = source.find(resourceName);
  if (bytes.empty()) return false;
  entries_ = ParseCulminateEntries(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  Reset();
  return true;
}

void CulminateMessage::Reset() {
  current_ = last_ = -1;
  timer_ = 0;
  shownText_.reset();
  active = false;
  updating = false;
  triggers_.clear();
  width = height = 0;
}

void CulminateMessage::Dismiss() {
  if (timer_ == 0) return;
  timer_ = 1;
  Update();
}

void CulminateMessage::ReportHeight(float heightPx, std::uint32_t trigger) {
  if (!active || entries_.empty()) return;
  const int screenWidth = parent() != nullptr ? parent()->width : 0;
  if (screenWidth == 0) return;
  const float unitPx = static_cast<float>(screenWidth) * (1.0f / 12.0f);
  const float units = heightPx / unitPx;
  const int count = static_cast<int>(entries_.size());
  int k = count - 1;
  bool fellBack = false;
  for (int i = 0; i < count; ++i) {
    if (units < entries_[i].threshold - kTolerance) {
      k = i - 1;
      fellBack = current_ > 0 && units < entries_[current_ - 1].threshold + kTolerance;
      break;
    }
  }
  if (k >= 0 && k >= current_ && k != last_) {
    last_ = k;
    if (std::find(triggers_.begin(), triggers_.end(), trigger) != triggers_.end()) return;
    current_ = k;
    shownText_ = entries_[k].text;
    timer_ = kShowFrames;
    const int textWidth = font_ != nullptr ? font_->TextWidth(*shownText_) : 0;
    x = static_cast<std::int16_t>((screenWidth - textWidth) / 2);
    triggers_.push_back(trigger);
    updating = true;
    invalid = true;
  }
  if (fellBack) last_ = k;
}

void CulminateMessage::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                             std::uint32_t) {
  if (shownText_ && font_ != nullptr) {
    font_->DrawText(target, x + offsetX, y + offsetY, *shownText_, colour_, clip);
  }
  PaintDone();
}

void CulminateMessage::Update() {
  if (timer_ > 0) --timer_;
  if (timer_ == 0) {
    updating = false;
    invalid = false;
    shownText_.reset();
  }
}

void CulminateMessage::Release() {
  entries_.clear();
  triggers_.clear();
  shownText_.reset();
}

}  // namespace gui
