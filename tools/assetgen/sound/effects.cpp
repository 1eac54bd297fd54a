#include "assetgen/sound/effects.h"

#include <cmath>

#include "assetgen/sound/synth.h"

namespace assetgen {
namespace {

// Every effect as loud as the others over its loudest 50 ms, and no sample near full scale.
constexpr float kLoudness = 0.28f;
constexpr float kPeakLimit = 0.95f;

// The goo colours' voices: a major pentatonic, so any two sound well together.
constexpr double kVoiceHz[5] = {523.25, 587.33, 659.26, 783.99, 880.00};

std::size_t at(double seconds) {
  return static_cast<std::size_t>(seconds * kEffectRate);
}

std::vector<float> Catch(double f) {
  std::vector<float> s = Tone(Wave::Sine, f, f * 1.5, 0.14, kEffectRate);
  MixInto(s, Tone(Wave::Square, f * 2, f * 3, 0.08, kEffectRate), 0, 0.12f);
  return s;
}

std::vector<float> Drop(double f) {
  std::vector<float> s = Tone(Wave::Sine, f * 1.2, f * 0.55, 0.2, kEffectRate);
  MixInto(s, NoiseBurst(0.03, 3000, kEffectRate, static_cast<std::uint32_t>(f)), 0, 0.25f);
  return s;
}

std::vector<float> Ground(double f) {
  std::vector<float> s = Tone(Wave::Triangle, f / 4, f / 6, 0.16, kEffectRate);
  MixInto(s, NoiseBurst(0.08, 700, kEffectRate, static_cast<std::uint32_t>(f) + 7), 0, 0.6f);
  return s;
}

std::vector<float> Arpeggio(const std::vector<double>& notes, double step, Wave wave) {
  std::vector<float> s;
  for (std::size_t i = 0; i < notes.size(); ++i)
    MixInto(s, Tone(wave, notes[i], notes[i], step * 2.5, kEffectRate), at(step * i), 0.6f);
  return s;
}

}  // namespace

std::map<std::string, std::vector<float>> SynthesiseEffects() {
  std::map<std::string, std::vector<float>> effects;
  for (int k = 0; k < 5; ++k) {
    const std::string n = std::to_string(k + 1);
    effects["catch" + n + ".wav"] = Catch(kVoiceHz[k]);
    effects["drop" + n + ".wav"] = Drop(kVoiceHz[k]);
    effects["googround" + n + ".wav"] = Ground(kVoiceHz[k]);
  }
  // A warning: two tones alternating twice.
  effects["critsize.wav"] = Arpeggio({880, 660, 880, 660}, 0.1, Wave::Square);
  effects["linkleft.wav"] = Tone(Wave::Triangle, 620, 180, 0.28, kEffectRate);
  std::vector<float> placed = NoiseBurst(0.012, 5000, kEffectRate, 11);
  MixInto(placed, Tone(Wave::Sine, 1318.5, 1318.5, 0.22, kEffectRate), at(0.004), 0.7f);
  effects["linkplaced.wav"] = placed;
  // A creak: a low saw with a slow wobble.
  std::vector<float> creak = Tone(Wave::Saw, 118, 92, 0.45, kEffectRate, 0.03);
  for (std::size_t i = 0; i < creak.size(); ++i)
    creak[i] *= 0.6f + 0.4f * static_cast<float>(std::sin(i * 6.2831853 * 11.0 / kEffectRate));
  effects["maxresist.wav"] = creak;
  effects["start.wav"] = Arpeggio({523.25, 659.26, 783.99, 1046.5}, 0.09, Wave::Triangle);
  std::vector<float> crash = NoiseBurst(0.75, 1400, kEffectRate, 23);
  MixInto(crash, Tone(Wave::Sine, 95, 38, 0.6, kEffectRate), 0, 0.9f);
  effects["twdown.wav"] = crash;

  for (auto& [name, samples] : effects) {
    FadeEnds(samples, kEffectRate);
    NormaliseLoudness(samples, kEffectRate, kLoudness, kPeakLimit);
  }
  return effects;
}

}  // namespace assetgen
