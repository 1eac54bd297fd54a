#include "lib/font_render.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "lib/argb_image.h"
#include "lib/font_encoders.h"

namespace tools {
namespace {

// One glyph's coverage, 0..255 a pixel, placed in its cell.
struct Coverage {
  int width = 0;  // the advance
  int height = 0;
  std::vector<std::uint8_t> values;
  std::uint8_t at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return values[static_cast<std::size_t>(y) * width + x];
  }
};

class Face {
 public:
  ~Face() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  util::Status open(const std::string& path, int pixels) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
      return util::makeError(util::ErrorCode::NotFound, path + ": no such font file");
    if (FT_Init_FreeType(&library_) != 0)
      return util::makeError(util::ErrorCode::Io, "FreeType did not start");
    if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) {
      face_ = nullptr;
      return util::makeError(util::ErrorCode::Malformed, path + ": not a font FreeType reads");
    }
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) != 0)
      return util::makeError(util::ErrorCode::Unsupported,
                             path + ": no size of " + std::to_string(pixels) + " pixels");
    ascender_ = static_cast<int>(face_->size->metrics.ascender >> 6);
    descender_ = static_cast<int>(-(face_->size->metrics.descender >> 6));
    return {};
  }

  int ascender() const { return ascender_; }
  int descender() const { return descender_; }

  /// The glyph of code drawn with its origin at (padLeft, baseline) of a cell of the given
  /// height, extra columns added to its advance. An empty coverage when the face lacks it.
  Coverage render(int code, int padLeft, int baseline, int height, int extra) const {
    Coverage out;
    const FT_UInt index = FT_Get_Char_Index(face_, static_cast<FT_ULong>(code));
    if (index == 0 && code != 32) return out;
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) return out;
    if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0) return out;
    const FT_GlyphSlot slot = face_->glyph;
    out.width = static_cast<int>((slot->advance.x + 32) >> 6) + extra;
    out.height = height;
    out.values.assign(static_cast<std::size_t>(out.width) * height, 0);
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return out;
    const int left = padLeft + slot->bitmap_left, top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const int y = top + static_cast<int>(row);
      if (y < 0 || y >= height) continue;
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int x = left + static_cast<int>(col);
        if (x < 0 || x >= out.width) continue;
        out.values[static_cast<std::size_t>(y) * out.width + x] =
            bitmap.buffer[static_cast<std::ptrdiff_t>(row) * bitmap.pitch + col];
      }
    }
    return out;
  }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  int ascender_ = 0;
  int descender_ = 0;
};

util::Status checkOptions(const FontRenderOptions& o) {
  const auto bad = [](const std::string& what) {
    return util::makeError(util::ErrorCode::Unsupported, what);
  };
  if (o.pixels < 4 || o.pixels > 96) return bad("font size must be 4 to 96 pixels");
  if (o.firstCode < 32 || o.lastCode > 255 || o.firstCode > o.lastCode)
    return bad("character range must lie within 32..255");
  if (o.name.size() > 15) return bad("font name longer than 15 characters");
  if (o.style.outlineWidth < 0 || o.style.outlineWidth > 4) return bad("outline width 0..4");
  if (o.style.shadowOffset < 0 || o.style.shadowOffset > 4) return bad("shadow offset 0..4");
  return {};
}

// Straight-alpha "over": colour with its alpha scaled by coverage, onto dst.
std::uint32_t over(std::uint32_t dst, std::uint32_t colour, unsigned coverage) {
  const unsigned sa = ((colour >> 24) * coverage + 127) / 255;
  if (sa == 0) return dst;
  const unsigned da = dst >> 24;
  const unsigned oa = sa + (da * (255 - sa) + 127) / 255;
  if (oa == 0) return 0;
  std::uint32_t out = oa << 24;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned s = (colour >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
    const unsigned c = (s * sa + d * da * (255 - sa) / 255 + oa / 2) / oa;
    out |= std::min(c, 255u) << shift;
  }
  return out;
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, float t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 24; shift += 8) {
    const float x = static_cast<float>((a >> shift) & 0xFF),
                y = static_cast<float>((b >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(std::lround(x + (y - x) * t)) << shift;
  }
  return out;
}

// The coverage grown by radius pixels in every direction (a disc), for outlines.
Coverage dilate(const Coverage& in, int radius) {
  Coverage out = in;
  for (int y = 0; y < in.height; ++y)
    for (int x = 0; x < in.width; ++x) {
      unsigned best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          if (dx * dx + dy * dy > radius * radius + radius) continue;
          best = std::max<unsigned>(best, in.at(x + dx, y + dy));
        }
      out.values[static_cast<std::size_t>(y) * in.width + x] = static_cast<std::uint8_t>(best);
    }
  return out;
}

