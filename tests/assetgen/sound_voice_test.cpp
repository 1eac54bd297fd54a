// The goo colours' voices heard in the effects: within each family (catch, drop, landing) the
// five colours sound at pitches in the same ratios, so a colour is recognisable across the
// three, and no two colours share a pitch.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assetgen/sound/effects.h"

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

TEST(EffectVoices, EachFamilyFollowsTheSameColourPitches) {
  const auto effects = assetgen::SynthesiseEffects();
  struct Family {
    const char* prefix;
    double atS;  // a moment where the family's tone sounds clearly
  };
  std::vector<double> reference;
  for (const Family& family :
       {Family{"catch", 0.04}, Family{"drop", 0.05}, Family{"googround", 0.10}}) {
    std::vector<double> pitches;
    for (int k = 1; k <= 5; ++k) {
      const std::string name = family.prefix + std::to_string(k) + ".wav";
      const double hz = pitchAt(effects.at(name), family.atS);
      ASSERT_GT(hz, 0) << name << " has no clear pitch";
      pitches.push_back(hz);
    }
    for (int k = 1; k < 5; ++k)
      EXPECT_GT(pitches[k], pitches[k - 1] * 1.05)
          << family.prefix << (k + 1) << " is not above colour " << k;
    std::vector<double> ratios;
    for (double p : pitches)
      ratios.push_back(p / pitches[0]);
    if (reference.empty()) {
      reference = ratios;
    } else {
      for (int k = 1; k < 5; ++k)
        EXPECT_NEAR(ratios[k], reference[k], 0.03 * reference[k])
            << family.prefix << (k + 1) << " is not colour " << (k + 1) << "'s voice";
    }
  }
}

}  // namespace
