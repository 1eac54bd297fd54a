// The pictures and fonts of graphics.dat, drawn procedurally.
#pragma once

#include <filesystem>
#include <ostream>

#include "assetgen/art/art_output.h"

namespace assetgen {

/// Every generated picture and font in memory, with the failures met on the way. scale is 1
/// for the 240 x 320 content and 2 for the 480 x 640 one.
ArtOutput DrawAllArt(int scale);

/// The application's icon, size x size pixels (the desktop entry's picture).
tools::ArgbImage DrawIcon(int size);

/// Draws every picture and renders every font into outDir, one file per archive entry, named
/// as the entry. Returns false after writing one line per failure to errors.
bool WriteArt(const std::filesystem::path& outDir, int scale, std::ostream& errors);

}  // namespace assetgen
