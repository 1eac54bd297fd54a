// Font: bitmap text drawn glyph after glyph, one glyph per byte, each advancing x by its own
// width. No wrapping or kerning. Fonts keep a copy of their file's bytes, so the archive entry
// they were attached from may be freed afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/box.h"
#include "gfx/images/entry_source.h"
#include "gfx/surface.h"

namespace gfx {

class Font {
 public:
  virtual ~Font() = default;

  /// Frees what the font holds; it then draws nothing and measures 0.
  virtual void Release() = 0;

  /// Reads the font from its file's bytes (copied). False, leaving the font empty, when the
  /// data are malformed: a table or glyph running past the bytes is refused here, not at draw.
  virtual bool Attach(std::span<const std::byte> data) = 0;

  /// Draws text (up to its first zero byte) from (x, y); x advances by each glyph's width and
  /// is kept to 16 bits. colour (RGB565) is used by mask fonts only. Returns the text length.
  int DrawText(Surface& surface, int x, int y, std::string_view text, std::uint16_t colour,
               const Box* clip) const;

  virtual void DrawGlyph(Surface& surface, int x, int y, unsigned char c, std::uint16_t colour,
                         const Box* clip) const = 0;

  /// Advance width of c in pixels; 0 where the font has no glyph.
  virtual std::uint16_t GlyphWidth(unsigned char c) const = 0;
  virtual std::uint16_t GlyphHeight(unsigned char c) const = 0;

  /// Sum of the glyph widths, kept to 16 bits.
  std::uint16_t TextWidth(std::string_view text) const;
  virtual std::uint16_t TextHeight(std::string_view text) const = 0;

  /// Attaches the named entry's bytes; false when the entry is missing or malformed.
  bool Load(std::string_view name, EntrySource& source);
};

/// The text up to its first zero byte, as the C strings of the font interface end.
std::string_view untilZero(std::string_view text);

}  // namespace gfx
