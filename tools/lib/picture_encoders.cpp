#include "lib/picture_encoders.h"

#include <algorithm>
#include <unordered_map>

#include "gfx/color.h"
#include "lib/byte_writer.h"

namespace tools {
namespace {

constexpr int kMaxRun = 251;

std::uint16_t colourOf(std::uint32_t p) {
  return gfx::Rgb565From24(p & 0xFFFFFF);
}
unsigned alphaOf(std::uint32_t p) {
  return (p >> 24) >> 3;
}
bool invisible(std::uint32_t p) {
  return (p >> 24) < 8;
}

util::Error tooLarge(const char* what) {
  return util::makeError(util::ErrorCode::Unsupported, what);
}

// Palette of the picture's RGB565 colours in order of first use.
util::Result<std::vector<std::uint16_t>> buildPalette(const ArgbImage& image, std::size_t limit,
                                                      bool skipInvisible) {
  std::vector<std::uint16_t> palette;
  std::unordered_map<std::uint16_t, std::size_t> seen;
  for (std::uint32_t p : image.pixels) {
    if (skipInvisible && invisible(p)) continue;
    const std::uint16_t c = colourOf(p);
    if (seen.emplace(c, palette.size()).second) palette.push_back(c);
  }
  if (palette.size() > limit) {
    return util::makeError(util::ErrorCode::Unsupported, std::to_string(palette.size()) +
                                                             " colours do not fit a palette of " +
                                                             std::to_string(limit));
  }
  return palette;
}

std::size_t indexOf(const std::vector<std::uint16_t>& palette, std::uint16_t c) {
  return static_cast<std::size_t>(std::find(palette.begin(), palette.end(), c) - palette.begin());
}

}  // namespace

std::vector<std::byte> encodeRunStreamRows(const ArgbImage& image) {
  std::vector<std::byte> out;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
    const int w = image.width;
    int i = 0;
    while (i < w) {
      int n = 1;
      if (invisible(row[i])) {
        while (i + n < w && n < kMaxRun && invisible(row[i + n]))
          ++n;
        AppendLe(out, static_cast<unsigned>(n << 8) | 0, 2);
        i += n;
        continue;
      }
      const std::uint16_t c = colourOf(row[i]);
      const unsigned a = alphaOf(row[i]);
      while (i + n < w && n < kMaxRun && !invisible(row[i + n]) && colourOf(row[i + n]) == c &&
             alphaOf(row[i + n]) == a) {
        ++n;
      }
      if (n >= 2) {
        if (a == 31) {
          AppendLe(out, static_cast<unsigned>(n << 8) | 4, 2);
          AppendLe(out, c, 2);
        } else {
          AppendLe(out, static_cast<unsigned>(n << 8) | 3, 2);
          AppendLe(out, c, 2);
          AppendLe(out, a, 2);
        }
        i += n;
        continue;
      }
      // Literals: the same kind (opaque, or translucent but visible), each unlike its predecessor.
      const bool opaque = a == 31;
      n = 1;
      while (i + n < w && n < kMaxRun && !invisible(row[i + n]) &&
             (alphaOf(row[i + n]) == 31) == opaque &&
             (colourOf(row[i + n]) != colourOf(row[i + n - 1]) ||
              alphaOf(row[i + n]) != alphaOf(row[i + n - 1]))) {
        ++n;
      }
      AppendLe(out, static_cast<unsigned>(n << 8) | (opaque ? 1 : 2), 2);
      for (int k = 0; k < n; ++k) {
        AppendLe(out, colourOf(row[i + k]), 2);
        if (!opaque) AppendLe(out, alphaOf(row[i + k]), 2);
      }
      i += n;
    }
    AppendLe(out, 0, 2);
  }
  return out;
}

util::Result<std::vector<std::byte>> encodeEspr(const ArgbImage& image) {
  if (image.width > 0xFFFF || image.height > 0xFFFF) return tooLarge("picture too large for .espr");
  std::vector<std::byte> out = encodeRunStreamRows(image);
  std::vector<std::byte> header;
  AppendLe(header, static_cast<unsigned>(image.width), 2);
  AppendLe(header, static_cast<unsigned>(image.height), 2);
  out.insert(out.begin(), header.begin(), header.end());
  return out;
}

util::Result<std::vector<std::byte>> encodeSft(const ArgbImage& image) {
  if (image.width > 255 || image.height > 0xFFFF) {
    return tooLarge(".sft pictures are at most 255 pixels wide");
  }
  std::vector<std::byte> out;
  AppendLe(out, static_cast<unsigned>(image.width), 2);
  AppendLe(out, static_cast<unsigned>(image.height), 2);
  for (std::uint32_t p : image.pixels)
    AppendLe(out, p, 4);
  return out;
}

