#include "game/world/earth.h"

#include <algorithm>
#include <cmath>

#include "util/random.h"

namespace game {

namespace {
constexpr int kLastIndex = Earth::kFirstIndex + Earth::kSampleCount - 1;  // 49
}

void Earth::configure(int earthStep, std::uint16_t earthColor, std::uint16_t borderColor) {
  step_ = std::max(earthStep, 1);
  earthColor_ = earthColor;
  borderColor_ = borderColor;
}

int Earth::heightAt(int i) const {
  i = std::clamp(i, kFirstIndex, kLastIndex);
  return heights_[static_cast<std::size_t>(i - kFirstIndex)];
}

void Earth::setHeight(int i, std::int8_t value) {
  if (i < kFirstIndex || i > kLastIndex) return;
  heights_[static_cast<std::size_t>(i - kFirstIndex)] = value;
}

int Earth::groundHeightAt(int x) const {
  const int s = step_;
  // Keep x on the table so that both samples read exist; beyond it the ground is flat.
  x = std::clamp(x, kFirstIndex * s, kLastIndex * s);
  int i = x / s;
  if (i * s > x) i -= 1;
  if (i > kLastIndex - 1) i = kLastIndex - 1;  // x == 49 * S interpolates to sample 49 itself
  const int h0 = heightAt(i);
  const int h1 = heightAt(i + 1);
  return -(h0 + (h1 - h0) * (x - i * s) / s);
}

void Earth::GenerateGameEarth(std::int16_t step, int width, util::Random& random) {
  step_ = std::max(width * 64 / 480, 1);
  const int limit = (width * 10 / 480) * 6;
  bool up = false;  // the first sample starts at 0 heading down
  std::int8_t sample = 0;
  int largest = -100000;
  for (int i = 0; i < kSampleCount; ++i) {
    if (i > 0) {
      if (i % 2 == 0) {
        const int r = 100 - random.next() * 200 / util::Random::kMax;
        up = r < 1;
      }
      sample = static_cast<std::int8_t>(sample + (up ? step : -step));
    }
    if (sample < 0) {
      sample = static_cast<std::int8_t>(step);
      up = true;
    }
    if (sample > limit) {
      sample = static_cast<std::int8_t>(limit - step);
      up = false;
    }
    heights_[static_cast<std::size_t>(i)] = sample;
    largest = std::max(largest, static_cast<int>(sample));
  }
  finish(largest);
}

void Earth::GenerateDemoEarth(std::int32_t step, int width) {
  step_ = std::max(width * 64 / 480, 1);
  const int floor = width * 10 / 480;
  std::int8_t sample = 0;
  int largest = -100000;
  for (int i = 0; i < kSampleCount; ++i) {
    if (i > 0) {
      const bool up = static_cast<int>(100.0 - 100.0 * std::sin(static_cast<double>(i))) < 1;
      sample = static_cast<std::int8_t>(sample + (up ? step : -step));
    }
    if (sample < floor) sample = static_cast<std::int8_t>(floor);
    heights_[static_cast<std::size_t>(i)] = sample;
    largest = std::max(largest, static_cast<int>(sample));
  }
  finish(largest);
}

void Earth::finish(int largestSample) {
  maxHeight_ = largestSample + 11;
  gradient_.clear();
  for (int j = 0; j < maxHeight_; ++j)
    gradient_.push_back(earthGradientColor(j, maxHeight_));
}

std::uint16_t earthGradientColor(int j, int n) {
  const float t = static_cast<float>(j) / static_cast<float>(n);
  const int red = static_cast<int>((1.0f - t) * 24.0f + t * 31.0f);
  const int green = static_cast<int>((1.0f - t) * 30.0f + t * 56.0f);
  const int blue = static_cast<int>((1.0f - t) * 7.0f + t * 22.0f);
  return static_cast<std::uint16_t>((red << 11) | (green << 5) | blue);
}

}  // namespace game
