// The wave and module writers' layouts, read back field by field: the wave header and its
// clipped samples; the module header and order table, cells packed with every field or with a
// key-off alone, and the instrument's envelope, sustain, fade-out, relative note, panning and
// sample (offsets from the start of each header, as the format describes them).
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "assetgen/sound/wav_writer.h"
#include "assetgen/sound/xm_writer.h"

namespace {

struct Field {
  std::size_t at;
  int bytes;
  std::uint32_t value;
};

// Checks little-endian FIELDS of BYTES, each offset counted from BASE.
void expectFields(const std::vector<std::byte>& bytes, std::size_t base,
                  std::span<const Field> fields) {
  for (const Field& f : fields) {
    std::uint32_t v = 0;
    for (int i = 0; i < f.bytes; ++i)
      v |= static_cast<std::uint32_t>(bytes.at(base + f.at + i)) << (8 * i);
    EXPECT_EQ(v, f.value) << "at " << base << "+" << f.at;
  }
}

std::string text(const std::vector<std::byte>& b, std::size_t at, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

TEST(SoundWriters, WaveFilesArePcmMonoWithExactSizes) {
  const auto wav = assetgen::EncodeWav({0.0f, 1.0f, -1.0f, 2.0f}, 22050);
  ASSERT_EQ(wav.size(), 44u + 8u);
  // (Python's wave reader and sox read the chunks of every effect.) Sizes, PCM, mono, rate, bytes
  // per second, bits, data size; samples 1, -1 and 2 clipped.
  const Field wave[] = {{4, 4, 36 + 8},  {20, 2, 1},    {22, 2, 1}, {24, 4, 22050},
                        {28, 4, 44100},  {34, 2, 16},   {40, 4, 8}, {46, 2, 32767},
                        {48, 2, 0x8001}, {50, 2, 32767}};
  expectFields(wav, 0, wave);
}

assetgen::XmModule twoCellSong() {
  assetgen::XmModule m;
  m.channels = 2;
  m.order = {0};
  assetgen::XmPattern p;
  p.rows = 1;
  p.cells = {{61, 1, 0x30, 0x0C, 0x20}, {assetgen::kXmKeyOff, 0, 0, 0, 0}};
  m.patterns = {p};
  assetgen::XmInstrument in;
  in.name = "lead";
  in.sample = {0, 100, -100, 0};
  in.loopStart = 1;
  in.loopLength = 2;
  in.volume = 44;
  in.relativeNote = -12;
  in.panning = 96;
  in.envelope = {{0, 0}, {2, 64}, {40, 34}};
  in.sustainPoint = 2;
  in.fadeout = 1500;
  m.instruments = {in};
  return m;
}

constexpr std::size_t kPattern = 60 + 276, kInstrument = kPattern + 9 + 8;

TEST(XmLayout, ModuleHeaderAndOrderTable) {
  assetgen::XmModule m = twoCellSong();
  m.name = "test";
  m.bpm = 120;
  m.restartPosition = 1;
  m.patterns.push_back(m.patterns[0]);
  m.order = {0, 0, 1};
  const auto xm = assetgen::EncodeXm(m);
  EXPECT_EQ(text(xm, 0, 21), "Extended Module: test");
  // 0x1A, version, header size, song length, restart, channels, patterns, instruments, BPM,
  // order table.
  const Field header[] = {{37, 1, 0x1A}, {58, 2, 0x0104}, {60, 4, 276}, {64, 2, 3},
                          {66, 2, 1},    {68, 2, 2},      {70, 2, 2},   {72, 2, 1},
                          {78, 2, 120},  {80, 1, 0},      {82, 1, 1}};
  expectFields(xm, 0, header);
}

TEST(XmLayout, CellsInstrumentAndSampleSitAtTheirOffsets) {
  const auto xm = assetgen::EncodeXm(twoCellSong());
  // Rows, packed size; a full cell, then a key-off alone.
  const Field cells[] = {
      {5, 2, 1},     {7, 2, 6 + 2}, {9, 1, 0x80 | 0x1F}, {10, 1, 61},          {11, 1, 1},
      {12, 1, 0x30}, {13, 1, 0x0C}, {14, 1, 0x20},       {15, 1, 0x80 | 0x01}, {16, 1, 97}};
  expectFields(xm, kPattern, cells);
  EXPECT_EQ(text(xm, kInstrument + 4, 4), "lead");
  for (std::size_t note = 0; note < 96; ++note)
    ASSERT_EQ(static_cast<int>(xm.at(kInstrument + 33 + note)), 0) << "note " << note;
  // Header size, type, samples, sample header size; the volume envelope as (tick, value)
  // words from +129, unused points zero; volume and panning points, sustain point, volume
  // envelope on with sustain, panning envelope off, fade-out.
  const Field instrument[] = {{0, 4, 263},     {26, 1, 0},   {27, 2, 1},    {29, 4, 40},
                              {133, 2, 2},     {135, 2, 64}, {137, 2, 40},  {139, 2, 34},
                              {141, 2, 0},     {225, 1, 3},  {226, 1, 0},   {227, 1, 2},
                              {233, 1, 1 | 2}, {234, 1, 0},  {239, 2, 1500}};
  expectFields(xm, kInstrument, instrument);
  // Length, loop start, loop length, volume, finetune, 8-bit forward loop, panning, relative
  // note; the deltas 0, +100, -200 (wrapping to +56 in a byte), +100.
  const Field sample[] = {{0, 4, 4},  {4, 4, 1},    {8, 4, 2},   {12, 1, 44},
                          {13, 1, 0}, {14, 1, 1},   {15, 1, 96}, {16, 1, 256 - 12},
                          {40, 1, 0}, {41, 1, 100}, {42, 1, 56}, {43, 1, 100}};
  expectFields(xm, kInstrument + 263, sample);
  EXPECT_EQ(xm.size(), kInstrument + 263 + 40 + 4);
}

TEST(XmLayout, InstrumentWithoutEnvelopeOrLoopSaysSo) {
  assetgen::XmModule m = twoCellSong();
  m.instruments[0].envelope.clear();
  m.instruments[0].loopLength = 0;
  // No envelope points, envelope off though a sustain point is set, no loop.
  const Field plain[] = {{225, 1, 0}, {233, 1, 0}, {263 + 14, 1, 0}};
  expectFields(assetgen::EncodeXm(m), kInstrument, plain);
}

}  // namespace
