#include <fstream>

#include "assetgen/art/art.h"
#include "assetgen/art/art_output.h"

namespace assetgen {

ArtOutput DrawAllArt(int scale) {
  ArtOutput out(scale);
  DrawGoos(out);
  DrawSky(out);
  DrawOptions(out);
  DrawKeyboard(out);
  DrawToolbar(out);
  DrawMenus(out);
  DrawLogo(out);
  RenderFonts(out);
  return out;
}

bool WriteArt(const std::filesystem::path& outDir, int scale, std::ostream& errors) {
  const ArtOutput art = DrawAllArt(scale);
  bool ok = art.errors().empty();
  for (const std::string& error : art.errors())
    errors << "assetgen: " << error << "\n";
  for (const auto& [name, bytes] : art.entries()) {
    std::ofstream file(outDir / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
      errors << "assetgen: cannot write " << (outDir / name).string() << "\n";
      ok = false;
    }
  }
  return ok;
}

}  // namespace assetgen
