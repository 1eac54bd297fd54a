// Rendering the game's fonts from a TrueType (or any FreeType-readable) file: .cfn fonts whose
// glyphs carry their own colours (fill, optional vertical gradient, outline, drop shadow) and
// .font fonts whose glyphs are coverage masks drawn later in the text's colour.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "util/result.h"

namespace tools {

struct FontStyle {
  std::uint32_t fill = 0xFFFFFFFF;     // 0xAARRGGBB of the letters (their top with fill2)
  std::uint32_t fill2 = 0;             // bottom colour of a vertical gradient; 0: plain fill
  std::uint32_t outline = 0xFF000000;  // colour of the outline, used when outlineWidth > 0
  int outlineWidth = 0;                // pixels around each letter, 0..4
  std::uint32_t shadow = 0x80000000;   // colour of the drop shadow, used when shadowOffset > 0
  int shadowOffset = 0;                // pixels right and down, 0..4
};

struct FontRenderOptions {
  int pixels = 12;     // FreeType pixel size (the em), 4..96
  int firstCode = 32;  // Latin-1 codes rendered, firstCode..lastCode within 32..255
  int lastCode = 255;
  std::string name;  // .cfn: the name stored in the file's first 16 bytes (15 at most)
  FontStyle style;   // .cfn only; .font glyphs are masks
};

/// The cell every glyph of a rendered font shares: all glyphs are this tall, with the
/// baseline at the same row, so letters of one text line up.
struct FontCell {
  int height = 0;
  int baseline = 0;  // rows above the baseline
};

/// A .cfn font. NotFound when the font file can't be opened, Malformed when FreeType can't
/// read it, Unsupported for options out of range or a glyph wider than 127 pixels.
util::Result<std::vector<std::byte>> renderColorFont(const std::string& fontPath,
                                                     const FontRenderOptions& options,
                                                     FontCell* cellOut = nullptr);

/// A .font font: codes outside firstCode..lastCode (or missing from the face) are empty.
util::Result<std::vector<std::byte>> renderMaskFont(const std::string& fontPath,
                                                    const FontRenderOptions& options,
                                                    FontCell* cellOut = nullptr);

}  // namespace tools
