// Test helpers for controls: pictures and fonts made from bytes, an entry source over a map, a
// driver that records its calls, and archives built in memory.
#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gfx/fonts/font_registry.h"
#include "gfx/images/entry_source.h"
#include "gui/form_driver.h"
#include "resources/archive_format.h"
#include "resources/resource_archive.h"
#include "util/readable_file.h"

namespace gui::testing {

inline void putU16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void putU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

/// A 16-bit packed .spr of one colour.
inline std::string solidSpr(int width, int height, std::uint16_t colour) {
  std::string out;
  putU16(out, static_cast<unsigned>(width));
  putU16(out, static_cast<unsigned>(height));
  out.push_back(16);
  out.push_back(0);
  for (int i = 0; i < width * height; ++i)
    putU16(out, colour);
  return out;
}

/// A .font whose every glyph is a solid glyphWidth x glyphHeight block (glyphWidth 1..63);
/// wider widths for the characters in `wide` (each wideWidth pixels).
inline std::string blockFont(int glyphWidth, int glyphHeight, std::string_view wide = {},
                             int wideWidth = 0) {
  constexpr int kGlyphs = 224;
  std::string table, rows;
  const std::uint32_t base = kGlyphs * 8;
  const auto glyphRows = [&](int w) {
    const std::uint32_t at = base + static_cast<std::uint32_t>(rows.size());
    for (int r = 0; r < glyphHeight; ++r) {
      rows.push_back(static_cast<char>(0xC0 | w));
      rows.push_back(0);
    }
    return at;
  };
  const std::uint32_t normal = glyphRows(glyphWidth);
  const std::uint32_t wideAt = wideWidth > 0 ? glyphRows(wideWidth) : normal;
  for (int c = 32; c < 32 + kGlyphs; ++c) {
    const bool isWide = wideWidth > 0 && wide.find(static_cast<char>(c)) != std::string_view::npos;
    putU32(table, isWide ? wideAt : normal);
    putU16(table, static_cast<unsigned>(isWide ? wideWidth : glyphWidth));
    putU16(table, static_cast<unsigned>(glyphHeight));
  }
  return table + rows;
}

inline std::span<const std::byte> bytesOf(const std::string& s) {
  return {reinterpret_cast<const std::byte*>(s.data()), s.size()};
}

/// Entries by exact name.
class MapSource final : public gfx::EntrySource {
 public:
  std::map<std::string, std::string> entries;
  std::span<const std::byte> find(std::string_view name) override {
    const auto it = entries.find(std::string(name));
    return it == entries.end() ? std::span<const std::byte>() : bytesOf(it->second);
  }
};

/// Registers font "f" (6 x 8 glyphs) and "big" (10 x 12 glyphs) into registry.
inline void addTestFonts(gfx::FontRegistry& fonts) {
  const std::string f = blockFont(6, 8), big = blockFont(10, 12);
  (void)fonts.Add("f", "f.font", bytesOf(f));
  (void)fonts.Add("big", "big.font", bytesOf(big));
}

/// A driver that records "function(arg,arg)" for every call, then runs hook when set.
class RecordingDriver final : public gui::FormDriver {
 public:
  explicit RecordingDriver(std::vector<std::string>& log) : log_(log) {}
  void Call(std::string_view function, std::span<const std::string> args) override {
    std::string line(function);
    line += '(';
    for (std::size_t i = 0; i < args.size(); ++i)
      line += (i ? "," : "") + args[i];
    log_.push_back(line + ')');
    if (hook) hook(function);
  }
  std::function<void(std::string_view)> hook;

 private:
  std::vector<std::string>& log_;
};

/// The bytes of an archive file holding entries (names up to 15 characters).
inline std::vector<std::byte> archiveBytes(
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
  const auto* p = reinterpret_cast<const std::byte*>(file.data());
  return std::vector<std::byte>(p, p + file.size());
}

/// An archive opened over archiveBytes(entries).
inline std::unique_ptr<resources::ResourceArchive> memoryArchive(
    const std::vector<std::pair<std::string, std::string>>& entries) {
  auto archive = std::make_unique<resources::ResourceArchive>();
  (void)archive->Open(std::make_unique<util::MemoryFile>(archiveBytes(entries)));
  return archive;
}

}  // namespace gui::testing
