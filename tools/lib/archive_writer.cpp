#include "lib/archive_writer.h"

#include <zlib.h>

#include "lib/byte_writer.h"
#include "resources/archive_format.h"

namespace tools {
namespace {}  // namespace

util::Result<std::vector<std::byte>> buildArchive(const std::vector<ArchiveEntry>& entries) {
  std::vector<std::byte> out;
  for (char c : resources::kArchiveMagic)
    out.push_back(static_cast<std::byte>(c));
  AppendLe(out, 0, 4);
  for (const ArchiveEntry& entry : entries) {
    if (entry.name.empty() || entry.name.size() > resources::kMaxEntryNameLength) {
      return util::makeError(util::ErrorCode::Malformed,
                             "entry name must be 1 to 15 characters: '" + entry.name + "'");
    }
    for (char c : entry.name) {
      const unsigned char u = static_cast<unsigned char>(c);
      if (u == 0 || u >= 0x80) {
        return util::makeError(util::ErrorCode::Malformed,
                               "entry name is not ASCII: " + entry.name);
      }
    }
    for (std::size_t i = 0; i < resources::kEntryNameBytes; ++i) {
      const std::uint8_t c = i < entry.name.size() ? static_cast<std::uint8_t>(entry.name[i]) : 0;
      out.push_back(static_cast<std::byte>(c ^ resources::kNameMask));
    }
    uLongf packedSize = compressBound(static_cast<uLong>(entry.data.size()));
    std::vector<Bytef> packed(packedSize);
    if (compress2(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(entry.data.data()),
                  static_cast<uLong>(entry.data.size()), Z_BEST_COMPRESSION) != Z_OK) {
      return util::makeError(util::ErrorCode::Io, "zlib could not compress " + entry.name);
    }
    if (out.size() + 8 + packedSize > 0xFFFFFFFFull || entry.data.size() > 0xFFFFFFFFull) {
      return util::makeError(util::ErrorCode::Unsupported, "archive would pass 4 GiB");
    }
    AppendLe(out, static_cast<std::uint32_t>(packedSize), 4);
    AppendLe(out, static_cast<std::uint32_t>(entry.data.size()), 4);
    for (uLongf i = 0; i < packedSize; ++i)
      out.push_back(static_cast<std::byte>(packed[i]));
  }
  const std::uint32_t end = static_cast<std::uint32_t>(out.size());
  for (int i = 0; i < 4; ++i)
    out[4 + i] = static_cast<std::byte>((end >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace tools
