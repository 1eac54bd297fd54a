// The XM writer's layouts against the format description (offsets from the start of each
// header): the module header and order table, cells packed with every field or with a key-off
// alone, and the instrument's envelope, sustain, fade-out, relative note, panning and sample.
#include <gtest/gtest.h>

#include "assetgen/sound/xm_writer.h"

namespace {

std::uint32_t le(const std::vector<std::byte>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v |= static_cast<std::uint32_t>(b.at(at + i)) << (8 * i);
  return v;
}

int byteAt(const std::vector<std::byte>& b, std::size_t at) {
  return static_cast<int>(b.at(at));
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

TEST(XmLayout, ModuleHeaderAndOrderTable) {
  assetgen::XmModule m = twoCellSong();
  m.name = "test";
  m.bpm = 120;
  m.restartPosition = 1;
  m.patterns.push_back(m.patterns[0]);
  m.order = {0, 0, 1};
  const auto xm = assetgen::EncodeXm(m);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(xm.data()), 21), "Extended Module: test");
  EXPECT_EQ(byteAt(xm, 37), 0x1A);
  EXPECT_EQ(le(xm, 58, 2), 0x0104u) << "version";
  EXPECT_EQ(le(xm, 60, 4), 276u) << "header size";
  EXPECT_EQ(le(xm, 64, 2), 3u) << "song length";
  EXPECT_EQ(le(xm, 66, 2), 1u) << "restart position";
  EXPECT_EQ(le(xm, 68, 2), 2u) << "channels";
  EXPECT_EQ(le(xm, 70, 2), 2u) << "patterns";
  EXPECT_EQ(le(xm, 72, 2), 1u) << "instruments";
  EXPECT_EQ(le(xm, 78, 2), 120u) << "BPM";
  EXPECT_EQ(byteAt(xm, 80 + 2), 1) << "order table";
}

TEST(XmLayout, CellsPackEveryFieldOrAKeyOffAlone) {
  const auto xm = assetgen::EncodeXm(twoCellSong());
  const std::size_t pattern = 60 + 276;
  EXPECT_EQ(le(xm, pattern + 5, 2), 1u) << "rows";
  ASSERT_EQ(le(xm, pattern + 7, 2), 6u + 2u) << "packed size: a full cell, then a key-off";
  const std::size_t data = pattern + 9;
  EXPECT_EQ(byteAt(xm, data), 0x80 | 0x1F);
  EXPECT_EQ(byteAt(xm, data + 1), 61);
  EXPECT_EQ(byteAt(xm, data + 2), 1);
  EXPECT_EQ(byteAt(xm, data + 3), 0x30);
  EXPECT_EQ(byteAt(xm, data + 4), 0x0C);
  EXPECT_EQ(byteAt(xm, data + 5), 0x20);
  EXPECT_EQ(byteAt(xm, data + 6), 0x80 | 0x01);
  EXPECT_EQ(byteAt(xm, data + 7), 97) << "key-off";
}

TEST(XmLayout, InstrumentHeaderFieldsSitAtTheirOffsets) {
  const auto xm = assetgen::EncodeXm(twoCellSong());
  const std::size_t in = 60 + 276 + 9 + 8;
  EXPECT_EQ(le(xm, in, 4), 263u) << "instrument header size";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(xm.data() + in + 4), 4), "lead");
  EXPECT_EQ(byteAt(xm, in + 26), 0) << "type";
  EXPECT_EQ(le(xm, in + 27, 2), 1u) << "samples";
  EXPECT_EQ(le(xm, in + 29, 4), 40u) << "sample header size";
  for (std::size_t note = 0; note < 96; ++note)
    ASSERT_EQ(byteAt(xm, in + 33 + note), 0) << "note " << note << " plays sample 0";
  // Volume envelope points as (tick, value) words from +129.
  EXPECT_EQ(le(xm, in + 129 + 4, 2), 2u);
  EXPECT_EQ(le(xm, in + 129 + 6, 2), 64u);
  EXPECT_EQ(le(xm, in + 129 + 8, 2), 40u);
  EXPECT_EQ(le(xm, in + 129 + 10, 2), 34u);
  EXPECT_EQ(le(xm, in + 129 + 12, 2), 0u) << "unused points are zero";
  EXPECT_EQ(byteAt(xm, in + 225), 3) << "volume points";
  EXPECT_EQ(byteAt(xm, in + 226), 0) << "panning points";
  EXPECT_EQ(byteAt(xm, in + 227), 2) << "volume sustain point";
  EXPECT_EQ(byteAt(xm, in + 233), 1 | 2) << "volume envelope on, with sustain";
  EXPECT_EQ(byteAt(xm, in + 234), 0) << "panning envelope off";
  EXPECT_EQ(le(xm, in + 239, 2), 1500u) << "fade-out";

  const std::size_t sample = in + 263;
  EXPECT_EQ(le(xm, sample, 4), 4u) << "length";
  EXPECT_EQ(le(xm, sample + 4, 4), 1u) << "loop start";
  EXPECT_EQ(le(xm, sample + 8, 4), 2u) << "loop length";
  EXPECT_EQ(byteAt(xm, sample + 12), 44) << "volume";
  EXPECT_EQ(byteAt(xm, sample + 13), 0) << "finetune";
  EXPECT_EQ(byteAt(xm, sample + 14), 1) << "8-bit, forward loop";
  EXPECT_EQ(byteAt(xm, sample + 15), 96) << "panning";
  EXPECT_EQ(static_cast<std::int8_t>(xm.at(sample + 16)), -12) << "relative note";
  const std::size_t data = sample + 40;
  ASSERT_EQ(xm.size(), data + 4);
  // Deltas: 0, +100, -200 (wrapping to +56 in a byte), +100.
  EXPECT_EQ(static_cast<std::int8_t>(xm[data + 1]), 100);
  EXPECT_EQ(static_cast<std::int8_t>(xm[data + 2]), 56);
  EXPECT_EQ(static_cast<std::int8_t>(xm[data + 3]), 100);
}

TEST(XmLayout, InstrumentWithoutEnvelopeOrLoopSaysSo) {
  assetgen::XmModule m = twoCellSong();
  m.instruments[0].envelope.clear();
  m.instruments[0].loopLength = 0;
  const auto xm = assetgen::EncodeXm(m);
  const std::size_t in = 60 + 276 + 9 + 8;
  EXPECT_EQ(byteAt(xm, in + 225), 0);
  EXPECT_EQ(byteAt(xm, in + 233), 0) << "a sustain point without an envelope is ignored";
  EXPECT_EQ(byteAt(xm, in + 263 + 14), 0) << "no loop";
}

TEST(XmLayout, DurationCountsRowsThroughTheOrderTable) {
  assetgen::XmModule m = twoCellSong();
  m.patterns[0].rows = 64;
  m.order = {0, 0, 0};
  m.tempo = 6;
  m.bpm = 125;
  // A tick lasts 2.5 / BPM seconds: 192 rows of 6 ticks at 125 BPM.
  EXPECT_DOUBLE_EQ(assetgen::XmDurationSeconds(m), 192 * 6 * 2.5 / 125);
}

}  // namespace
