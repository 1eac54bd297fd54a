// Files on the host: opening for reading (optionally exclusive, so a second holder is refused),
// and whole-file writes that never leave a half-written file behind.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>

#include "util/readable_file.h"
#include "util/result.h"

namespace platform {

enum class OpenMode {
  Shared,     // any number of readers
  Exclusive,  // refused with ErrorCode::Locked while another process holds the file this way
};

/// Opens path for reading. Errors: NotFound when it can't be opened, Locked when another
/// process holds it exclusively. An exclusive hold lasts as long as the returned file.
util::Result<std::unique_ptr<util::ReadableFile>> openReadableFile(const std::string& path,
                                                                   OpenMode mode);

/// Reads a whole file; NotFound or Io on failure.
util::Result<std::string> readWholeFile(const std::string& path);

/// True when something exists at path (a file, a folder).
bool fileExists(const std::string& path);

/// Replaces path with bytes: writes a temporary file beside it, flushes it to disk and renames
/// it into place, so a crash or a full disk leaves either the old or the new file.
util::Status writeFileAtomically(const std::string& path, std::span<const std::byte> bytes);

}  // namespace platform
