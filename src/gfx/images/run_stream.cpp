#include "gfx/images/run_stream.h"

#include <algorithm>

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

void drawRunStream(Surface& surface, int x, int y, int width, int rowCount,
                   std::span<const std::byte> bytes, std::size_t pos, const Box* clip) {
  DrawRegion region;
  if (!computeDrawRegion(surface, x, y, width, rowCount, clip, region)) return;
  ByteReader in(bytes, pos);
  for (int row = 0; row < rowCount; ++row) {
    const int py = y + row;
    if (py >= region.bottom) return;
    const bool drawRow = py >= region.top;
    std::uint16_t* line = drawRow ? surface.pixels + py * surface.width : nullptr;
    int col = x;
    for (;;) {
      std::uint16_t word = 0;
      if (!in.u16(word)) return;
      const int count = word >> 8;
      if (count == 0) break;
      const std::uint8_t op = static_cast<std::uint8_t>(word & 0xFF);
      bool known = false;
      const std::size_t payload = payloadBytes(op, static_cast<std::size_t>(count), known);
      if (!known || in.remaining() < payload) return;
      const std::size_t at = in.pos();
      in.skip(payload);
      const int from = std::max(col, region.left);
      const int to = std::min(col + count, region.right);
      if (drawRow && from < to) {
        switch (op) {
          case 1:
            for (int px = from; px < to; ++px) {
              line[px] = readLe16(bytes, at + 2 * static_cast<std::size_t>(px - col));
            }
            break;
          case 2:
            for (int px = from; px < to; ++px) {
              const std::size_t p = at + 4 * static_cast<std::size_t>(px - col);
              BlendPixel(line[px], readLe16(bytes, p), readLe16(bytes, p + 2));
            }
            break;
          case 3: {
            const std::uint16_t colour = readLe16(bytes, at);
            const int alpha = readLe16(bytes, at + 2);
            for (int px = from; px < to; ++px)
              BlendPixel(line[px], colour, alpha);
            break;
          }
          case 4:
            std::fill(line + from, line + to, readLe16(bytes, at));
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
