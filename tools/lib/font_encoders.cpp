#include "lib/font_encoders.h"

#include <string>

#include "lib/byte_writer.h"
#include "lib/picture_encoders.h"

namespace tools {
namespace {

util::Error unsupported(std::string message) {
  return util::makeError(util::ErrorCode::Unsupported, std::move(message));
}

// Longest run one .font row byte holds: six bits of count.
constexpr int kMaxMaskRun = 63;

// One .font row: skips, single blended pixels and runs of full weight, then a zero byte. A row
// that ends in clear pixels stops before them.
void encodeMaskRow(const MaskGlyph& glyph, int y, std::vector<std::byte>& out) {
  const std::uint8_t* row = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
  const auto weight = [&](int x) { return (row[x] * 31 + 127) / 255; };
  int x = 0;
  while (x < glyph.width) {
    const int w = weight(x);
    int run = 1;
    if (w == 0) {
      while (x + run < glyph.width && weight(x + run) == 0 && run < kMaxMaskRun)
        ++run;
      if (x + run >= glyph.width) break;  // nothing more to draw on this row
      out.push_back(static_cast<std::byte>(run));
    } else if (w >= 31) {
      while (x + run < glyph.width && weight(x + run) >= 31 && run < kMaxMaskRun)
        ++run;
      out.push_back(static_cast<std::byte>(0xC0 | run));
    } else {
      out.push_back(static_cast<std::byte>(0x40 | w));
    }
    x += run;
  }
  out.push_back(std::byte{0});
}

}  // namespace

util::Result<std::vector<std::byte>> encodeColorFont(std::string_view name, int height,
                                                     int firstCode,
                                                     const std::vector<ArgbImage>& glyphs) {
  if (name.size() > 15) return unsupported("font name longer than 15 characters");
  if (height < 1 || height > 0xFFFF) return unsupported("font height must be 1 to 65535");
  const int lastCode = firstCode + static_cast<int>(glyphs.size()) - 1;
  if (glyphs.empty() || firstCode < 0 || lastCode > 255)
    return unsupported("font codes must lie within 0..255");
  std::vector<std::byte> out(16, std::byte{0});
  for (std::size_t i = 0; i < name.size(); ++i)
    out[i] = static_cast<std::byte>(name[i]);
  AppendLe(out, static_cast<unsigned>(height), 2);
  AppendLe(out, static_cast<unsigned>(firstCode), 2);
  AppendLe(out, static_cast<unsigned>(lastCode), 2);
  const std::size_t records = out.size();
  out.resize(records + 4 * glyphs.size(), std::byte{0});
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const ArgbImage& glyph = glyphs[i];
    const std::string code = std::to_string(firstCode + static_cast<int>(i));
    if (glyph.width == 0) continue;
    if (glyph.width < 0 || glyph.width > 127)
      return unsupported("glyph " + code + " is wider than 127 pixels");
    if (glyph.height != height) return unsupported("glyph " + code + " is not as tall as the font");
    const std::size_t offset = out.size();
    if (offset > 0xFFFFFF) return unsupported("font larger than 16 MiB");
    const std::vector<std::byte> rows = encodeRunStreamRows(glyph);
    out.insert(out.end(), rows.begin(), rows.end());
    const std::size_t at = records + 4 * i;
    out[at] = static_cast<std::byte>(offset & 0xFF);
    out[at + 1] = static_cast<std::byte>((offset >> 8) & 0xFF);
    out[at + 2] = static_cast<std::byte>((offset >> 16) & 0xFF);
    out[at + 3] = static_cast<std::byte>(glyph.width);
  }
  return out;
}

util::Result<std::vector<std::byte>> encodeMaskFont(const std::vector<MaskGlyph>& glyphs) {
  constexpr std::size_t kCodes = 224;
  if (glyphs.size() > kCodes) return unsupported(".font holds at most 224 glyphs");
  std::vector<std::byte> out(kCodes * 8, std::byte{0});
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const MaskGlyph& glyph = glyphs[i];
    const std::string code = std::to_string(32 + i);
    if (glyph.width < 0 || glyph.height < 0 || glyph.width > 0xFFFF || glyph.height > 0xFFFF)
      return unsupported("glyph " + code + " is larger than 65535 pixels");
    if (glyph.coverage.size() != static_cast<std::size_t>(glyph.width) * glyph.height)
      return unsupported("glyph " + code + " has the wrong number of coverage values");
    if (glyph.width == 0) continue;
    if (out.size() > 0xFFFFFFFFu) return unsupported("font larger than 4 GiB");
    const std::size_t at = i * 8;
    const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
    WriteLeAt(out, at, offset & 0xFFFF, 2);
    WriteLeAt(out, at + 2, offset >> 16, 2);
    WriteLeAt(out, at + 4, static_cast<unsigned>(glyph.width), 2);
    WriteLeAt(out, at + 6, static_cast<unsigned>(glyph.height), 2);
    for (int y = 0; y < glyph.height; ++y)
      encodeMaskRow(glyph, y, out);
  }
  return out;
}

}  // namespace tools
