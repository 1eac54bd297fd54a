#include "lib/manifest_pack.h"

#include <cctype>
#include <map>
#include <memory>

#include "lib/picture_by_extension.h"
#include "lib/png_io.h"
#include "platform/file.h"
#include "resources/resource_archive.h"

namespace tools {
namespace {

bool hasPngExtension(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".png";
}

util::Error failure(const ManifestEntry& entry, util::ErrorCode code, const std::string& what) {
  return util::makeError(code, entry.origin + ": " + entry.name + ": " + what);
}

// Archives named by `archive` lines, opened once each.
class ArchiveCache {
 public:
  resources::ResourceArchive* get(const std::filesystem::path& path) {
    auto it = archives_.find(path.string());
    if (it != archives_.end()) return it->second.get();
    auto file = platform::openReadableFile(path.string(), platform::OpenMode::Shared);
    if (!file) return nullptr;
    auto archive = std::make_unique<resources::ResourceArchive>();
    if (archive->Open(std::move(*file)) != 0) return nullptr;
    return archives_.emplace(path.string(), std::move(archive)).first->second.get();
  }

 private:
  std::map<std::string, std::unique_ptr<resources::ResourceArchive>> archives_;
};

}  // namespace

util::Result<std::vector<ArchiveEntry>> loadManifestEntries(
    const std::vector<ManifestEntry>& entries) {
  std::vector<ArchiveEntry> out;
  out.reserve(entries.size());
  ArchiveCache archives;
  for (const ManifestEntry& entry : entries) {
    ArchiveEntry packed;
    packed.name = entry.name;
    if (entry.fromArchive) {
      resources::ResourceArchive* archive = archives.get(entry.source);
      std::uint32_t size = 0;
      if (archive == nullptr || !archive->Copy(entry.name, packed.data, &size))
        return failure(entry, util::ErrorCode::Malformed, "unreadable in " + entry.source.string());
      packed.data.resize(size);  // drop the zero byte Copy appends
    } else if (isPictureName(entry.name) && hasPngExtension(entry.source)) {
      auto image = readPng(entry.source.string());
      if (!image) return failure(entry, image.error().code, image.error().message);
      auto encoded = encodePictureFor(entry.name, *image, entry.format);
      if (!encoded) return failure(entry, encoded.error().code, encoded.error().message);
      packed.data = std::move(*encoded);
    } else {
      if (!entry.format.empty())
        return failure(entry, util::ErrorCode::Malformed,
                       "a format applies only to a .png source of a picture");
      auto bytes = platform::readWholeFile(entry.source.string());
      if (!bytes) return failure(entry, bytes.error().code, "cannot read " + entry.source.string());
      const auto* begin = reinterpret_cast<const std::byte*>(bytes->data());
      packed.data.assign(begin, begin + bytes->size());
    }
    out.push_back(std::move(packed));
  }
  return out;
}

}  // namespace tools
