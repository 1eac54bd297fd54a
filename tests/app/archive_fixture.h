// Writes small archives for start-up tests, laid out as graphics.dat is: "1.00", the end
// offset, then per entry a masked 16-byte name, stored and decompressed sizes and a zlib stream.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "resources/archive_format.h"

namespace testing_support {

inline void putU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

/// The bytes of an archive holding entries (name, data), in order.
inline std::string buildArchiveBytes(
    const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string body;
  for (const auto& [name, data] : entries) {
    std::string masked(16, '\0');
    for (std::size_t i = 0; i < name.size() && i < 15; ++i)
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
  return file;
}

inline void writeArchive(const std::string& path,
                         const std::vector<std::pair<std::string, std::string>>& entries) {
  std::ofstream(path, std::ios::binary) << buildArchiveBytes(entries);
}

/// An init.scr whose Init sets the given application variables.
inline std::string initScript(const std::vector<std::pair<std::string, std::string>>& vars) {
  std::string text = "function Init(h)\n{\n";
  for (const auto& [name, value] : vars) {
    text += "  SetGlobalVar(\"" + name + "\", \"" + value + "\");\n";
  }
  return text + "}\n";
}

}  // namespace testing_support
