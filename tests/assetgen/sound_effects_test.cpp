// The effects' promises: they start and end at zero (their length, peak and loudness are read
// by independent players in tests/scripts/sound_content.py); and the goo
// colours' voices: within each family (catch, drop, landing) the five colours sound at pitches
// in the same ratios, so a colour is recognisable across the three, and no two share a pitch.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assetgen/sound/effects.h"
#include "assetgen/sound/synth.h"

namespace {

// The pitch in Hz of samples [from, from + 40 ms): past the autocorrelation's first dip, the
// shortest lag whose correlation comes close to the best one between 60 and 2,500 Hz.
double pitchAt(const std::vector<float>& s, double fromS) {
  const int rate = assetgen::kEffectRate;
  const auto from = static_cast<std::size_t>(fromS * rate);
  const std::size_t length = rate / 25;
  const int shortest = rate / 2500, longest = rate / 60;
  if (s.size() < from + length + longest) return 0;
  std::vector<double> corr(longest + 1, 0.0);
  for (int lag = shortest; lag <= longest; ++lag)
    for (std::size_t i = from; i < from + length; ++i)
      corr[lag] += static_cast<double>(s[i]) * s[i + lag];
  // Near-zero lags match any low sound; the first period starts after the first dip below zero.
  int start = shortest;
  while (start < longest && corr[start] > 0)
    ++start;
  double best = 0;
  for (int lag = start; lag <= longest; ++lag)
    best = std::max(best, corr[lag]);
  for (int lag = start + 1; lag < longest; ++lag)
    if (best > 0 && corr[lag] >= 0.9 * best && corr[lag] >= corr[lag - 1] &&
        corr[lag] >= corr[lag + 1]) {
      // Parabolic interpolation around the peak for a sub-sample lag.
      const double a = corr[lag - 1], b = corr[lag], c = corr[lag + 1];
      const double shift = (a - c) / (2 * (a - 2 * b + c));
      return rate / (lag + (std::isfinite(shift) ? shift : 0));
    }
  return 0;
}

TEST(SoundContent, EffectsStartAndEndAtZeroWithoutOffset) {
  for (const auto& [name, s] : assetgen::SynthesiseEffects()) {
    ASSERT_GT(s.size(), 1000u) << name;
    EXPECT_EQ(s.front(), 0.0f) << name << " starts with a click";
    EXPECT_EQ(s.back(), 0.0f) << name << " ends with a click";
    // The first and last 5 ms rise from and fall to zero: no sample there passes the straight
    // line from zero to full scale.
    const std::size_t fade = assetgen::kEffectRate / 200;
    for (std::size_t i = 0; i < fade; ++i) {
      const float bound = static_cast<float>(i + 1) / static_cast<float>(fade);
      ASSERT_LE(std::fabs(s[i]), bound) << name << " starts with a step at sample " << i;
      ASSERT_LE(std::fabs(s[s.size() - 1 - i]), bound) << name << " ends with a step";
    }
    double sum = 0;
    for (float v : s)
      sum += v;
    EXPECT_LT(std::fabs(sum / s.size()), 0.02) << name << " carries a DC offset";
  }
}

TEST(EffectVoices, EachFamilyFollowsTheSameColourPitches) {
  const auto effects = assetgen::SynthesiseEffects();
  std::vector<double> reference;
  // Each family at a moment where its tone sounds clearly.
  for (const auto& [prefix, atS] :
       {std::pair{"catch", 0.04}, {"drop", 0.05}, {"googround", 0.10}}) {
    std::vector<double> pitches;
    for (int k = 1; k <= 5; ++k) {
      const std::string name = prefix + std::to_string(k) + ".wav";
      const double hz = pitchAt(effects.at(name), atS);
      ASSERT_GT(hz, 0) << name << " has no clear pitch";
      pitches.push_back(hz);
    }
    for (int k = 1; k < 5; ++k)
      EXPECT_GT(pitches[k], pitches[k - 1] * 1.05)
          << prefix << (k + 1) << " is not above colour " << k;
    std::vector<double> ratios;
    for (double p : pitches)
      ratios.push_back(p / pitches[0]);
    if (reference.empty()) {
      reference = ratios;
    } else {
      for (int k = 1; k < 5; ++k)
        EXPECT_NEAR(ratios[k], reference[k], 0.03 * reference[k])
            << prefix << (k + 1) << " is not colour " << (k + 1) << "'s voice";
    }
  }
}

}  // namespace
