// Earth: the ground profile of one scene. 100 signed byte samples for sample indices -50..49,
// sample i at world x = i * S with the ground at y = -heights[i]; between samples the ground is
// interpolated in integers. Outside the table the ground continues flat at the edge samples.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace util {
class Random;
}

namespace game {

class Earth {
 public:
  static constexpr int kFirstIndex = -50;
  static constexpr int kSampleCount = 100;

  /// Sets the sample spacing S in world pixels (at least 1) and the drawing colours.
  void configure(int earthStep, std::uint16_t earthColor, std::uint16_t borderColor);

  /// Ground y at world x. x is clamped to the table, -50 * S .. 49 * S.
  int groundHeightAt(int x) const;

  /// Sample at index i (-50..49); indices outside give the nearest edge sample.
  int heightAt(int i) const;
  /// Overwrites sample i (-50..49); other indices are ignored. maxHeight is left as it is.
  void setHeight(int i, std::int8_t value);

  /// The game scene's random hills: direction chosen every second sample, kept within
  /// 0 .. (W * 10 / 480) * 6. step is "MOUNTS_HEIGHT".
  void GenerateGameEarth(std::int16_t step, int width, util::Random& random);
  /// The demo scene's fixed hills from sin(i), every sample at least W * 10 / 480.
  void GenerateDemoEarth(std::int32_t step, int width);

  int step() const { return step_; }
  /// Largest sample plus 11.
  std::int32_t maxHeight() const { return maxHeight_; }
  /// maxHeight RGB565 depth colours for drawing (empty when maxHeight is not positive).
  const std::vector<std::uint16_t>& gradient() const { return gradient_; }
  const std::array<std::int8_t, kSampleCount>& heights() const { return heights_; }
  std::uint16_t earthColor() const { return earthColor_; }
  std::uint16_t borderColor() const { return borderColor_; }

 private:
  void finish(int largestSample);

  std::array<std::int8_t, kSampleCount> heights_{};
  int step_ = 1;
  std::int32_t maxHeight_ = 11;
  std::vector<std::uint16_t> gradient_;
  std::uint16_t earthColor_ = 0;
  std::uint16_t borderColor_ = 0;
};

/// Entry j of a depth gradient of n entries (RGB565), t = j / n.
std::uint16_t earthGradientColor(int j, int n);

}  // namespace game
