// Extended Module (.xm) files: patterns of notes on several channels played by instruments,
// each instrument here holding one 8-bit sample.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace assetgen {

inline constexpr std::uint8_t kXmKeyOff = 97;  // note value that releases the channel's note

struct XmCell {
  std::uint8_t note = 0;        // 1 = C-0 .. 96 = B-7, kXmKeyOff, 0 = none
  std::uint8_t instrument = 0;  // 1-based, 0 = none
  std::uint8_t volume = 0;      // volume column: 0x10 + 0..64 sets the volume, 0 = none
  std::uint8_t effect = 0;
  std::uint8_t parameter = 0;
};

struct XmPattern {
  int rows = 64;
  std::vector<XmCell> cells;  // rows x channels, row by row
};

struct XmInstrument {
  std::string name;
  std::vector<std::int8_t> sample;  // signed 8-bit, played at 8363 Hz at C-4 (note 49)
  int loopStart = 0;                // in samples; loopLength 0: no loop
  int loopLength = 0;
  int volume = 64;  // 0..64
  int relativeNote = 0;
  int panning = 128;
  /// Volume envelope points (tick, value 0..64); empty: no envelope. With an envelope a key-off
  /// releases the note through the fade-out instead of cutting it.
  std::vector<std::pair<int, int>> envelope;
  int sustainPoint = -1;
  int fadeout = 0;
};

struct XmModule {
  std::string name;
  int channels = 4;
  int tempo = 6;  // ticks a row
  int bpm = 125;
  int restartPosition = 0;  // the order position the song loops back to
  std::vector<int> order;   // pattern numbers in playing order
  std::vector<XmPattern> patterns;
  std::vector<XmInstrument> instruments;
};

/// The module as an .xm file (version 1.04, linear frequencies, packed patterns, delta-coded
/// samples). The module must fit the format: 1..256 orders naming existing patterns, 1..32
/// channels, patterns of 1..256 rows with rows x channels cells, at most 128 instruments.
std::vector<std::byte> EncodeXm(const XmModule& module);

}  // namespace assetgen
