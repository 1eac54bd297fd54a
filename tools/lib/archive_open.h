// Opening an archive file for the tools, with a failure message fit for one line of output.
#pragma once

#include <memory>
#include <string>

#include "resources/resource_archive.h"
#include "util/result.h"

namespace tools {

/// Opens path (shared, read-only) and reads its directory. Errors name the file and the cause:
/// NotFound "PATH: cannot open", Locked "PATH: in use by another program", Malformed
/// "PATH: not an archive (bad magic)" when the file does not start with "1.00" and an end offset.
util::Result<std::unique_ptr<resources::ResourceArchive>> openArchiveFile(const std::string& path);

}  // namespace tools
