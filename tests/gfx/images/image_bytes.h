// Byte builders and an in-memory EntrySource for the picture tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "gfx/images/entry_source.h"

namespace gfx::testing {

class Bytes {
 public:
  Bytes& u8(std::initializer_list<int> values) {
    for (int v : values)
      data.push_back(static_cast<std::byte>(v & 0xFF));
    return *this;
  }
  Bytes& u16(std::initializer_list<int> values) {
    for (int v : values)
      u8({v & 0xFF, (v >> 8) & 0xFF});
    return *this;
  }
  Bytes& u32(std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t v : values) {
      u16({static_cast<int>(v & 0xFFFF), static_cast<int>(v >> 16)});
    }
    return *this;
  }
  Bytes& text(const std::string& s) {
    for (char c : s)
      data.push_back(static_cast<std::byte>(c));
    return *this;
  }
  std::vector<std::byte> data;
};

/// Run-stream command word.
inline int cmd(int op, int count) {
  return (count << 8) | op;
}

class MapSource final : public EntrySource {
 public:
  std::span<const std::byte> find(std::string_view name) override {
    auto it = entries.find(std::string(name));
    if (it == entries.end()) return {};
    return it->second;
  }
  std::map<std::string, std::vector<std::byte>> entries;
};

}  // namespace gfx::testing
