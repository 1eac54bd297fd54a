#include "assetgen/sound/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

float Oscillator(Wave wave, double phase) {
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return static_cast<float>(std::sin(kTwoPi * p));
    case Wave::Triangle:
      return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    case Wave::Square:
      return p < 0.5 ? 0.8f : -0.8f;
    case Wave::Saw:
      return static_cast<float>(2 * p - 1);
  }
  return 0.0f;
}

float Noise(util::Random& random) {
  return static_cast<float>(random.next()) / util::Random::kMax * 2.0f - 1.0f;
}

std::vector<float> Tone(Wave wave, double startHz, double endHz, double seconds, int rateHz,
                        double attackS) {
  const auto count = static_cast<std::size_t>(seconds * rateHz);
  std::vector<float> out(count);
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / rateHz;
    const double hz = startHz * std::pow(endHz / startHz, t / seconds);
    phase += hz / rateHz;
    const double attack = attackS > 0 ? std::min(1.0, t / attackS) : 1.0;
    const double decay = std::exp(-6.9 * t / seconds);
    out[i] = static_cast<float>(Oscillator(wave, phase) * attack * decay);
  }
  return out;
}

std::vector<float> NoiseBurst(double seconds, double cutoffHz, int rateHz, std::uint32_t seed) {
  util::Random random(seed);
  const auto count = static_cast<std::size_t>(seconds * rateHz);
  std::vector<float> out(count);
  const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / rateHz);
  double y = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    y += a * (Noise(random) - y);
    const double t = static_cast<double>(i) / rateHz;
    out[i] = static_cast<float>(y * std::exp(-6.9 * t / seconds));
  }
  return out;
}

void MixInto(std::vector<float>& target, const std::vector<float>& source, std::size_t offset,
             float gain) {
  if (target.size() < offset + source.size()) target.resize(offset + source.size(), 0.0f);
  for (std::size_t i = 0; i < source.size(); ++i)
    target[offset + i] += source[i] * gain;
}

void FadeEnds(std::vector<float>& samples, int rateHz, double seconds) {
  const std::size_t n = std::min(samples.size() / 2, static_cast<std::size_t>(seconds * rateHz));
  for (std::size_t i = 0; i < n; ++i) {
    const float g = static_cast<float>(i) / static_cast<float>(n);
    samples[i] *= g;
    samples[samples.size() - 1 - i] *= g;
  }
  if (!samples.empty()) samples.front() = samples.back() = 0.0f;
}

void Normalise(std::vector<float>& samples, float peak) {
  float loudest = 0.0f;
  for (float s : samples)
    loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0.0f) return;
  const float g = peak / loudest;
  for (float& s : samples)
    s *= g;
}

float LoudestRms(const std::vector<float>& samples, int rateHz, double windowS) {
  if (samples.empty()) return 0.0f;
  const std::size_t window =
      std::clamp<std::size_t>(static_cast<std::size_t>(windowS * rateHz), 1, samples.size());
  const std::size_t step = std::max<std::size_t>(1, window / 4);
  double loudest = 0.0;
  for (std::size_t start = 0; start + window <= samples.size(); start += step) {
    double sum = 0.0;
    for (std::size_t i = start; i < start + window; ++i)
      sum += static_cast<double>(samples[i]) * samples[i];
    loudest = std::max(loudest, sum / static_cast<double>(window));
  }
  return static_cast<float>(std::sqrt(loudest));
}

void NormaliseLoudness(std::vector<float>& samples, int rateHz, float rms, float peakLimit) {
  const float level = LoudestRms(samples, rateHz);
  float peak = 0.0f;
  for (float s : samples)
    peak = std::max(peak, std::fabs(s));
  if (level <= 0.0f || peak <= 0.0f) return;
  const float g = std::min(rms / level, peakLimit / peak);
  for (float& s : samples)
    s *= g;
}

}  // namespace assetgen
