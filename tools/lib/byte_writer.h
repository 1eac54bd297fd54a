// Little-endian integers into byte buffers, for every file format the tools write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

/// Appends the low `bytes` bytes of value, least significant first.
inline void AppendLe(std::vector<std::byte>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFF));
}

/// Overwrites out[at .. at + bytes) the same way (the bytes must already exist).
inline void WriteLeAt(std::vector<std::byte>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out[at + static_cast<std::size_t>(i)] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
}

}  // namespace tools
