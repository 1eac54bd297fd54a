#include "gui/max_height_message.h"

#include <algorithm>
#include <cmath>

#include "gui/form.h"
#include "util/c_text.h"

namespace gui {

MaxHeightMessage::MaxHeightMessage(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  invalid = false;
  updating = false;
}

bool MaxHeightMessage::Init(const gfx::Font* font, const gfx::Font* font2, std::uint16_t colour,
                            int decimals) {
  font_ = font;
  font2_ = font2;
  colour_ = colour;
  decimals_ = std::clamp(decimals, 0, 17);
  return true;
}

int MaxHeightMessage::TextWidth() const {
  return (font_ != nullptr ? font_->TextWidth(intText_) : 0) +
         (font2_ != nullptr ? font2_->TextWidth(fracText_) : 0);
}

void MaxHeightMessage::Launch(double value, int px, int py) {
  const std::string written = util::formatFixed(value, decimals_);
  const std::size_t point = written.find('.');
  intText_ = written.substr(0, point) + ".";
  fracText_ = point == std::string::npos ? std::string() : written.substr(point + 1);
  const int formWidth = parent() != nullptr ? parent()->width : 0;
  if (px < formWidth / 2) {
    direction_ = 1;
    x = static_cast<std::int16_t>(px);
  } else {
    direction_ = -1;
    x = static_cast<std::int16_t>(px - TextWidth());
  }
  const int textHeight = font_ != nullptr ? font_->TextHeight(intText_) : 0;
  y = static_cast<std::int16_t>(py - textHeight / 2);
  updating = true;
  visible = true;
  speed_ = 1;
  previousX_ = x;
}

void MaxHeightMessage::Update() {
  previousX_ = x;
  x = static_cast<std::int16_t>(x + (speed_ / 2) * direction_);
  speed_ = speed_ + speed_ / 8 + 1;
  const int formWidth = parent() != nullptr ? parent()->width : 0;
  if (x + TextWidth() < 0 || x > formWidth) {
    updating = false;
    visible = false;
    speed_ = 0;
    direction_ = 0;
  }
}

void MaxHeightMessage::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                             std::uint32_t) {
  DrawAt(target, x + offsetX, y + offsetY, clip);
  PaintDone();
}

void MaxHeightMessage::PaintBetween(gfx::Surface& target, int offsetX, int offsetY,
                                    const gfx::Box* clip, std::uint32_t, float t) const {
  const float at = std::lerp(static_cast<float>(previousX_), static_cast<float>(x), t);
  DrawAt(target, static_cast<int>(std::floor(at)) + offsetX, y + offsetY, clip);
}

void MaxHeightMessage::DrawAt(gfx::Surface& target, int sx, int sy, const gfx::Box* clip) const {
  if (font_ != nullptr) font_->DrawText(target, sx, sy, intText_, colour_, clip);
  if (font2_ != nullptr) {
    const int intWidth = font_ != nullptr ? font_->TextWidth(intText_) : 0;
    font2_->DrawText(target, sx + intWidth, sy, fracText_, colour_, clip);
  }
}

void MaxHeightMessage::Release() {
  intText_.clear();
  fracText_.clear();
}

}  // namespace gui
