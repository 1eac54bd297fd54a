#include "assetgen/art/art_output.h"

#include "lib/picture_by_extension.h"

namespace assetgen {

const std::uint32_t kGooColours[5] = {0xE8413C, 0x28DC78, 0x2856C8, 0xF2C230, 0xA05CD6};
const std::uint32_t kLinkColours[5] = {0x9A2420, 0x2E7F33, 0x23579A, 0xA37F12, 0x693A90};

void ArtOutput::add(const std::string& name, std::vector<std::byte> bytes) {
  entries_[name] = std::move(bytes);
}

void ArtOutput::addPicture(const std::string& name, const tools::ArgbImage& image,
                           const std::string& format) {
  auto encoded = tools::encodePictureFor(name, image, format);
  if (!encoded) {
    fail(name + ": " + encoded.error().message);
    return;
  }
  add(name, std::move(*encoded));
  images_[name] = image;
}

}  // namespace assetgen
