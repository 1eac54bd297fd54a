#include "assetgen/sound/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include "lib/byte_writer.h"

namespace assetgen {
namespace {

void tag(std::vector<std::byte>& out, std::string_view text) {
  for (char c : text)
    out.push_back(static_cast<std::byte>(c));
}

}  // namespace

std::vector<std::byte> EncodeWav(const std::vector<float>& samples, int rateHz) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::byte> out;
  out.reserve(44 + dataBytes);
  tag(out, "RIFF");
  tools::AppendLe(out, 36 + dataBytes, 4);
  tag(out, "WAVE");
  tag(out, "fmt ");
  tools::AppendLe(out, 16, 4);  // size of the format chunk
  tools::AppendLe(out, 1, 2);   // PCM
  tools::AppendLe(out, 1, 2);   // one channel
  tools::AppendLe(out, static_cast<std::uint32_t>(rateHz), 4);
  tools::AppendLe(out, static_cast<std::uint32_t>(rateHz) * 2, 4);  // bytes a second
  tools::AppendLe(out, 2, 2);                                       // bytes a frame
  tools::AppendLe(out, 16, 2);                                      // bits a sample
  tag(out, "data");
  tools::AppendLe(out, dataBytes, 4);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    tools::AppendLe(
        out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))),
        2);
  }
  return out;
}

}  // namespace assetgen
