// Turning the entries of a manifest into archive entries: files copied, PNG sources encoded as
// the picture their entry names, entries of other archives taken as they are.
#pragma once

#include <vector>

#include "lib/archive_writer.h"
#include "lib/manifest.h"
#include "util/result.h"

namespace tools {

/// The bytes of every entry, in manifest order. A failure names the manifest line: NotFound for
/// an unreadable source, Malformed for a bad PNG or a FORMAT on a source that is not a PNG
/// picture, Unsupported when the picture can't be encoded as asked.
util::Result<std::vector<ArchiveEntry>> loadManifestEntries(
    const std::vector<ManifestEntry>& entries);

}  // namespace tools
