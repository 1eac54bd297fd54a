#include "lib/picture_by_extension.h"

#include <cctype>
#include <string>

#include "lib/picture_encoders.h"

namespace tools {
namespace {

std::string lowerExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  std::string ext(dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1));
  for (char& c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

util::Error badFormat(std::string_view format, std::string_view ext) {
  return util::makeError(
      util::ErrorCode::Malformed,
      "format '" + std::string(format) + "' does not apply to ." + std::string(ext) + " pictures");
}

// "spr8rle" -> bits 8, runLength true; the prefix has been checked by the caller.
bool parseBits(std::string_view rest, int& bits, bool allowRle, bool& runLength) {
  runLength = false;
  if (allowRle && rest.size() > 3 && rest.substr(rest.size() - 3) == "rle") {
    runLength = true;
    rest.remove_suffix(3);
  }
  if (rest == "4")
    bits = 4;
  else if (rest == "8")
    bits = 8;
  else if (rest == "16")
    bits = 16;
  else if (rest == "24")
    bits = 24;
  else if (rest == "32")
    bits = 32;
  else
    return false;
  return true;
}

}  // namespace

bool isPictureName(std::string_view name) {
  const std::string ext = lowerExtension(name);
  return ext == "espr" || ext == "spr" || ext == "cmb" || ext == "sft" || ext == "tga";
}

util::Result<std::vector<std::byte>> encodePictureFor(std::string_view name, const ArgbImage& image,
                                                      std::string_view format) {
  const std::string ext = lowerExtension(name);
  if (ext == "espr" || ext == "sft") {
    if (!format.empty()) return badFormat(format, ext);
    return ext == "espr" ? encodeEspr(image) : encodeSft(image);
  }
  if (ext == "spr" || ext == "cmb" || ext == "tga") {
    std::string_view chosen = format;
    if (chosen.empty()) chosen = ext == "spr" ? "spr16rle" : ext == "cmb" ? "cmb8" : "tga32";
    int bits = 0;
    bool runLength = false;
    if (chosen.substr(0, 3) != ext || !parseBits(chosen.substr(3), bits, ext == "spr", runLength))
      return badFormat(format, ext);
    if (ext == "spr") {
      if (bits > 16) return badFormat(format, ext);
      return encodeSpr(image, bits, runLength);
    }
    if (ext == "cmb") {
      if (bits > 8) return badFormat(format, ext);
      return encodeCmb(image, bits);
    }
    if (bits < 16) return badFormat(format, ext);
    return encodeTga(image, bits);
  }
  return util::makeError(util::ErrorCode::Unsupported,
                         "'" + std::string(name) + "' is not a picture name");
}

}  // namespace tools
