// RowPicture: a .cmb picture, palette indexes in per-row opcode strings.
//
// .cmb: width (u16), height (u16), bits (u8: 8 means 8-bit indexes, anything else 4-bit), one
// unused byte, palette count (u16), that many RGB565 words, height + 1 u32 offsets into the row
// area that follows (row r is bytes offset[r] .. offset[r + 1] - 1). A row is opcode bytes:
// count n = low 5 bits, operation = high 3 bits; a zero byte ends the row.
//   0x00 skip n          0x20 n indexes (4-bit: two a byte, low nibble first)
//   0x40 n (index, alpha) blended pixels: 4-bit one byte each, alpha = high nibble * 2
//   0x60 one index, n opaque pixels     0x80 one (index, alpha), n blended pixels
// An index past the palette draws nothing; an unknown operation ends the row.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "gfx/images/picture.h"

namespace gfx {

class RowPicture final : public Picture {
 public:
  void Draw(Surface& surface, int x, int y, const Box* clip, std::uint32_t timeMs) const override;
  void Release() override;
  bool LoadBytes(std::string_view name, std::span<const std::byte> bytes) override;

  int bitsPerIndex() const { return eightBit_ ? 8 : 4; }

 private:
  bool eightBit_ = false;
  std::vector<std::uint16_t> palette_;
  std::vector<std::vector<std::uint8_t>> rows_;  // each ends with a zero byte
};

}  // namespace gfx
