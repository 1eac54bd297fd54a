// qvtool convert IN OUT [--format FORMAT]: converts a picture between PNG and the game's picture
// formats (.espr .spr .cmb .sft .tga), each side chosen by its file's extension. FORMAT picks
// the encoding of a .spr, .cmb or .tga OUT (spr4 spr8 spr16 with an optional "rle" suffix, cmb4
// cmb8, tga16 tga24 tga32), as in a pack manifest. Exit status 0 when OUT is written, 1 with one
// line on standard error when reading, converting or writing fails, 2 for a usage error.
#include <cctype>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "lib/picture_by_extension.h"
#include "lib/picture_decoders.h"
#include "lib/png_io.h"
#include "platform/file.h"
#include "qvtool/verbs.h"

namespace qvtool {
namespace {

std::string extensionOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  for (char& c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "qvtool convert: %s\n", message.c_str());
  return 1;
}

// Refuses what convert can't take, with the reason; empty when path is a PNG or a picture.
std::string refusal(const std::string& path) {
  const std::string ext = extensionOf(path);
  if (ext == "aspr")
    return path + ": .aspr is a frame list, not a picture (convert its frames one by one)";
  if (ext != "png" && !tools::isPictureName(path))
    return path + ": not a picture name (use .png .espr .spr .cmb .sft .tga)";
  return {};
}

util::Result<tools::ArgbImage> readPicture(const std::string& path) {
  if (extensionOf(path) == "png") return tools::readPng(path);
  auto text = platform::readWholeFile(path);
  if (!text) return util::makeError(text.error().code, path + ": cannot read");
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(text->data()),
                                         text->size());
  // The decoder picks the kind from the name; give it only the extension, so folder names
  // such as "x.spr.d/" or upper-case extensions can't mislead it.
  auto image = tools::decodePicture("picture." + extensionOf(path), bytes);
  if (!image)
    return util::makeError(image.error().code,
                           path + ": not a valid ." + extensionOf(path) + " picture");
  return image;
}

}  // namespace

int runConvert(Args args) {
  std::vector<std::string> positional;
  std::string format;
  bool usage = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format" && i + 1 < args.size())
      format = std::string(args[++i]);
    else if (!args[i].empty() && args[i][0] != '-')
      positional.emplace_back(args[i]);
    else
      usage = true;
  }
  if (usage || positional.size() != 2) {
    std::fprintf(stderr, "usage: qvtool convert IN OUT [--format FORMAT]\n");
    return 2;
  }
  const std::string& in = positional[0];
  const std::string& out = positional[1];
  for (const std::string* path : {&in, &out}) {
    if (std::string why = refusal(*path); !why.empty()) return fail(why);
  }
  const bool toPng = extensionOf(out) == "png";
  if (toPng && !format.empty()) return fail("--format " + format + " does not apply to PNG files");

  auto image = readPicture(in);
  if (!image) return fail(image.error().message);
  auto bytes = toPng ? tools::encodePng(*image) : tools::encodePictureFor(out, *image, format);
  if (!bytes) return fail(out + ": " + bytes.error().message);
  util::Status written = platform::writeFileAtomically(out, *bytes);
  if (!written) return fail(out + ": " + written.error().message);
  return 0;
}

}  // namespace qvtool
