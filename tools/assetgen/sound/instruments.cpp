#include "assetgen/sound/instruments.h"

#include <algorithm>
#include <cmath>

#include "assetgen/sound/synth.h"

namespace assetgen {
namespace {

constexpr int kSampleRate = 8363;  // an XM sample plays at this rate at C-4
constexpr double kTwoPi = 6.283185307179586;

std::vector<std::int8_t> toBytes(const std::vector<float>& samples, float peak) {
  float loudest = 0.0f;
  for (float s : samples)
    loudest = std::max(loudest, std::fabs(s));
  std::vector<std::int8_t> out;
  out.reserve(samples.size());
  for (float s : samples) {
    const float v = loudest > 0 ? s / loudest * peak * 127.0f : 0.0f;
    out.push_back(static_cast<std::int8_t>(std::lround(std::clamp(v, -127.0f, 127.0f))));
  }
  return out;
}

// A looping tone: 8 cycles in 256 samples, so C-4 sounds at about 261 Hz; harmonic n has
// amplitude weights[n - 1].
XmInstrument Looped(const char* name, const std::vector<float>& weights) {
  std::vector<float> wave(256);
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double phase = kTwoPi * 8.0 * static_cast<double>(i) / 256.0;
    for (std::size_t h = 0; h < weights.size(); ++h)
      wave[i] += weights[h] * static_cast<float>(std::sin(phase * static_cast<double>(h + 1)));
  }
  XmInstrument in;
  in.name = name;
  in.sample = toBytes(wave, 0.9f);
  in.loopStart = 0;
  in.loopLength = 256;
  return in;
}

XmInstrument OneShot(const char* name, std::vector<float> samples) {
  FadeEnds(samples, kSampleRate, 0.003);
  XmInstrument in;
  in.name = name;
  in.sample = toBytes(samples, 0.95f);
  return in;
}

}  // namespace

std::vector<XmInstrument> SongInstruments(const LeadTimbre& timbre) {
  // Past the 7th harmonic the highest notes would fold back below the mixing rate's limit.
  std::vector<float> harmonics(
      timbre.harmonics.begin(),
      timbre.harmonics.begin() +
          static_cast<std::ptrdiff_t>(std::min<std::size_t>(timbre.harmonics.size(), 7)));
  if (harmonics.empty()) harmonics = {1.0f};
  XmInstrument lead = Looped("lead", harmonics);
  const int attack = std::clamp(timbre.attackTicks, 1, 30);
  lead.envelope = {{0, 0}, {attack, 64}, {attack + 8, 44}, {attack + 38, 34}};
  lead.sustainPoint = 3;
  lead.fadeout = std::clamp(timbre.fadeout, 0, 4095);
  lead.volume = 44;

  XmInstrument harmony = Looped("harmony", {1.0f, 0.5f, 0.33f, 0.25f, 0.2f, 0.16f});
  harmony.envelope = {{0, 0}, {4, 48}, {16, 36}, {60, 28}};
  harmony.sustainPoint = 3;
  harmony.fadeout = 900;
  harmony.volume = 30;

  XmInstrument bass = Looped("bass", {1.0f, 0.0f, 0.11f, 0.0f, 0.04f});
  bass.relativeNote = -12;
  bass.envelope = {{0, 64}, {12, 50}, {40, 40}};
  bass.sustainPoint = 2;
  bass.fadeout = 2000;
  bass.volume = 56;

  XmInstrument kick = OneShot("kick", Tone(Wave::Sine, 150, 42, 0.22, kSampleRate, 0.001));
  kick.volume = 60;
  std::vector<float> snareSound = NoiseBurst(0.16, 3500, kSampleRate, 5);
  MixInto(snareSound, Tone(Wave::Triangle, 190, 160, 0.08, kSampleRate), 0, 0.6f);
  XmInstrument snare = OneShot("snare", snareSound);
  snare.volume = 40;
  // The hat: noise with its low part taken out (the noise minus its own low-passed copy).
  std::vector<float> hatNoise = NoiseBurst(0.05, 4100, kSampleRate, 9);
  std::vector<float> low = NoiseBurst(0.05, 600, kSampleRate, 9);
  for (std::size_t i = 0; i < hatNoise.size(); ++i)
    hatNoise[i] -= low[i];
  XmInstrument hat = OneShot("hat", hatNoise);
  hat.volume = 24;
  return {lead, harmony, bass, kick, snare, hat};
}

}  // namespace assetgen
