#include "gui/archive_source.h"

namespace gui {

std::span<const std::byte> ArchiveSource::find(std::string_view name) {
  std::uint32_t size = 0;
  bytes_.clear();
  if (!archive_.Copy(name, bytes_, &size) || size > bytes_.size()) return {};
  return std::span<const std::byte>(bytes_.data(), size);
}

}  // namespace gui
