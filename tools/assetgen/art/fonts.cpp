// The seven fonts the program loads at start-up, rendered from DejaVu.
#include "assetgen/art/art_output.h"
#include "lib/font_render.h"

namespace assetgen {
namespace {

const std::string kDir = "/usr/share/fonts/truetype/dejavu/";

struct FontSpec {
  const char* entry;
  const char* face;
  int pixels;
  std::uint32_t fill, fill2, outline;
  int outlineWidth, shadowOffset;
};

// Menus: white on blue, the active one gold; small: white with a dark edge for any
// background; high scores gold; experience green, active red.
const FontSpec kColourFonts[] = {
    {"fonts_menu.cfn", "DejaVuSans-Bold.ttf", 14, 0xFFFFFFFF, 0xFFC8DCF8, 0xFF142340, 1, 1},
    {"fonts_menua.cfn", "DejaVuSans-Bold.ttf", 14, 0xFFFFF27A, 0xFFF0A020, 0xFF3A1E00, 1, 1},
    {"fmsmall.cfn", "DejaVuSansCondensed.ttf", 10, 0xFFFFFFFF, 0, 0xFF142340, 1, 0},
    {"hiscores.cfn", "DejaVuSans-Bold.ttf", 13, 0xFFFFE680, 0xFFE0A030, 0xFF3A1E00, 1, 0},
    {"hiscoresf.cfn", "DejaVuSans-Bold.ttf", 9, 0xFFFFE680, 0xFFE0A030, 0xFF3A1E00, 1, 0},
    {"experien.cfn", "DejaVuSans-Bold.ttf", 10, 0xFFB8F5B0, 0, 0xFF14401C, 1, 0},
    {"experiena.cfn", "DejaVuSans-Bold.ttf", 10, 0xFFFFD0C0, 0, 0xFF601010, 1, 0},
};

}  // namespace

void RenderFonts(ArtOutput& out) {
  for (const FontSpec& spec : kColourFonts) {
    tools::FontRenderOptions options;
    options.pixels = spec.pixels * out.scale();
    options.firstCode = 32;
    options.lastCode = 255;
    std::string name = spec.entry;
    options.name = name.substr(0, name.find('.'));
    options.style.fill = spec.fill;
    options.style.fill2 = spec.fill2;
    options.style.outline = spec.outline;
    options.style.outlineWidth = spec.outlineWidth * out.scale();
    options.style.shadowOffset = spec.shadowOffset * out.scale();
    options.style.shadow = 0x70000000;
    auto font = tools::renderColorFont(kDir + spec.face, options);
    if (!font) {
      out.fail(name + ": " + font.error().message);
      continue;
    }
    out.add(name, std::move(*font));
  }
  // A plain font for texts drawn in any colour (its glyphs are coverage masks).
  tools::FontRenderOptions plain;
  plain.pixels = 11 * out.scale();
  plain.firstCode = 32;
  plain.lastCode = 255;
  plain.name = "fmplain";
  auto font = tools::renderMaskFont(kDir + "DejaVuSans.ttf", plain);
  if (!font)
    out.fail("fmplain.font: " + font.error().message);
  else
    out.add("fmplain.font", std::move(*font));
}

}  // namespace assetgen