util::Result<std::vector<std::byte>> encodeSpr(const ArgbImage& image, int bits, bool runLength) {
  if (bits != 4 && bits != 8 && bits != 16) {
    return util::makeError(util::ErrorCode::Unsupported, ".spr takes 4, 8 or 16 bits");
  }
  if (image.width > 0xFFFF || image.height > 0xFFFF) return tooLarge("picture too large for .spr");
  std::vector<std::uint16_t> palette;
  if (bits != 16) {
    auto built = buildPalette(image, bits == 4 ? 16 : 256, false);
    if (!built) return built.error();
    palette = *built;
    palette.resize(bits == 4 ? 16 : 256, 0);
  }
  std::vector<std::byte> out;
  AppendLe(out, static_cast<unsigned>(image.width), 2);
  AppendLe(out, static_cast<unsigned>(image.height), 2);
  AppendLe(out, static_cast<unsigned>(bits), 1);
  AppendLe(out, runLength ? 1 : 0, 1);
  for (std::uint16_t c : palette)
    AppendLe(out, c, 2);
  const std::size_t dataStart = out.size();
  const int w = image.width;
  for (int y = 0; y < image.height; ++y) {
    std::vector<unsigned> values(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) {
      const std::uint16_t c = colourOf(image.at(x, y));
      values[static_cast<std::size_t>(x)] =
          bits == 16 ? c : static_cast<unsigned>(indexOf(palette, c));
    }
    if (!runLength) {
      const std::size_t rowStart = out.size();
      if (bits == 4) {
        for (int x = 0; x < w; x += 2) {
          const unsigned hi = values[static_cast<std::size_t>(x)];
          const unsigned lo = x + 1 < w ? values[static_cast<std::size_t>(x) + 1] : 0;
          AppendLe(out, (hi << 4) | lo, 1);
        }
        while ((out.size() - rowStart) < static_cast<std::size_t>((w + 3) / 4) * 2)
          AppendLe(out, 0, 1);
      } else if (bits == 8) {
        for (unsigned v : values)
          AppendLe(out, v, 1);
        if (w % 2 != 0) AppendLe(out, 0, 1);
      } else {
        for (unsigned v : values)
          AppendLe(out, v, 2);
      }
      continue;
    }
    const std::size_t rowStart = out.size();
    if (bits == 4) {
      for (int x = 0; x < w;) {
        int n = 1;
        while (x + n < w && n < 15 &&
               values[static_cast<std::size_t>(x + n)] == values[static_cast<std::size_t>(x)])
          ++n;
        AppendLe(out, (static_cast<unsigned>(n) << 4) | values[static_cast<std::size_t>(x)], 1);
        x += n;
      }
      AppendLe(out, 0, 1);
      if ((out.size() - rowStart) % 2 != 0) AppendLe(out, 0, 1);
      continue;
    }
    auto putPixel = [&](unsigned v) { AppendLe(out, v, bits == 8 ? 1 : 2); };
    for (int x = 0; x < w;) {
      int n = 1;
      while (x + n < w && n < 127 &&
             values[static_cast<std::size_t>(x + n)] == values[static_cast<std::size_t>(x)])
        ++n;
      if (n >= 2) {
        AppendLe(out, 0x80u | static_cast<unsigned>(n), 1);
        putPixel(values[static_cast<std::size_t>(x)]);
        x += n;
        continue;
      }
      // Literals until the next pair of equal pixels starts a run.
      n = 1;
      while (x + n < w && n < 127 &&
             !(x + n + 1 < w && values[static_cast<std::size_t>(x + n)] ==
                                    values[static_cast<std::size_t>(x + n + 1)])) {
        ++n;
      }
      AppendLe(out, static_cast<unsigned>(n), 1);
      for (int k = 0; k < n; ++k)
        putPixel(values[static_cast<std::size_t>(x + k)]);
      x += n;
    }
    AppendLe(out, 0, 1);
    // Keep rows word-aligned; the reader skips one zero byte after a row's end.
    if ((out.size() - dataStart) % 2 != 0) AppendLe(out, 0, 1);
  }
  return out;
}

