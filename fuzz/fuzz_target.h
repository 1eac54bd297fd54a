// The shape of every fuzz target: LLVMFuzzerTestOneInput runs one input through a parser of
// outside data and the code that uses what it parsed; QvFuzzSeeds gives a few valid inputs to
// start mutating from. With clang and QV_FUZZ=ON each target links libFuzzer; otherwise it
// links driver_main.cpp, a small deterministic mutator that CTest runs on every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

/// Valid example inputs for this target.
std::vector<std::string> QvFuzzSeeds();

/// Stops the run when a property of the parsed data does not hold (a failed round trip).
#define QV_FUZZ_CHECK(condition)        \
  do {                                  \
    if (!(condition)) __builtin_trap(); \
  } while (0)

namespace qvfuzz {

inline std::string bytesToString(const std::vector<std::byte>& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace qvfuzz