ArgbImage styleGlyph(const Coverage& letters, const FontStyle& style, int baselineTop,
                     int baselineBottom) {
  ArgbImage image(letters.width, letters.height, 0);
  const Coverage body = style.outlineWidth > 0 ? dilate(letters, style.outlineWidth) : letters;
  const int s = style.shadowOffset;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t p = 0;
      if (s > 0) p = over(p, style.shadow, body.at(x - s, y - s));
      if (style.outlineWidth > 0) p = over(p, style.outline, body.at(x, y));
      std::uint32_t fill = style.fill;
      if (style.fill2 != 0) {
        const int span = std::max(1, baselineBottom - baselineTop);
        const float t = std::clamp(static_cast<float>(y - baselineTop) / span, 0.0f, 1.0f);
        fill = mix(style.fill, style.fill2, t);
      }
      p = over(p, fill, letters.at(x, y));
      image.at(x, y) = p;
    }
  return image;
}

}  // namespace

util::Result<std::vector<std::byte>> renderColorFont(const std::string& fontPath,
                                                     const FontRenderOptions& options,
                                                     FontCell* cellOut) {
  if (util::Status ok = checkOptions(options); !ok) return ok.error();
  Face face;
  if (util::Status ok = face.open(fontPath, options.pixels); !ok) return ok.error();
  const FontStyle& style = options.style;
  const int pad = style.outlineWidth;
  const int baseline = pad + face.ascender();
  const int height = baseline + face.descender() + pad + style.shadowOffset;
  // One outline width on the left of each glyph; on the right the outline shares the glyph's
  // own side bearing, so letters keep their natural spacing.
  const int extra = pad + style.shadowOffset;

  std::vector<ArgbImage> glyphs;
  for (int code = options.firstCode; code <= options.lastCode; ++code) {
    const Coverage letters = face.render(code, pad, baseline, height, extra);
    if (letters.width <= 0) {
      glyphs.emplace_back();  // advance 0: nothing drawn
      continue;
    }
    if (letters.width > 127)
      return util::makeError(util::ErrorCode::Unsupported,
                             "glyph " + std::to_string(code) + " is wider than 127 pixels");
    glyphs.push_back(styleGlyph(letters, style, pad + 1, baseline));
  }
  auto out = encodeColorFont(options.name, height, options.firstCode, glyphs);
  if (out && cellOut != nullptr) *cellOut = FontCell{height, baseline};
  return out;
}

util::Result<std::vector<std::byte>> renderMaskFont(const std::string& fontPath,
                                                    const FontRenderOptions& options,
                                                    FontCell* cellOut) {
  if (util::Status ok = checkOptions(options); !ok) return ok.error();
  Face face;
  if (util::Status ok = face.open(fontPath, options.pixels); !ok) return ok.error();
  const int baseline = face.ascender();
  const int height = baseline + face.descender();
  std::vector<MaskGlyph> glyphs(static_cast<std::size_t>(options.lastCode - 31));
  for (int code = options.firstCode; code <= options.lastCode; ++code) {
    Coverage glyph = face.render(code, 0, baseline, height, 0);
    if (glyph.width <= 0) continue;
    glyphs[static_cast<std::size_t>(code - 32)] =
        MaskGlyph{glyph.width, glyph.height, std::move(glyph.values)};
  }
  auto out = encodeMaskFont(glyphs);
  if (out && cellOut != nullptr) *cellOut = FontCell{height, baseline};
  return out;
}

}  // namespace tools
