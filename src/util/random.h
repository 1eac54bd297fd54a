// The program's one pseudo-random generator. Its formulas scale values as rand() * N / 32767,
// so it reproduces the classic C-library generator: a linear congruential sequence whose
// results range over 0..32767 on every host.
#pragma once

#include <cstdint>

namespace util {

class Random {
 public:
  static constexpr int kMax = 32767;

  explicit Random(std::uint32_t seed = 1) : state_(seed) {}

  void seed(std::uint32_t seed) { state_ = seed; }

  /// Next value in 0..kMax.
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_;
};

}  // namespace util
