// Decoding any picture file the game reads back to 8-bit ARGB, for conversion to PNG. Colours
// come back from RGB565 with their top bits repeated; 5-bit alphas the same way.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "lib/argb_image.h"
#include "util/result.h"

namespace tools {

/// Decodes bytes as the picture kind the name's extension says (.espr, .sft, .spr, .tga,
/// .cmb). Malformed when the game's loader refuses the data, Unsupported for other kinds.
util::Result<ArgbImage> decodePicture(std::string_view name, std::span<const std::byte> bytes);

}  // namespace tools
