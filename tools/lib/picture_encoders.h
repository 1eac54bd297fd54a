// Encoders for every picture format the game reads, from 8-bit ARGB pictures.
//
// Run streams (.espr, .cfn glyphs) follow one rule: scanning a row from the left, at each
// position the first of these that applies is emitted, each run holding at most 251 pixels:
//   1. a skip run of pixels whose 8-bit alpha is below 8;
//   2. a run of 2 or more pixels of equal RGB565 colour and equal 5-bit alpha: op 4 when the
//      alpha is 31, else op 3 with the alpha;
//   3. opaque literals (op 1): pixels of alpha 31, each different from its predecessor;
//   4. translucent literals (op 2): pixels of alpha 1..30, each different from its predecessor.
// Each row ends with a zero word. The 5-bit alpha of a pixel is its 8-bit alpha >> 3.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lib/argb_image.h"
#include "util/result.h"

namespace tools {

/// The rows of image as a run stream, without the size header.
std::vector<std::byte> encodeRunStreamRows(const ArgbImage& image);

/// .espr: width, height, run-stream rows. Unsupported for sizes above 65535.
util::Result<std::vector<std::byte>> encodeEspr(const ArgbImage& image);

/// .sft: width, height, the 32-bit pixels as they are. Unsupported above 255 wide (the game
/// makes each row one command).
util::Result<std::vector<std::byte>> encodeSft(const ArgbImage& image);

/// .spr at 4, 8 or 16 bits, packed or run-length. Alpha is dropped (the format is opaque).
/// The palette holds the picture's RGB565 colours in order of first use; Unsupported when
/// there are more than 16 (4 bits) or 256 (8 bits).
util::Result<std::vector<std::byte>> encodeSpr(const ArgbImage& image, int bits, bool runLength);

/// .cmb with 4- or 8-bit indexes; palette as for .spr, translucency kept (4-bit alpha steps
/// of 2 at 4 bits).
util::Result<std::vector<std::byte>> encodeCmb(const ArgbImage& image, int bits);

/// Uncompressed TGA at 16 (1-5-5-5), 24 or 32 bits, bottom row first.
util::Result<std::vector<std::byte>> encodeTga(const ArgbImage& image, int bits);

/// .aspr text for frames shown frameMs each.
std::vector<std::byte> encodeAspr(int frameMs, const std::vector<std::string>& frameNames);

}  // namespace tools