util::Result<std::vector<std::byte>> encodeCmb(const ArgbImage& image, int bits) {
  if (bits != 4 && bits != 8)
    return util::makeError(util::ErrorCode::Unsupported, ".cmb takes 4 or 8 bits");
  if (image.width > 0xFFFF || image.height > 0xFFFF) return tooLarge("picture too large for .cmb");
  auto built = buildPalette(image, bits == 4 ? 16 : 256, true);
  if (!built) return built.error();
  const std::vector<std::uint16_t>& palette = *built;
  const bool eight = bits == 8;
  // Alpha as the format can hold it: 0..31 at 8 bits, even steps (nibble * 2) at 4 bits.
  auto alphaCode = [&](std::uint32_t p) { return eight ? alphaOf(p) : alphaOf(p) / 2; };
  auto opaque = [&](std::uint32_t p) { return alphaOf(p) == 31; };
  std::vector<std::vector<std::uint8_t>> rows;
  for (int y = 0; y < image.height; ++y) {
    std::vector<std::uint8_t> row;
    const int w = image.width;
    auto px = [&](int x) { return image.at(x, y); };
    auto idx = [&](int x) { return static_cast<std::uint8_t>(indexOf(palette, colourOf(px(x)))); };
    auto same = [&](int a, int b) {
      return idx(a) == idx(b) && opaque(px(a)) == opaque(px(b)) &&
             (opaque(px(a)) || alphaCode(px(a)) == alphaCode(px(b)));
    };
    for (int x = 0; x < w;) {
      int n = 1;
      if (invisible(px(x))) {
        while (x + n < w && n < 31 && invisible(px(x + n)))
          ++n;
        row.push_back(static_cast<std::uint8_t>(n));
        x += n;
        continue;
      }
      while (x + n < w && n < 31 && !invisible(px(x + n)) && same(x, x + n))
        ++n;
      if (n >= 2) {
        if (opaque(px(x))) {
          row.push_back(static_cast<std::uint8_t>(0x60 | n));
          row.push_back(idx(x));
        } else if (eight) {
          row.push_back(static_cast<std::uint8_t>(0x80 | n));
          row.push_back(idx(x));
          row.push_back(static_cast<std::uint8_t>(alphaCode(px(x))));
        } else {
          row.push_back(static_cast<std::uint8_t>(0x80 | n));
          row.push_back(static_cast<std::uint8_t>((alphaCode(px(x)) << 4) | idx(x)));
        }
        x += n;
        continue;
      }
      const bool isOpaque = opaque(px(x));
      n = 1;
      while (x + n < w && n < 31 && !invisible(px(x + n)) && opaque(px(x + n)) == isOpaque &&
             !same(x + n - 1, x + n)) {
        ++n;
      }
      if (isOpaque) {
        row.push_back(static_cast<std::uint8_t>(0x20 | n));
        if (eight) {
          for (int k = 0; k < n; ++k)
            row.push_back(idx(x + k));
        } else {
          for (int k = 0; k < n; k += 2) {
            const unsigned lo = idx(x + k), hi = k + 1 < n ? idx(x + k + 1) : 0;
            row.push_back(static_cast<std::uint8_t>((hi << 4) | lo));
          }
        }
      } else {
        row.push_back(static_cast<std::uint8_t>(0x40 | n));
        for (int k = 0; k < n; ++k) {
          if (eight) {
            row.push_back(idx(x + k));
            row.push_back(static_cast<std::uint8_t>(alphaCode(px(x + k))));
          } else {
            row.push_back(static_cast<std::uint8_t>((alphaCode(px(x + k)) << 4) | idx(x + k)));
          }
        }
      }
      x += n;
    }
    row.push_back(0);
    rows.push_back(std::move(row));
  }
  std::vector<std::byte> out;
  AppendLe(out, static_cast<unsigned>(image.width), 2);
  AppendLe(out, static_cast<unsigned>(image.height), 2);
  AppendLe(out, static_cast<unsigned>(bits), 1);
  AppendLe(out, 0, 1);
  AppendLe(out, static_cast<unsigned>(palette.size()), 2);
  for (std::uint16_t c : palette)
    AppendLe(out, c, 2);
  std::uint32_t offset = 0;
  AppendLe(out, 0, 4);
  for (const auto& row : rows) {
    offset += static_cast<std::uint32_t>(row.size());
    AppendLe(out, offset, 4);
  }
  for (const auto& row : rows) {
    for (std::uint8_t b : row)
      AppendLe(out, b, 1);
  }
  return out;
}

util::Result<std::vector<std::byte>> encodeTga(const ArgbImage& image, int bits) {
  if (bits != 16 && bits != 24 && bits != 32) {
    return util::makeError(util::ErrorCode::Unsupported, ".tga takes 16, 24 or 32 bits");
  }
  if (image.width > 0xFFFF || image.height > 0xFFFF) return tooLarge("picture too large for .tga");
  std::vector<std::byte> out;
  AppendLe(out, 0, 1);  // no image ID
  AppendLe(out, 0, 1);  // no colour map
  AppendLe(out, 2, 1);  // uncompressed true colour
  for (int i = 0; i < 5; ++i)
    AppendLe(out, 0, 1);
  AppendLe(out, 0, 2);
  AppendLe(out, 0, 2);
  AppendLe(out, static_cast<unsigned>(image.width), 2);
  AppendLe(out, static_cast<unsigned>(image.height), 2);
  AppendLe(out, static_cast<unsigned>(bits), 1);
  AppendLe(out, bits == 32 ? 8 : 0, 1);  // alpha bits; origin bottom-left
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (bits == 16) {
        AppendLe(out, 0x8000u | ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3), 2);
      } else {
        AppendLe(out, b, 1);
        AppendLe(out, g, 1);
        AppendLe(out, r, 1);
        if (bits == 32) AppendLe(out, p >> 24, 1);
      }
    }
  }
  return out;
}

std::vector<std::byte> encodeAspr(int frameMs, const std::vector<std::string>& frameNames) {
  std::string text = std::to_string(frameNames.size()) + "," + std::to_string(frameMs) + "\r\n";
  for (const std::string& name : frameNames)
    text += name + "\r\n";
  std::vector<std::byte> out;
  for (char c : text)
    out.push_back(static_cast<std::byte>(c));
  return out;
}

}  // namespace tools
