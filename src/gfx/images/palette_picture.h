// PalettePicture: an opaque picture (.spr at 4, 8 or 16 bits, packed or run-length; or a .tga
// converted to plain RGB565 at load). Every pixel of its rectangle inside the clip is written.
//
// .spr: width (u16), height (u16), bits (u8: 4, 8, 16), coding (u8: 0 packed, else run-length),
// a 16- or 256-word RGB565 palette for 4 and 8 bits, then the rows from the top:
//   packed 4:  (width + 3) / 4 words per row, indexes high nibble first
//   packed 8:  (width + 1) / 2 words per row of index bytes
//   packed 16: width RGB565 words per row
//   run 4:     bytes (count << 4 | index), a zero byte ends the row, then a zero pad byte when
//              the row data so far has odd length
//   run 8/16:  packets: b < 0x80 is followed by b literal pixels, b >= 0x80 by one pixel
//              repeated b & 0x7F times (a pixel is an index byte, or an RGB565 word at 16 bits);
//              a zero byte ends the row and a further zero byte right after it is padding
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "gfx/images/picture.h"

namespace gfx {

class PalettePicture final : public Picture {
 public:
  void Draw(Surface& surface, int x, int y, const Box* clip, std::uint32_t timeMs) const override;
  void Release() override;
  /// .tga bytes when name contains ".tga", else .spr bytes.
  bool LoadBytes(std::string_view name, std::span<const std::byte> bytes) override;

  /// Truevision TGA, uncompressed true-colour: 16 (1-5-5-5), 24 or 32 bits per pixel, with the
  /// image ID skipped and rows flipped to top first unless the header says top-left origin.
  /// Other depths give an all-black picture of the header's size; compressed or short files
  /// are refused.
  bool loadTga(std::span<const std::byte> bytes);
  bool loadSpr(std::span<const std::byte> bytes);

  int bitsPerPixel() const { return bits_; }
  bool runLength() const { return runLength_; }

 private:
  void drawSpr(Surface& surface, int x, int y, const Box* clip) const;

  int bits_ = 16;
  bool runLength_ = false;
  std::vector<std::uint16_t> palette_;
  std::vector<std::byte> rows_;        // .spr row data
  std::vector<std::uint16_t> pixels_;  // converted .tga
  bool allBlack_ = false;  // a .tga of a depth we don't read: black, without pixel memory
};

}  // namespace gfx
