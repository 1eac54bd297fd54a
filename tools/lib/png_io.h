// PNG reading and writing through libpng, as 8-bit RGBA.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lib/argb_image.h"
#include "util/result.h"

namespace tools {

/// Any PNG that libpng reads, converted to 8-bit ARGB. NotFound or Malformed on failure.
util::Result<ArgbImage> readPng(const std::string& path);

/// An 8-bit RGBA PNG of image as file bytes, for writing with platform::writeFileAtomically.
/// Unsupported for an empty image (PNG has no zero-sized pictures).
util::Result<std::vector<std::byte>> encodePng(const ArgbImage& image);

/// Writes an 8-bit RGBA PNG. Io on failure.
util::Status writePng(const std::string& path, const ArgbImage& image);

}  // namespace tools
