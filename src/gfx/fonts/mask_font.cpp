#include "gfx/fonts/mask_font.h"

#include <algorithm>

#include "gfx/color.h"
#include "gfx/images/byte_reader.h"
#include "gfx/images/draw_region.h"

namespace gfx {
namespace {

// True when height zero-terminated rows start at offset inside data.
bool rowsFit(std::span<const std::byte> data, std::size_t offset, int height) {
  if (offset > data.size()) return false;
  std::size_t at = offset;
  for (int r = 0; r < height; ++r) {
    while (at < data.size() && data[at] != std::byte{0})
      ++at;
    if (at >= data.size()) return false;
    ++at;
  }
  return true;
}

}  // namespace

void MaskFont::Release() {
  data_.clear();
  data_.shrink_to_fit();
  glyphs_.clear();
}

bool MaskFont::Attach(std::span<const std::byte> data) {
  Release();
  if (data.size() < static_cast<std::size_t>(kGlyphCount) * 8) return false;
  ByteReader in(data);
  std::vector<Glyph> glyphs(kGlyphCount);
  for (Glyph& g : glyphs) {
    in.u32(g.offset);
    in.u16(g.width);
    in.u16(g.height);
    if (g.height > 0 && !rowsFit(data, g.offset, g.height)) return false;
  }
  data_.assign(data.begin(), data.end());
  glyphs_ = std::move(glyphs);
  return true;
}

const MaskFont::Glyph* MaskFont::glyph(unsigned char c) const {
  if (c < kFirstCode || glyphs_.empty()) return nullptr;
  return &glyphs_[c - kFirstCode];
}

void MaskFont::DrawGlyph(Surface& surface, int x, int y, unsigned char c, std::uint16_t colour,
                         const Box* clip) const {
  const Glyph* g = glyph(c);
  DrawRegion region;
  if (g == nullptr || !computeDrawRegion(surface, x, y, g->width, g->height, clip, region)) return;
  std::size_t at = g->offset;  // rows were checked at Attach to end inside data_
  for (int row = 0; row < g->height; ++row) {
    const int py = y + row;
    if (py >= region.bottom) return;
    const bool drawRow = py >= region.top;
    std::uint16_t* line = surface.pixels + py * surface.width;
    int col = x;
    for (;;) {
      const std::uint8_t b = static_cast<std::uint8_t>(data_[at++]);
      if (b == 0) break;
      const int v = b & 0x3F;
      switch (b >> 6) {
        case 1:
          if (drawRow && col >= region.left && col < region.right) BlendPixel(line[col], colour, v);
          ++col;
          break;
        case 3: {
          if (drawRow) {
            const int from = std::max(col, region.left), to = std::min(col + v, region.right);
            if (from < to) std::fill(line + from, line + to, colour);
          }
          col += v;
          break;
        }
        default:
          col += v;
          break;
      }
    }
  }
}

std::uint16_t MaskFont::GlyphWidth(unsigned char c) const {
  const Glyph* g = glyph(c);
  return g == nullptr ? 0 : g->width;
}

std::uint16_t MaskFont::GlyphHeight(unsigned char c) const {
  const Glyph* g = glyph(c);
  return g == nullptr ? 0 : g->height;
}

std::uint16_t MaskFont::TextHeight(std::string_view text) const {
  std::uint16_t height = 0;
  for (char ch : untilZero(text)) {
    height = std::max(height, GlyphHeight(static_cast<unsigned char>(ch)));
  }
  return height;
}

}  // namespace gfx
