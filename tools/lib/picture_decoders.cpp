#include "lib/picture_decoders.h"

#include <string>

#include "gfx/images/byte_reader.h"
#include "gfx/images/palette_picture.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"

namespace tools {
namespace {

std::uint32_t argb(std::uint16_t colour, std::uint32_t alpha5) {
  return (alphaFrom5(alpha5 > 31 ? 31 : alpha5) << 24) | rgbFrom565(colour);
}

util::Error refused(std::string_view name) {
  return util::makeError(util::ErrorCode::Malformed,
                         "malformed picture data: " + std::string(name));
}

// The run stream of a loaded StreamPicture (validated by its loader) as pixels.
ArgbImage decodeStream(const gfx::StreamPicture& picture) {
  ArgbImage out(picture.width(), picture.height());
  const std::span<const std::byte> s = picture.stream();
  std::size_t at = 4;
  for (int y = 0; y < out.height; ++y) {
    int x = 0;
    for (;;) {
      const std::uint16_t word = gfx::readLe16(s, at);
      at += 2;
      const int n = word >> 8;
      if (n == 0) break;
      for (int k = 0; k < n; ++k, ++x) {
        std::uint32_t p = 0;
        switch (word & 0xFF) {
          case 1:
            p = argb(gfx::readLe16(s, at + 2 * k), 31);
            break;
          case 2:
            p = argb(gfx::readLe16(s, at + 4 * k), gfx::readLe16(s, at + 4 * k + 2));
            break;
          case 3:
            p = argb(gfx::readLe16(s, at), gfx::readLe16(s, at + 2));
            break;
          case 4:
            p = argb(gfx::readLe16(s, at), 31);
            break;
          default:
            break;
        }
        if (x < out.width && p >> 24 != 0) out.at(x, y) = p;
      }
      switch (word & 0xFF) {
        case 1:
          at += 2 * static_cast<std::size_t>(n);
          break;
        case 2:
          at += 4 * static_cast<std::size_t>(n);
          break;
        case 3:
          at += 4;
          break;
        case 4:
          at += 2;
          break;
        default:
          break;
      }
    }
  }
  return out;
}

// .cmb rows read straight from the file (the RowPicture loader has validated the layout).
util::Result<ArgbImage> decodeCmb(std::string_view name, std::span<const std::byte> bytes) {
  gfx::RowPicture check;
  if (!check.LoadBytes(name, bytes)) return refused(name);
  gfx::ByteReader in(bytes);
  std::uint16_t w = 0, h = 0, count = 0;
  std::uint8_t bits = 0, unused = 0;
  in.u16(w);
  in.u16(h);
  in.u8(bits);
  in.u8(unused);
  in.u16(count);
  std::vector<std::uint16_t> palette(count);
  for (auto& c : palette)
    in.u16(c);
  std::vector<std::uint32_t> offsets(static_cast<std::size_t>(h) + 1);
  for (auto& o : offsets)
    in.u32(o);
  const std::size_t area = in.pos();
  const bool eight = bits == 8;
  ArgbImage out(w, h);
  for (int y = 0; y < h; ++y) {
    std::size_t at = area + offsets[static_cast<std::size_t>(y)];
    const std::size_t end = area + offsets[static_cast<std::size_t>(y) + 1];
    auto byte = [&](std::size_t i) { return i < end ? static_cast<std::uint8_t>(bytes[i]) : 0u; };
    int x = 0;
    auto put = [&](unsigned index, std::uint32_t alpha5) {
      if (x < w && index < palette.size() && alpha5 > 0)
        out.at(x, y) = argb(palette[index], alpha5);
      ++x;
    };
    while (at < end) {
      const std::uint8_t op = byte(at++);
      if (op == 0) break;
      const int n = op & 0x1F;
      switch (op & 0xE0) {
        case 0x00:
          x += n;
          break;
        case 0x20:
          for (int k = 0; k < n; ++k) {
            put(eight ? byte(at + k)
                      : (k % 2 == 0 ? byte(at + k / 2) & 0x0F : byte(at + k / 2) >> 4),
                31);
          }
          at += eight ? n : (n + 1) / 2;
          break;
        case 0x40:
          for (int k = 0; k < n; ++k) {
            if (eight)
              put(byte(at + 2 * k), byte(at + 2 * k + 1));
            else
              put(byte(at + k) & 0x0F, (byte(at + k) >> 4) * 2);
          }
          at += eight ? 2 * static_cast<std::size_t>(n) : n;
          break;
        case 0x60: {
          const unsigned index = byte(at++);
          for (int k = 0; k < n; ++k)
            put(index, 31);
          break;
        }
        case 0x80: {
          const unsigned index = eight ? byte(at) : byte(at) & 0x0F;
          const unsigned alpha = eight ? byte(at + 1) : (byte(at) >> 4) * 2;
          at += eight ? 2 : 1;
          for (int k = 0; k < n; ++k)
            put(index, alpha);
          break;
        }
        default:
          at = end;
          break;
      }
    }
  }
  return out;
}

}  // namespace

util::Result<ArgbImage> decodePicture(std::string_view name, std::span<const std::byte> bytes) {
  if (name.find(".espr") != std::string_view::npos || name.find(".sft") != std::string_view::npos) {
    gfx::StreamPicture picture;
    if (!picture.LoadBytes(name, bytes)) return refused(name);
    return decodeStream(picture);
  }
  if (name.find(".cmb") != std::string_view::npos) return decodeCmb(name, bytes);
  if (name.find(".spr") != std::string_view::npos || name.find(".tga") != std::string_view::npos) {
    gfx::PalettePicture picture;
    if (!picture.LoadBytes(name, bytes)) return refused(name);
    gfx::SurfaceBuffer buffer(picture.width(), picture.height());
    picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
    ArgbImage out(picture.width(), picture.height());
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
      out.pixels[i] = 0xFF000000u | rgbFrom565(buffer.pixels()[i]);
    }
    return out;
  }
  return util::makeError(util::ErrorCode::Unsupported, "not a picture kind: " + std::string(name));
}

}  // namespace tools
