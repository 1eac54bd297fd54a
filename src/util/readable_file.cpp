#include "util/readable_file.h"

#include <algorithm>
#include <cstring>

namespace util {

std::size_t MemoryFile::readAt(std::uint64_t offset, std::span<std::byte> out) {
  if (offset >= bytes_.size()) return 0;
  const std::size_t count = std::min<std::uint64_t>(out.size(), bytes_.size() - offset);
  if (count == 0) return 0;  // an empty span may have no memory behind it
  std::memcpy(out.data(), bytes_.data() + offset, count);
  return count;
}

}  // namespace util
