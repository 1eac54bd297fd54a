// A small synthesiser for the effects and the songs' instruments: oscillators, noise,
// envelopes, a one-pole filter, and the finishing steps (fades against clicks, loudness).
#pragma once

#include <cstdint>
#include <vector>

#include "util/random.h"

namespace assetgen {

enum class Wave { Sine, Triangle, Square, Saw };

/// One sample of a wave at phase (in cycles; any real number).
float Oscillator(Wave wave, double phase);

/// White noise in -1..1 from the program's generator.
float Noise(util::Random& random);

/// A tone whose frequency slides exponentially from startHz to endHz over its length, with an
/// attack of attackS seconds and an exponential decay to about -60 dB at its end.
std::vector<float> Tone(Wave wave, double startHz, double endHz, double seconds, int rateHz,
                        double attackS = 0.004);

/// Noise through a one-pole low-pass filter (cutoff in Hz), decaying over its length.
std::vector<float> NoiseBurst(double seconds, double cutoffHz, int rateHz, std::uint32_t seed);

/// Adds source into target starting at sample offset (target grows as needed), scaled by gain.
void MixInto(std::vector<float>& target, const std::vector<float>& source, std::size_t offset,
             float gain);

/// Short fades at both ends, so a sound starts and stops at zero without a click.
void FadeEnds(std::vector<float>& samples, int rateHz, double seconds = 0.005);

/// Scales so the loudest sample reaches peak (0..1).
void Normalise(std::vector<float>& samples, float peak);

/// The root-mean-square level of the loudest windowS-second stretch (stepping a quarter window
/// at a time; the whole sound when it is shorter): how loud a short sound seems.
float LoudestRms(const std::vector<float>& samples, int rateHz, double windowS = 0.05);

/// Scales so LoudestRms reaches rms, but never lets a sample pass peakLimit (0..1): sounds of
/// different shapes come out about equally loud.
void NormaliseLoudness(std::vector<float>& samples, int rateHz, float rms, float peakLimit);

}  // namespace assetgen
