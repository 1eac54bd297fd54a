// Test helpers for controls: pictures and fonts made from bytes, an entry source over a map, a
// driver that records its calls; archives come from fixtures/resources/memory_archive.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "fixtures/resources/memory_archive.h"
#include "gfx/fonts/font_registry.h"
#include "gfx/images/entry_source.h"
#include "gui/form_driver.h"

namespace gui::testing {

using testing_support::memoryArchive;
using testing_support::putU16;
using testing_support::putU32;

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

/// A .font whose every glyph is a solid glyphWidth x glyphHeight block (glyphWidth 1..63).
inline std::string blockFont(int glyphWidth, int glyphHeight) {
  constexpr int kGlyphs = 224;
  std::string table, rows;
  for (int r = 0; r < glyphHeight; ++r) {
    rows.push_back(static_cast<char>(0xC0 | glyphWidth));
    rows.push_back(0);
  }
  for (int c = 0; c < kGlyphs; ++c) {
    putU32(table, kGlyphs * 8);  // every glyph shares the rows after the table
    putU16(table, static_cast<unsigned>(glyphWidth));
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

/// Puts control at (x, y) in its form with the given size; returns it.
template <class C>
C* place(C* control, int x, int y, int width, int height) {
  control->x = static_cast<std::int16_t>(x);
  control->y = static_cast<std::int16_t>(y);
  control->width = static_cast<std::uint16_t>(width);
  control->height = static_cast<std::uint16_t>(height);
  return control;
}

/// Registers font "f" (6 x 8 glyphs) and "big" (10 x 12 glyphs) into registry.
inline void addTestFonts(gfx::FontRegistry& fonts) {
  const std::string f = blockFont(6, 8), big = blockFont(10, 12);
  (void)fonts.Add("f", "f.font", bytesOf(f));
  (void)fonts.Add("big", "big.font", bytesOf(big));
}

/// A driver that records "function(arg,arg)", after prefix, for every call, then runs hook when
/// set.
class RecordingDriver final : public gui::FormDriver {
 public:
  explicit RecordingDriver(std::vector<std::string>& log, std::string prefix = {})
      : log_(log), prefix_(std::move(prefix)) {}
  void Call(std::string_view function, std::span<const std::string> args) override {
    std::string line = prefix_ + std::string(function) + '(';
    for (std::size_t i = 0; i < args.size(); ++i)
      line += (i ? "," : "") + args[i];
    log_.push_back(line + ')');
    if (hook) hook(function);
  }
  std::function<void(std::string_view)> hook;

 private:
  std::vector<std::string>& log_;
  std::string prefix_;
};

}  // namespace gui::testing
