// The sound writers' layouts, read back field by field, and the sounds' own promises: effects
// start and end at zero and share one loudness; songs last a minute and loop to their start.
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

TEST(SoundWriters, ModuleHeaderPatternsAndSamplesFollowTheLayout) {
  assetgen::XmModule m;
  m.name = "test";
  m.channels = 2;
  m.bpm = 120;
  m.restartPosition = 1;
  m.order = {0, 0, 1};
  assetgen::XmPattern empty;
  empty.rows = 4;
  empty.cells.assign(8, {});
  assetgen::XmPattern notes = empty;
  notes.cells[0] = {49, 1, 0x40, 0, 0};
  m.patterns = {empty, notes};
  assetgen::XmInstrument in;
  in.name = "beep";
  in.sample = {10, 20, 15};
  in.loopLength = 3;
  m.instruments = {in};
  const auto xm = assetgen::EncodeXm(m);
  EXPECT_EQ(str(xm, 0, 17), "Extended Module: ");
  EXPECT_EQ(str(xm, 17, 4), "test");
  EXPECT_EQ(static_cast<int>(xm[37]), 0x1A);
  EXPECT_EQ(le(xm, 58, 2), 0x0104u);
  EXPECT_EQ(le(xm, 60, 4), 276u);
  EXPECT_EQ(le(xm, 64, 2), 3u);  // song length
  EXPECT_EQ(le(xm, 66, 2), 1u);  // restart position
  EXPECT_EQ(le(xm, 68, 2), 2u);  // channels
  EXPECT_EQ(le(xm, 70, 2), 2u);  // patterns
  EXPECT_EQ(le(xm, 72, 2), 1u);  // instruments
  EXPECT_EQ(le(xm, 78, 2), 120u);
  EXPECT_EQ(static_cast<int>(xm[82]), 1) << "order table";
  // Pattern 0: header, then eight empty cells of one byte each.
  std::size_t at = 60 + 276;
  EXPECT_EQ(le(xm, at, 4), 9u);
  EXPECT_EQ(le(xm, at + 5, 2), 4u);
  EXPECT_EQ(le(xm, at + 7, 2), 8u);
  at += 9 + 8;
  // Pattern 1: the first cell carries note, instrument and volume behind its flag byte.
  EXPECT_EQ(le(xm, at + 7, 2), 4u + 7u);
  EXPECT_EQ(static_cast<int>(xm[at + 9]), 0x80 | 1 | 2 | 4);
  EXPECT_EQ(static_cast<int>(xm[at + 10]), 49);
  at += 9 + 11;
  EXPECT_EQ(le(xm, at, 4), 263u);
  EXPECT_EQ(le(xm, at + 27, 2), 1u);  // one sample
  at += 263;
  EXPECT_EQ(le(xm, at, 4), 3u);      // sample length
  EXPECT_EQ(le(xm, at + 8, 4), 3u);  // loop length
  EXPECT_EQ(static_cast<int>(xm[at + 14]), 1) << "forward loop";
  at += 40;
  ASSERT_EQ(xm.size(), at + 3);
  EXPECT_EQ(static_cast<std::int8_t>(xm[at + 1]), 10) << "samples are stored as differences";
  EXPECT_EQ(static_cast<std::int8_t>(xm[at + 2]), -5);
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
