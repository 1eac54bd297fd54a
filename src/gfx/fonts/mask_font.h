// MaskFont: a .font font whose glyphs are coverage masks drawn in the caller's colour, with
// 32-level anti-aliasing through BlendPixel.
//
// .font: a table for codes 32..255, 8 bytes each (entry for c at 8 * (c - 32)): u32 offset of
// the glyph's rows from the file start, u16 width, u16 height. A glyph row is bytes ended by a
// zero byte; top two bits the operation, low six its value v: 00/10 skip v pixels, 01 blend one
// pixel with weight v, 11 v pixels of the text colour.
#pragma once

#include <array>
#include <vector>

#include "gfx/fonts/font.h"

namespace gfx {

class MaskFont final : public Font {
 public:
  static constexpr int kFirstCode = 32;
  static constexpr int kGlyphCount = 224;

  void Release() override;
  bool Attach(std::span<const std::byte> data) override;
  void DrawGlyph(Surface& surface, int x, int y, unsigned char c, std::uint16_t colour,
                 const Box* clip) const override;
  std::uint16_t GlyphWidth(unsigned char c) const override;
  std::uint16_t GlyphHeight(unsigned char c) const override;
  /// The largest glyph height in the text (0 for an empty text).
  std::uint16_t TextHeight(std::string_view text) const override;

 private:
  struct Glyph {
    std::uint32_t offset = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
  };
  const Glyph* glyph(unsigned char c) const;

  std::vector<std::byte> data_;
  std::vector<Glyph> glyphs_;
};

}  // namespace gfx
