// ColorFont: a .cfn font whose glyphs are full-colour run streams (the .espr row format without
// its size header), so they carry their own colours and translucency; the text colour is unused.
//
// .cfn: 16-byte zero-padded name, height (u16), first code F (u16), last code L (u16), then one
// 4-byte record per code F..L: a 24-bit offset of the glyph's rows from the file start and a
// signed 8-bit advance width; the glyph is advance x height pixels.
#pragma once

#include <string>
#include <vector>

#include "gfx/fonts/font.h"

namespace gfx {

class ColorFont final : public Font {
 public:
  void Release() override;
  bool Attach(std::span<const std::byte> data) override;
  void DrawGlyph(Surface& surface, int x, int y, unsigned char c, std::uint16_t colour,
                 const Box* clip) const override;
  /// The record's advance, 0 outside F..L. A negative advance wraps in 16 bits, as the pen does.
  std::uint16_t GlyphWidth(unsigned char c) const override;
  std::uint16_t GlyphHeight(unsigned char c) const override;
  /// The font height, whatever the text.
  std::uint16_t TextHeight(std::string_view text) const override;

  /// The name from the first 16 bytes of the file.
  const std::string& fontName() const { return name_; }
  int firstCode() const { return first_; }
  int lastCode() const { return last_; }

 private:
  struct Glyph {
    std::uint32_t offset = 0;
    std::int8_t advance = 0;
  };
  const Glyph* glyph(unsigned char c) const;

  std::vector<std::byte> data_;
  std::vector<Glyph> glyphs_;
  std::string name_;
  std::uint16_t height_ = 0;
  int first_ = 0;
  int last_ = -1;
};

}  // namespace gfx
