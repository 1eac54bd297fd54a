// Both font formats: the first byte picks .cfn or .font, the rest is the file. A font that
// loads is measured and draws every character, clipped at the edges of a small surface.
#include <string>

#include "fuzz_target.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/surface.h"
#include "lib/font_render.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data + 1), size - 1);
  gfx::ColorFont colour;
  gfx::MaskFont mask;
  gfx::Font& font = (data[0] & 1) ? static_cast<gfx::Font&>(mask) : colour;
  if (!font.Attach(bytes)) return 0;
  std::string all;
  for (int c = 1; c < 256; ++c)
    all.push_back(static_cast<char>(c));
  gfx::SurfaceBuffer buffer(40, 24);
  const gfx::Box clip{2, 2, 30, 18};
  font.TextWidth(all);
  font.TextHeight(all);
  font.DrawText(buffer.surface(), -7, -3, all, 0xFFFF, nullptr);
  font.DrawText(buffer.surface(), 5, 10, all, 0x1234, &clip);
  font.DrawText(buffer.surface(), 35, 20, all.substr(0, 10), 0x1234, nullptr);
  return 0;
}

// Small fonts rendered from DejaVu: a .cfn with gradient, outline and shadow and a .font of
// masks, each over a short code range so the mutations reach every part of the file quickly.
std::vector<std::string> QvFuzzSeeds() {
  const std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  std::vector<std::string> seeds;
  tools::FontRenderOptions options;
  options.pixels = 8;
  options.firstCode = 32;
  options.lastCode = 40;
  options.name = "seed";
  options.style.fill2 = 0xFF0080FF;
  options.style.outlineWidth = 1;
  options.style.shadowOffset = 1;
  if (auto colour = tools::renderColorFont(font, options))
    seeds.push_back(std::string(1, '\0') + qvfuzz::bytesToString(*colour));
  options.firstCode = 0xE0;
  options.lastCode = 0xE9;  // Latin-1 letters at the end of the table
  options.style = {};
  if (auto plain = tools::renderColorFont(font, options))
    seeds.push_back(std::string(1, '\0') + qvfuzz::bytesToString(*plain));
  options.firstCode = 32;
  options.lastCode = 60;
  if (auto mask = tools::renderMaskFont(font, options))
    seeds.push_back(std::string(1, '\1') + qvfuzz::bytesToString(*mask));
  return seeds;
}
