// Every picture format: the first byte picks the format and a drawing position, the rest is
// the entry. Each picture is drawn clipped at the corners and the middle of a small surface,
// and the resampling loads of .sft and .aspr run at a size taken from the input.
#include <array>
#include <string_view>

#include "fuzz_target.h"
#include "gfx/images/anim_picture.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture_loader.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"
#include "lib/argb_image.h"
#include "lib/picture_encoders.h"

namespace {

constexpr std::array<std::string_view, 6> kNames = {"p.espr", "p.sft", "p.spr",
                                                    "p.tga",  "p.cmb", "p.aspr"};

// Every entry an .aspr names reads as the same bytes, so frame lists reach every decoder.
class SameBytes final : public gfx::EntrySource {
 public:
  explicit SameBytes(std::span<const std::byte> bytes) : bytes_(bytes) {}
  std::span<const std::byte> find(std::string_view) override { return bytes_; }

 private:
  std::span<const std::byte> bytes_;
};

void drawEverywhere(const gfx::Picture& picture, gfx::Surface& surface) {
  const gfx::Box clip{4, 4, 20, 20};
  for (const auto& [x, y] : {std::pair{0, 0}, {-30, -30}, {30, 30}, {60, -5}, {-5, 60}}) {
    picture.Draw(surface, x, y, nullptr, 0);
    picture.Draw(surface, x, y, &clip, 12345);
  }
}

std::string seed(int format, const std::vector<std::byte>& bytes) {
  return std::string(1, static_cast<char>(format)) + qvfuzz::bytesToString(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view name = kNames[data[0] % kNames.size()];
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data + 1), size - 1);
  gfx::SurfaceBuffer buffer(48, 40);
  SameBytes source(bytes);
  if (auto picture = gfx::loadPicture(name, source)) drawEverywhere(*picture, buffer.surface());

  const int side = 1 + (data[0] >> 3);  // 1 .. 32
  if (name == "p.sft") {
    gfx::StreamPicture resampled;
    if (resampled.LoadResampled(name, source, side, side))
      drawEverywhere(resampled, buffer.surface());
  } else if (name == "p.aspr") {
    gfx::AnimPicture resampled;
    if (resampled.LoadResampled(name, source, side, side + 1))
      drawEverywhere(resampled, buffer.surface());
  }
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  tools::ArgbImage image(6, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      image.at(x, y) = (x == 2 ? 0x00000000u : x == 3 ? 0x80FF0000u : 0xFF00FF00u) + y * 8;
  std::vector<std::string> seeds;
  if (auto espr = tools::encodeEspr(image)) seeds.push_back(seed(0, *espr));
  if (auto sft = tools::encodeSft(image)) seeds.push_back(seed(1 + 8 * 3, *sft));
  for (const int bits : {4, 8, 16}) {
    for (const bool runs : {false, true}) {
      if (auto spr = tools::encodeSpr(image, bits, runs)) seeds.push_back(seed(2, *spr));
    }
  }
  for (const int bits : {16, 24, 32}) {
    if (auto tga = tools::encodeTga(image, bits)) seeds.push_back(seed(3, *tga));
  }
  if (auto cmb = tools::encodeCmb(image, 16)) seeds.push_back(seed(4, *cmb));
  seeds.push_back(seed(5, tools::encodeAspr(100, {"a.espr", "b.sft"})));
  return seeds;
}
