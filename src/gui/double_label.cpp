#include "gui/double_label.h"

#include <algorithm>

#include "util/c_text.h"

namespace gui {

DoubleLabel::DoubleLabel(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
}

bool DoubleLabel::Init(int px, int py, const gfx::Font* font, const gfx::Font* font2,
                       std::string_view text, std::uint16_t colour, std::uint16_t colour2,
                       bool marked) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  font_ = font;
  font2_ = font2;
  colour_ = colour;
  colour2_ = colour2;
  marked_ = marked;
  SetText(text);
  return true;
}

void DoubleLabel::SetText(std::string_view text) {
  text_ = std::string(gfx::untilZero(text));
  breaks_.assign(1, 0);
  for (std::size_t i = 1; i + 1 < text_.size(); ++i) {
    if (text_[i] == '.' && util::isDigit(text_[i - 1]) && util::isDigit(text_[i + 1])) {
      breaks_.push_back(i);
    }
  }
  breaks_.push_back(text_.size());
  int w = 0, h = 0;
  for (std::size_t s = 0; s + 1 < breaks_.size(); ++s) {
    const gfx::Font* f = FontOf(s);
    if (f == nullptr) continue;
    for (std::size_t i = breaks_[s]; i < breaks_[s + 1]; ++i) {
      const auto c = static_cast<unsigned char>(text_[i]);
      w += f->GlyphWidth(c);
      h = std::max<int>(h, f->GlyphHeight(c));
    }
  }
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
}

void DoubleLabel::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box*,
                        std::uint32_t) {
  int pen = x + offsetX;
  const int bottom = y + offsetY + height;
  for (std::size_t s = 0; s + 1 < breaks_.size(); ++s) {
    const gfx::Font* f = FontOf(s);
    if (f == nullptr) continue;
    const std::uint16_t colour = s % 2 ? colour2_ : colour_;
    for (std::size_t i = breaks_[s]; i < breaks_[s + 1]; ++i) {
      const auto c = static_cast<unsigned char>(text_[i]);
      f->DrawGlyph(target, pen, bottom - f->GlyphHeight(c), c, colour, nullptr);
      pen += f->GlyphWidth(c);
    }
  }
  PaintDone();
}

void DoubleLabel::Release() {
  text_.clear();
  breaks_.clear();
}

}  // namespace gui
