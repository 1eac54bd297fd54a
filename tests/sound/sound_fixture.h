// Archives in memory for the sound tests: entries packed in graphics.dat's layout.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "resources/archive_format.h"
#include "resources/resource_archive.h"
#include "util/readable_file.h"

namespace sound::testing {

inline void putU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

/// An opened archive holding (name, bytes) entries.
inline std::unique_ptr<resources::ResourceArchive> memoryArchive(
    const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string body;
  for (const auto& [name, data] : entries) {
    std::string masked(resources::kEntryNameBytes, '\0');
    for (std::size_t i = 0; i < name.size() && i < masked.size(); ++i)
      masked[i] = name[i];
    for (char& c : masked)
      c = static_cast<char>(static_cast<std::uint8_t>(c) ^ resources::kNameMask);
    uLongf stored = compressBound(data.size());
    std::vector<Bytef> z(stored);
    compress(z.data(), &stored, reinterpret_cast<const Bytef*>(data.data()), data.size());
    body += masked;
    putU32(body, static_cast<std::uint32_t>(stored));
    putU32(body, static_cast<std::uint32_t>(data.size()));
    body.append(reinterpret_cast<const char*>(z.data()), stored);
  }
  std::string file = "1.00";
  putU32(file, static_cast<std::uint32_t>(8 + body.size()));
  file += body;
  const auto* p = reinterpret_cast<const std::byte*>(file.data());
  auto archive = std::make_unique<resources::ResourceArchive>();
  (void)archive->Open(
      std::make_unique<util::MemoryFile>(std::vector<std::byte>(p, p + file.size())));
  return archive;
}

}  // namespace sound::testing
