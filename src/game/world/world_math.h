// Small numeric helpers shared by the world's stages.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace game {

/// Truncation toward zero into int, saturating instead of overflowing; NaN gives 0.
inline int truncToInt(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483520.0f) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0f) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

/// Truncation into the signed 16-bit range of blob coordinates, saturating.
inline std::int16_t truncToInt16(float value) {
  const int v = truncToInt(value);
  if (v > 32767) return 32767;
  if (v < -32768) return -32768;
  return static_cast<std::int16_t>(v);
}

/// Squared distance, single precision.
inline float squaredDistance(float ax, float ay, float bx, float by) {
  const float dx = bx - ax;
  const float dy = by - ay;
  return dx * dx + dy * dy;
}

/// Distance computed in double precision and stored as float.
inline float distance(float ax, float ay, float bx, float by) {
  const double dx = static_cast<double>(bx) - static_cast<double>(ax);
  const double dy = static_cast<double>(by) - static_cast<double>(ay);
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

/// In-place normalisation (x, y) /= |(x, y)|. A zero vector stays zero instead of becoming NaN.
inline void normalise(float& x, float& y) {
  const float length = std::sqrt(x * x + y * y);
  if (length == 0.0f) return;
  x /= length;
  y /= length;
}

}  // namespace game
