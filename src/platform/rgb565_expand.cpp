#include "platform/rgb565_expand.h"

#include <array>

namespace platform {

namespace {

// All 65536 answers, built once at compile time: a table look-up per pixel.
constexpr std::array<std::uint32_t, 65536> MakeTable() {
  std::array<std::uint32_t, 65536> table{};
  for (std::uint32_t p = 0; p < table.size(); ++p)
    table[p] = ExpandRgb565(static_cast<std::uint16_t>(p));
  return table;
}

}  // namespace

void ExpandRgb565Pixels(const std::uint16_t* source, std::uint32_t* target, std::size_t count) {
  static constexpr std::array<std::uint32_t, 65536> kTable = MakeTable();
  for (std::size_t i = 0; i < count; ++i)
    target[i] = kTable[source[i]];
}

}  // namespace platform
