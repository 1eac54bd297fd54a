#include "lib/png_io.h"

#include <png.h>

#include <cstdio>
#include <cstring>

namespace tools {

util::Result<ArgbImage> readPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr) return util::makeError(util::ErrorCode::NotFound, "cannot open " + path);
    std::fclose(probe);
    return util::makeError(util::ErrorCode::Malformed,
                           "not a PNG file: " + path + ": " + image.message);
  }
  // BGRA bytes are 0xAARRGGBB words on a little-endian host; build them byte by byte instead.
  image.format = PNG_FORMAT_BGRA;
  std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
    const std::string message = image.message;
    png_image_free(&image);
    return util::makeError(util::ErrorCode::Malformed, "bad PNG data in " + path + ": " + message);
  }
  ArgbImage out(static_cast<int>(image.width), static_cast<int>(image.height));
  for (std::size_t i = 0; i < out.pixels.size(); ++i) {
    const png_byte* p = &bytes[4 * i];
    out.pixels[i] = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                    (static_cast<std::uint32_t>(p[2]) << 16) |
                    (static_cast<std::uint32_t>(p[3]) << 24);
  }
  return out;
}

namespace {

// The image as the RGBA bytes libpng's simplified writer takes.
std::vector<png_byte> rgbaBytes(const ArgbImage& image) {
  std::vector<png_byte> bytes(image.pixels.size() * 4);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const std::uint32_t p = image.pixels[i];
    bytes[4 * i] = static_cast<png_byte>(p >> 16);
    bytes[4 * i + 1] = static_cast<png_byte>(p >> 8);
    bytes[4 * i + 2] = static_cast<png_byte>(p);
    bytes[4 * i + 3] = static_cast<png_byte>(p >> 24);
  }
  return bytes;
}

png_image describe(const ArgbImage& image) {
  png_image info;
  std::memset(&info, 0, sizeof info);
  info.version = PNG_IMAGE_VERSION;
  info.width = static_cast<png_uint_32>(image.width);
  info.height = static_cast<png_uint_32>(image.height);
  info.format = PNG_FORMAT_RGBA;
  return info;
}

}  // namespace

util::Result<std::vector<std::byte>> encodePng(const ArgbImage& image) {
  if (image.width <= 0 || image.height <= 0)
    return util::makeError(util::ErrorCode::Unsupported, "PNG pictures can't be empty");
  png_image info = describe(image);
  const std::vector<png_byte> bytes = rgbaBytes(image);
  png_alloc_size_t size = 0;
  // The first call measures, the second writes.
  if (!png_image_write_to_memory(&info, nullptr, &size, 0, bytes.data(), 0, nullptr))
    return util::makeError(util::ErrorCode::Io,
                           std::string("PNG encoding failed: ") + info.message);
  std::vector<std::byte> out(size);
  if (!png_image_write_to_memory(&info, out.data(), &size, 0, bytes.data(), 0, nullptr))
    return util::makeError(util::ErrorCode::Io,
                           std::string("PNG encoding failed: ") + info.message);
  out.resize(size);
  return out;
}

util::Status writePng(const std::string& path, const ArgbImage& image) {
  png_image info = describe(image);
  const std::vector<png_byte> bytes = rgbaBytes(image);
  if (!png_image_write_to_file(&info, path.c_str(), 0, bytes.data(), 0, nullptr)) {
    return util::makeError(util::ErrorCode::Io, "cannot write " + path + ": " + info.message);
  }
  return {};
}

}  // namespace tools
