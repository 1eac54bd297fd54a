// The wave writer's layout, read back field by field (the module layout is in sound_xm_test.cpp),
// and the sounds' own promises: effects start and end at zero and share one loudness; songs last
// a minute and loop to their start.
#include <gtest/gtest.h>

#include <cmath>

#include "assetgen/sound/effects.h"
#include "assetgen/sound/songs.h"
#include "assetgen/sound/synth.h"
#include "assetgen/sound/wav_writer.h"
#include "assetgen/sound/xm_writer.h"

namespace {

std::uint32_t le(const std::vector<std::byte>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return v;
}

std::string str(const std::vector<std::byte>& b, std::size_t at, std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i)
    s.push_back(static_cast<char>(b[at + i]));
  return s;
}

TEST(SoundWriters, WaveFilesArePcmMonoWithExactSizes) {
  const auto wav = assetgen::EncodeWav({0.0f, 1.0f, -1.0f, 2.0f}, 22050);
  ASSERT_EQ(wav.size(), 44u + 8u);
  EXPECT_EQ(str(wav, 0, 4), "RIFF");
  EXPECT_EQ(le(wav, 4, 4), 36u + 8u);
  EXPECT_EQ(str(wav, 8, 8), "WAVEfmt ");
  EXPECT_EQ(le(wav, 20, 2), 1u);  // PCM
  EXPECT_EQ(le(wav, 22, 2), 1u);  // mono
  EXPECT_EQ(le(wav, 24, 4), 22050u);
  EXPECT_EQ(le(wav, 28, 4), 44100u);
  EXPECT_EQ(le(wav, 34, 2), 16u);
  EXPECT_EQ(str(wav, 36, 4), "data");
  EXPECT_EQ(le(wav, 40, 4), 8u);
  EXPECT_EQ(le(wav, 46, 2), 32767u);
  EXPECT_EQ(le(wav, 48, 2), 0x8001u);  // -32767
  EXPECT_EQ(le(wav, 50, 2), 32767u) << "out-of-range samples are clipped";
}

TEST(SoundContent, EffectsAreCleanAndEquallyLoud) {
  const auto effects = assetgen::SynthesiseEffects();
  EXPECT_EQ(effects.size(), 21u);
  for (const auto& [name, s] : effects) {
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
    float peak = 0;
    double sum = 0;
    for (float v : s) {
      peak = std::max(peak, std::fabs(v));
      sum += v;
    }
    EXPECT_LE(peak, 0.9501f) << name;
    EXPECT_LT(std::fabs(sum / s.size()), 0.02) << name << " carries a DC offset";
    const float loudness = assetgen::LoudestRms(s, assetgen::kEffectRate);
    if (peak < 0.949f)
      EXPECT_NEAR(loudness, 0.28f, 0.003f) << name;
    else
      EXPECT_GT(loudness, 0.2f) << name << " is held back by its peak too far";
  }
  EXPECT_NE(effects.at("catch1.wav"), effects.at("catch2.wav")) << "one voice per colour";
}

TEST(SoundContent, SongsLastAMinuteAndLoopToTheirStart) {
  const auto composed = assetgen::ComposeSongs();
  ASSERT_TRUE(composed.ok()) << composed.error().message;
  const auto& songs = *composed;
  ASSERT_EQ(songs.size(), 4u);
  for (const auto& [name, m] : songs) {
    EXPECT_GE(assetgen::XmDurationSeconds(m), 60.0) << name;
    EXPECT_LE(assetgen::XmDurationSeconds(m), 90.0) << name;
    EXPECT_GE(m.channels, 4) << name;
    EXPECT_EQ(m.restartPosition, 0) << name;
    EXPECT_LT(assetgen::EncodeXm(m).size(), 32000u) << name << " should stay small";
  }
  EXPECT_NE(songs.at("1.xm").bpm, songs.at("3.xm").bpm) << "distinct moods";
}

}  // namespace
