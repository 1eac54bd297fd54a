#include "gui/label.h"

namespace gui {

Label::Label(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
}

bool Label::Init(int px, int py, const gfx::Font* font, std::string_view text,
                 std::uint16_t colour) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  font_ = font;
  SetText(text, colour);
  return true;
}

void Label::SetText(std::string_view text, std::uint16_t colour) {
  text_ = std::string(gfx::untilZero(text));
  width = font_ != nullptr ? font_->TextWidth(text_) : 0;
  height = font_ != nullptr ? font_->TextHeight(text_) : 0;
  colour_ = colour;
}

void Label::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                  std::uint32_t) {
  if (font_ != nullptr) font_->DrawText(target, x + offsetX, y + offsetY, text_, colour_, clip);
  PaintDone();
}

}  // namespace gui
