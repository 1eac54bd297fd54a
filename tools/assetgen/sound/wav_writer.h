// RIFF WAVE files: 16-bit PCM, one channel.
#pragma once

#include <cstddef>
#include <vector>

namespace assetgen {

/// samples in -1..1 (clipped), written as 16-bit mono PCM at rateHz.
std::vector<std::byte> EncodeWav(const std::vector<float>& samples, int rateHz);

}  // namespace assetgen
