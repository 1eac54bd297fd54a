#include "lib/archive_open.h"

#include "platform/file.h"
#include "resources/archive_format.h"

namespace tools {

util::Result<std::unique_ptr<resources::ResourceArchive>> openArchiveFile(const std::string& path) {
  auto file = platform::openReadableFile(path, platform::OpenMode::Shared);
  if (!file) {
    if (file.error().code == util::ErrorCode::Locked)
      return util::makeError(util::ErrorCode::Locked, path + ": in use by another program");
    return util::makeError(util::ErrorCode::NotFound, path + ": cannot open");
  }
  auto archive = std::make_unique<resources::ResourceArchive>();
  if (archive->Open(std::move(*file)) != resources::kArchiveOk)
    return util::makeError(util::ErrorCode::Malformed, path + ": not an archive (bad magic)");
  return archive;
}

}  // namespace tools
