#include "gfx/fonts/color_font.h"

#include "gfx/images/byte_reader.h"
#include "gfx/images/run_stream.h"

namespace gfx {
namespace {
constexpr std::size_t kNameBytes = 16;
constexpr std::size_t kRecordsAt = 22;
}  // namespace

void ColorFont::Release() {
  data_.clear();
  data_.shrink_to_fit();
  glyphs_.clear();
  name_.clear();
  height_ = 0;
  first_ = 0;
  last_ = -1;
}

bool ColorFont::Attach(std::span<const std::byte> data) {
  Release();
  if (data.size() < kRecordsAt) return false;
  std::string name;
  for (std::size_t i = 0; i < kNameBytes && data[i] != std::byte{0}; ++i) {
    name.push_back(static_cast<char>(data[i]));
  }
  const std::uint16_t height = readLe16(data, 16);
  const int first = readLe16(data, 18), last = readLe16(data, 20);
  if (last < first) return false;
  const std::size_t count = static_cast<std::size_t>(last - first + 1);
  if ((data.size() - kRecordsAt) / 4 < count) return false;
  std::vector<Glyph> glyphs(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kRecordsAt + 4 * i;
    Glyph& g = glyphs[i];
    g.offset = static_cast<std::uint32_t>(data[at]) |
               (static_cast<std::uint32_t>(data[at + 1]) << 8) |
               (static_cast<std::uint32_t>(data[at + 2]) << 16);
    g.advance = static_cast<std::int8_t>(data[at + 3]);
    // Glyphs with nothing to draw may point anywhere; all others must lie inside the file.
    if (g.advance > 0 && height > 0 && !validateRunStream(data, g.offset, height)) return false;
  }
  data_.assign(data.begin(), data.end());
  glyphs_ = std::move(glyphs);
  name_ = std::move(name);
  height_ = height;
  first_ = first;
  last_ = last;
  return true;
}

const ColorFont::Glyph* ColorFont::glyph(unsigned char c) const {
  if (c < first_ || c > last_ || glyphs_.empty()) return nullptr;
  return &glyphs_[static_cast<std::size_t>(c - first_)];
}

void ColorFont::DrawGlyph(Surface& surface, int x, int y, unsigned char c, std::uint16_t,
                          const Box* clip) const {
  const Glyph* g = glyph(c);
  if (g == nullptr || g->advance <= 0) return;
  drawRunStream(surface, x, y, g->advance, height_, data_, g->offset, clip);
}

std::uint16_t ColorFont::GlyphWidth(unsigned char c) const {
  const Glyph* g = glyph(c);
  return g == nullptr ? 0 : static_cast<std::uint16_t>(static_cast<std::int16_t>(g->advance));
}

std::uint16_t ColorFont::GlyphHeight(unsigned char) const {
  return height_;
}

std::uint16_t ColorFont::TextHeight(std::string_view) const {
  return height_;
}

}  // namespace gfx
