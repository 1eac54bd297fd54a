// Encoders for the game's two font formats, from glyph pictures (see gfx/fonts/color_font.h and
// gfx/fonts/mask_font.h for the layouts the game reads).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "lib/argb_image.h"
#include "util/result.h"

namespace tools {

/// A .cfn font of the glyphs for codes firstCode .. firstCode + glyphs.size() - 1. Each glyph is
/// its advance wide (1..127 pixels) and exactly height tall, stored as a run stream (see
/// picture_encoders.h for how pixels become runs); a glyph of width 0 gets an empty record (the
/// code draws nothing and does not advance). name is stored in the first 16 bytes.
/// Unsupported for a name over 15 characters, no glyphs or codes beyond 255, a height outside
/// 1..65535, a glyph of another height or wider than 127 pixels, or a file past 16 MiB.
util::Result<std::vector<std::byte>> encodeColorFont(std::string_view name, int height,
                                                     int firstCode,
                                                     const std::vector<ArgbImage>& glyphs);

/// One .font glyph: coverage 0..255 a pixel, rows top first (width * height values).
struct MaskGlyph {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

/// A .font font of the glyphs for codes 32, 33, ... (at most 224; codes past the list are
/// empty). Coverage becomes a 5-bit weight, (c * 31 + 127) / 255: 0 is skipped, 31 drawn in the
/// text colour, the rest blended. Unsupported for more than 224 glyphs, a glyph whose sizes
/// exceed 65535 or whose coverage does not hold width * height values.
util::Result<std::vector<std::byte>> encodeMaskFont(const std::vector<MaskGlyph>& glyphs);

}  // namespace tools
