#include "gfx/images/run_stream.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "gfx/color.h"
#include "gfx/images/byte_reader.h"
#include "gfx/images/draw_region.h"

namespace gfx {
namespace {

// Payload bytes that follow a command word; 0 with ok = false for an unknown opcode.
std::size_t payloadBytes(std::uint8_t op, std::size_t count, bool& ok) {
  ok = true;
  switch (op) {
    case 0:
      return 0;
    case 1:
      return 2 * count;
    case 2:
      return 4 * count;
    case 3:
      return 4;
    case 4:
      return 2;
    default:
      ok = false;
      return 0;
  }
}

// n little-endian RGB565 words to pixels: one block copy where the host is little-endian.
void copyPixels(std::uint16_t* dst, const std::byte* src, int n) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(dst, src, 2 * static_cast<std::size_t>(n));
  } else {
    for (int i = 0; i < n; ++i)
      dst[i] = readLe16(src + 2 * i);
  }
}

// Appends the blend-each command of count (colour, alpha) pairs as runs of skips, copies and
// blends. Runs of alpha 0 or of alpha 31 and above shorter than kShortestRun pixels stay in
// the blend: a command of its own costs more to walk than blending those few pixels. True when
// anything but one blend command came out.
bool splitBlendEach(const std::byte* pairs, int count, std::vector<std::byte>& out) {
  constexpr int kShortestRun = 8;
  const auto putWord = [&out](int word) {
    out.push_back(static_cast<std::byte>(word & 0xFF));
    out.push_back(static_cast<std::byte>(word >> 8));
  };
  const auto kindAt = [pairs](int i) {
    const std::uint16_t alpha = readLe16(pairs + 4 * i + 2);
    return alpha == 0 ? RunOp::Skip : alpha >= 31 ? RunOp::Copy : RunOp::BlendEach;
  };
  // The end of the run of one kind starting at pixel i.
  const auto runEnd = [&](int i) {
    int end = i + 1;
    while (end < count && kindAt(end) == kindAt(i))
      ++end;
    return end;
  };
  bool changed = false;
  for (int i = 0; i < count;) {
    RunOp kind = kindAt(i);
    int end = runEnd(i);
    if (kind != RunOp::BlendEach && end - i < kShortestRun) kind = RunOp::BlendEach;
    if (kind == RunOp::BlendEach) {
      // The blend takes in every following run too short to stand alone.
      while (end < count && (kindAt(end) == RunOp::BlendEach || runEnd(end) - end < kShortestRun))
        end = runEnd(end);
    }
    const int n = end - i;
    putWord(n << 8 | static_cast<int>(kind));
    if (kind == RunOp::Copy) {
      for (int k = i; k < end; ++k)
        out.insert(out.end(), pairs + 4 * k, pairs + 4 * k + 2);
    } else if (kind == RunOp::BlendEach) {
      out.insert(out.end(), pairs + 4 * i, pairs + 4 * end);
    }
    changed = changed || kind != RunOp::BlendEach;
    i = end;
  }
  return changed;
}

}  // namespace

bool validateRunStream(std::span<const std::byte> bytes, std::size_t pos, int rowCount,
                       std::size_t* endOut) {
  ByteReader in(bytes, pos);
  for (int row = 0; row < rowCount; ++row) {
    for (;;) {
      std::uint16_t word = 0;
      if (!in.u16(word)) return false;
      const std::size_t count = word >> 8;
      if (count == 0) break;
      bool known = false;
      const std::size_t payload =
          payloadBytes(static_cast<std::uint8_t>(word & 0xFF), count, known);
      if (!known || !in.skip(payload)) return false;
    }
  }
  if (endOut != nullptr) *endOut = in.pos();
  return true;
}

bool compactRunStream(std::span<const std::byte> bytes, std::size_t pos, int rowCount,
                      std::vector<std::byte>& out) {
  out.clear();
  bool changed = false;
  ByteReader in(bytes, pos);
  for (int row = 0; row < rowCount; ++row) {
    for (;;) {
      const std::size_t start = in.pos();
      std::uint16_t word = 0;
      if (!in.u16(word)) return false;
      const int count = word >> 8;
      const std::uint8_t op = static_cast<std::uint8_t>(word & 0xFF);
      bool known = false;
      const std::size_t payload = payloadBytes(op, static_cast<std::size_t>(count), known);
      if (count != 0 && (!known || !in.skip(payload))) return false;
      const std::byte* command = bytes.data() + start;
      if (count != 0 && op == static_cast<std::uint8_t>(RunOp::BlendEach)) {
        changed = splitBlendEach(command + 2, count, out) || changed;
        continue;
      }
      out.insert(out.end(), command, command + (in.pos() - start));
      if (count == 0) break;
    }
  }
  if (!changed) out.clear();
  return changed;
}

void drawRunStream(Surface& surface, int x, int y, int width, int rowCount,
                   std::span<const std::byte> bytes, std::size_t pos, const Box* clip) {
  DrawRegion region;
  if (!computeDrawRegion(surface, x, y, width, rowCount, clip, region)) return;
  if (pos > bytes.size()) return;
  // Every read below is preceded by a check of the bytes left after `next`.
  const std::byte* next = bytes.data() + pos;
  const std::byte* const streamEnd = bytes.data() + bytes.size();
  for (int row = 0; row < rowCount; ++row) {
    const int py = y + row;
    if (py >= region.bottom) return;
    const bool drawRow = py >= region.top;
    std::uint16_t* line = drawRow ? surface.pixels + py * surface.width : nullptr;
    int col = x;
    for (;;) {
      if (streamEnd - next < 2) return;
      const std::uint16_t word = readLe16(next);
      next += 2;
      const int count = word >> 8;
      if (count == 0) break;
      const std::uint8_t op = static_cast<std::uint8_t>(word & 0xFF);
      bool known = false;
      const std::size_t payload = payloadBytes(op, static_cast<std::size_t>(count), known);
      if (!known || static_cast<std::size_t>(streamEnd - next) < payload) return;
      const std::byte* src = next;
      next += payload;
      const int from = std::max(col, region.left);
      const int to = std::min(col + count, region.right);
      if (drawRow && from < to) {
        // The row is already clipped: the loops below write every pixel from `from` to `to`
        // without further checks, reading the payload from the first visible pixel on.
        std::uint16_t* dst = line + from;
        const int n = to - from;
        switch (op) {
          case 1:
            copyPixels(dst, src + 2 * static_cast<std::size_t>(from - col), n);
            break;
          case 2:
            src += 4 * static_cast<std::size_t>(from - col);
            for (std::uint16_t* end = dst + n; dst != end; ++dst, src += 4)
              BlendPixel(*dst, readLe16(src), readLe16(src + 2));
            break;
          case 3: {
            const std::uint16_t colour = readLe16(src);
            const int alpha = readLe16(src + 2);
            for (std::uint16_t* end = dst + n; dst != end; ++dst)
              BlendPixel(*dst, colour, alpha);
            break;
          }
          case 4:
            std::fill(dst, dst + n, readLe16(src));
            break;
          default:
            break;  // skip
        }
      }
      col += count;
    }
  }
}

}  // namespace gfx
