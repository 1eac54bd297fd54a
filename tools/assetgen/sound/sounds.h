// The sound effects and songs of graphics.dat, synthesised.
#pragma once

#include <filesystem>
#include <ostream>

namespace assetgen {

/// Synthesises every effect (.wav) and composes every song (.xm) into outDir, one file per
/// archive entry, named as the entry. Returns false after writing one line per failure to
/// errors.
bool WriteSounds(const std::filesystem::path& outDir, std::ostream& errors);

}  // namespace assetgen
