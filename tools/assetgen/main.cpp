// assetgen OUTDIR [--scale 1|2] [--art-only]: writes every generated entry of graphics.dat into
// OUTDIR; with --art-only the pictures and fonts alone (the sounds are the same at both scales).
// assetgen --icon FILE.png: writes the application icon (64 x 64) instead.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "assetgen/art/art.h"
#include "assetgen/sound/sounds.h"
#include "lib/png_io.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--icon") == 0) {
    const util::Status written = tools::writePng(argv[2], assetgen::DrawIcon(64));
    if (!written) std::cerr << "assetgen: " << argv[2] << ": " << written.error().message << "\n";
    return written ? 0 : 1;
  }
  std::filesystem::path outDir;
  int scale = 1;
  bool artOnly = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
      const std::string value = argv[++i];
      if (value != "1" && value != "2") {
        std::cerr << "assetgen: --scale takes 1 or 2, not '" << value << "'\n";
        return 2;
      }
      scale = value == "2" ? 2 : 1;
    } else if (std::strcmp(argv[i], "--art-only") == 0) {
      artOnly = true;
    } else if (outDir.empty() && argv[i][0] != '-') {
      outDir = argv[i];
    } else {
      std::cerr << "usage: assetgen OUTDIR [--scale 1|2] [--art-only]\n";
      return 2;
    }
  }
  if (outDir.empty()) {
    std::cerr << "usage: assetgen OUTDIR [--scale 1|2] [--art-only]\n";
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(outDir, error);
  if (error) {
    std::cerr << "assetgen: cannot create " << outDir.string() << ": " << error.message() << "\n";
    return 1;
  }
  const bool art = assetgen::WriteArt(outDir, scale, std::cerr);
  const bool sounds = artOnly || assetgen::WriteSounds(outDir, std::cerr);
  return art && sounds ? 0 : 1;
}
