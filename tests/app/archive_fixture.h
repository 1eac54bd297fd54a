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

/// A colour font (.cfn) stored under name: height 2, codes 32 to 126, every glyph one pixel wide
/// and empty.
inline std::string blankColorFont(const std::string& name) {
  std::string out(16, '\0');
  for (std::size_t i = 0; i < name.size() && i < 16; ++i)
    out[i] = name[i];
  const auto put16 = [&out](int v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  put16(2);
  put16(32);
  put16(126);
  const std::size_t records = out.size();
  out.resize(records + 4 * 95);
  for (int c = 32; c <= 126; ++c) {
    const std::size_t rec = records + 4 * static_cast<std::size_t>(c - 32);
    const std::size_t offset = out.size();
    out[rec] = static_cast<char>(offset & 0xFF);
    out[rec + 1] = static_cast<char>((offset >> 8) & 0xFF);
    out[rec + 2] = static_cast<char>((offset >> 16) & 0xFF);
    out[rec + 3] = 1;
    put16(0);
    put16(0);
  }
  return out;
}

/// What start-up needs besides init.scr: the seven fonts and a script for every screen, each
/// script an empty Init.
inline std::vector<std::pair<std::string, std::string>> startUpEntries() {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const char* font :
       {"fonts_menu", "fonts_menua", "fmsmall", "hiscores", "hiscoresf", "experien", "experiena"}) {
    entries.emplace_back(std::string(font) + ".cfn", blankColorFont(font));
  }
  for (const char* script : {"ingame.scr", "options.scr", "startgame.scr", "choosegame.scr",
                             "helpform.scr", "recordbook.scr", "credits.scr", "auxclass.scr",
                             "auxestafet.scr", "auxunlim.scr", "infoform.scr"}) {
    entries.emplace_back(script, "function Init(h)\n{\n}\n");
  }
  return entries;
}

/// Writes an archive with entries; the fonts and screen scripts start-up needs are added
/// after them where entries has none of that name (the earlier of two equal names wins anyway).
inline void writeArchive(const std::string& path,
                         std::vector<std::pair<std::string, std::string>> entries) {
  for (auto& entry : startUpEntries())
    entries.push_back(std::move(entry));
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
