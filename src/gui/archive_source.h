// ArchiveSource: the resource archive seen as the entry source that pictures, fonts and the
// controls' text resources read from. Each lookup takes a fresh copy of the entry, so the
// archive's cache is left as it was.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "gfx/images/entry_source.h"
#include "resources/resource_archive.h"

namespace gui {

class ArchiveSource final : public gfx::EntrySource {
 public:
  /// archive must outlive the source.
  explicit ArchiveSource(resources::ResourceArchive& archive) : archive_(archive) {}

  /// The entry's bytes (without the archive's trailing zero), valid until the next call;
  /// empty when the entry is missing or unreadable.
  std::span<const std::byte> find(std::string_view name) override;

 private:
  resources::ResourceArchive& archive_;
  std::vector<std::byte> bytes_;
};

}  // namespace gui
