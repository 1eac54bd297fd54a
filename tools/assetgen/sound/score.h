// A song written as text, one line of notation per part, and its arrangement into an XM module
// on five channels: melody, harmony, bass, drums and hats.
//
// Every section is one 64-row pattern (four bars of sixteen rows). Its parts:
// - melody: notes such as "E5", "F#4" or "Bb3" (C4 is middle C) and rests "r", each token
//   followed by one '-' per further row it lasts; a rest releases the note before it. The
//   tokens must add up to exactly 64 rows.
// - chords: chord names spread evenly over the 64 rows ("C Am F G": sixteen rows each); a root
//   A..G, an optional '#' or 'b' and an optional 'm' for minor.
// - the rhythm parts, each a string of one character a row repeated to fill the section (its
//   length must divide 64), '.' meaning nothing on that row:
//   - arpeggio, the harmony: '0' the chord's root, '1' its third, '2' its fifth, '3' the root an
//     octave up;
//   - bass: 'R' the root, '3' the third, 'F' the fifth, 'O' the root an octave up, 'L' the
//     fifth below, '^' release;
//   - drums: 'K' kick, 'S' snare, 's' soft snare;
//   - hats: 'h' closed hat, 'H' accented hat.
// The order string lists sections by letter; after the last the song goes back to the start.
#pragma once

#include <string>
#include <vector>

#include "assetgen/sound/instruments.h"
#include "assetgen/sound/xm_writer.h"
#include "util/result.h"

namespace assetgen {

struct ScoreSection {
  char letter = 'A';
  std::string melody;
  std::string chords;
  std::string arpeggio;
  std::string bass;
  std::string drums;
  std::string hats;
};

struct Score {
  std::string name;  // the module's title
  int bpm = 125;
  int tempo = 6;  // ticks a row
  int harmonyOctave = 4;
  int bassOctave = 3;  // the bass instrument sounds an octave below its notes
  LeadTimbre lead;
  std::vector<ScoreSection> sections;
  std::string order;  // section letters in playing order
};

inline constexpr int kScoreRows = 64;
inline constexpr int kScoreChannels = 5;

/// The score as a module with the song instruments, one pattern per section, looping to its
/// first order. Fails (Malformed, naming the section and part) on notation that does not parse,
/// parts of the wrong length or an order naming a missing section.
util::Result<XmModule> ArrangeScore(const Score& score);

}  // namespace assetgen
