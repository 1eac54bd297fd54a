#include "gfx/fonts/font.h"

namespace gfx {

std::string_view untilZero(std::string_view text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

int Font::DrawText(Surface& surface, int x, int y, std::string_view text, std::uint16_t colour,
                   const Box* clip) const {
  text = untilZero(text);
  std::int16_t penX = static_cast<std::int16_t>(x);
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    DrawGlyph(surface, penX, y, c, colour, clip);
    penX = static_cast<std::int16_t>(penX + GlyphWidth(c));
  }
  return static_cast<int>(text.size());
}

std::uint16_t Font::TextWidth(std::string_view text) const {
  std::uint16_t width = 0;
  for (char ch : untilZero(text)) {
    width = static_cast<std::uint16_t>(width + GlyphWidth(static_cast<unsigned char>(ch)));
  }
  return width;
}

bool Font::Load(std::string_view name, EntrySource& source) {
  Release();
  const std::span<const std::byte> bytes = source.find(name);
  return !bytes.empty() && Attach(bytes);
}

}  // namespace gfx
