#include "gui/edit_box.h"

namespace gui {
namespace {

bool accepted(char c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case '_':
    case ',':
    case '.':
    case '/':
    case '\\':
    case '`':
    case '"':
    case '\'':
    case ';':
    case ' ':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool EditBox::Init(int px, int py, int maxLength, const gfx::Font* font, std::string_view text,
                   int w, int h) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  font_ = font;
  maxLength_ = static_cast<std::uint16_t>(maxLength);
  text_ = std::string(gfx::untilZero(text).substr(0, maxLength_));
  initialText_ = text_;
  return true;
}

void EditBox::OnChar(int code) {
  const char c = static_cast<char>(static_cast<std::int8_t>(code));
  if (accepted(c)) {
    if (text_.size() < maxLength_) text_ += c;
  } else if (c == 8 && !text_.empty()) {
    text_.pop_back();
  }
}

void EditBox::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                    std::uint32_t timeMs) {
  if (font_ == nullptr) return;
  const int sx = x + offsetX, sy = y + offsetY;
  font_->DrawText(target, sx, sy, text_, 0x0000, clip);
  if ((timeMs & 512) == 0)
    font_->DrawText(target, sx + font_->TextWidth(text_), sy, "_", 0xFFFF, clip);
  // `invalid` stays set: the caret blinks without anyone invalidating the box.
}

void EditBox::Release() {
  text_.clear();
  initialText_.clear();
}

}  // namespace gui
