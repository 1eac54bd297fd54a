// Writing archives in the game's format (see resources/archive_format.h): names scrambled with
// the archive's mask, each entry one zlib stream at the best compression.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "util/result.h"

namespace tools {

struct ArchiveEntry {
  std::string name;  // 1..15 ASCII characters, no zero byte
  std::vector<std::byte> data;
};

/// The whole archive file. Malformed for an empty, over-long or non-ASCII name; Unsupported
/// when the file would pass 4 GiB.
util::Result<std::vector<std::byte>> buildArchive(const std::vector<ArchiveEntry>& entries);

}  // namespace tools
