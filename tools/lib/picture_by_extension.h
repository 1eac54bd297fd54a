// Choosing a picture encoder by the extension of the entry's name, for pack and convert.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "lib/argb_image.h"
#include "util/result.h"

namespace tools {

/// True for the names of pictures the encoders write: .espr .spr .cmb .sft .tga (any case).
bool isPictureName(std::string_view name);

/// Encodes image as the picture the name's extension asks for. format picks among the
/// encodings of the kind ("spr4", "spr8", "spr16", each optionally followed by "rle"; "cmb4",
/// "cmb8"; "tga16", "tga24", "tga32"; nothing for .espr and .sft); empty takes the default
/// (spr16rle, cmb8, tga32). Malformed for a format that does not fit the kind, Unsupported when
/// the picture can't be written that way (too many colours, too large).
util::Result<std::vector<std::byte>> encodePictureFor(std::string_view name, const ArgbImage& image,
                                                      std::string_view format);

}  // namespace tools
