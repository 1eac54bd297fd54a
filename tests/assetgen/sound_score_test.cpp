// Scores arranged into modules: notes, rests, chords and rhythm lines land on the right rows and
// channels, and every kind of notation error is refused with a message naming where it is.
#include <gtest/gtest.h>

#include "assetgen/sound/instruments.h"
#include "assetgen/sound/score.h"
#include "assetgen/sound/song_scores.h"

namespace {

using assetgen::ArrangeScore;
using assetgen::Score;
using assetgen::ScoreSection;
using assetgen::XmCell;

constexpr int kMelody = 0, kHarmony = 1, kBass = 2, kDrums = 3, kHats = 4;

ScoreSection quiet(char letter) {
  // A whole section of one held note, one chord, and rhythm lines that play nothing.
  return {letter,
          "C5---------------------------------------------------------------",
          "C",
          "................",
          "................",
          "................",
          "................"};
}

Score oneSection(ScoreSection section) {
  Score s;
  s.name = "t";
  s.sections = {std::move(section)};
  s.order = "A";
  return s;
}

const XmCell& at(const assetgen::XmModule& m, int row, int channel) {
  return m.patterns.at(0).cells.at(static_cast<std::size_t>(row * 5 + channel));
}

using RowNotes = std::vector<std::pair<int, int>>;

// Note numbers count from 1 = C0 in semitones: 12 * octave + step + 1.
TEST(ScoreArrangement, NotesChordsAndBassLinesLandOnTheirRows) {
  ScoreSection s = quiet('A');
  s.melody = "F#5- Bb3--- r C4 A7" + std::string(55, '-');
  s.chords = "C Am F# Bbm";  // sixteen rows each
  s.arpeggio = "0123............";
  s.bass = "R3FOL^..........";
  const auto m = ArrangeScore(oneSection(s));
  ASSERT_TRUE(m.ok()) << m.error().message;
  constexpr int kOff = assetgen::kXmKeyOff;
  // Melody: F#5, held (further rows empty), Bb3, a rest releasing it, C4 (the sample's own
  // pitch), A7.
  const RowNotes melody = {{0, 67}, {1, 0}, {2, 47}, {6, kOff}, {7, 49}, {8, 94}};
  // C major in the harmony's octave 4: C4 E4 G4 C5. A minor: a root above G goes an octave
  // down (A3), its third is minor (C4). F# major: root F#4 (not above G), major third A#4.
  // Bb minor: root Bb3, third Db4.
  const RowNotes harmony = {{0, 49},  {1, 53},  {2, 56},  {3, 61},  {16, 46},
                            {17, 49}, {32, 55}, {33, 59}, {48, 47}, {49, 50}};
  // Bass in octave 3 over C: root, third, fifth, octave, fifth below, release, nothing; the
  // line repeats over A minor (A2).
  const RowNotes bass = {{0, 37}, {1, 41}, {2, 44}, {3, 49}, {4, 32}, {5, kOff}, {6, 0}, {16, 34}};
  for (const auto& [channel, notes] :
       {std::pair{kMelody, melody}, {kHarmony, harmony}, {kBass, bass}})
    for (const auto& [row, note] : notes)
      EXPECT_EQ(at(*m, row, channel).note, note) << "row " << row << " channel " << channel;
  EXPECT_EQ(at(*m, 0, kMelody).instrument, assetgen::kLead);
  EXPECT_EQ(at(*m, 6, kMelody).instrument, 0);
  EXPECT_EQ(at(*m, 0, kHarmony).instrument, assetgen::kHarmony);
}

TEST(ScoreArrangement, DrumAndHatLinesRepeatOverTheSection) {
  ScoreSection s = quiet('A');
  s.drums = "KSs.";
  s.hats = "hH";
  const auto m = ArrangeScore(oneSection(s));
  ASSERT_TRUE(m.ok()) << m.error().message;
  for (int row : {0, 60}) {
    EXPECT_EQ(at(*m, row, kDrums).instrument, assetgen::kKick) << row;
    EXPECT_EQ(at(*m, row + 1, kDrums).instrument, assetgen::kSnare) << row;
    EXPECT_EQ(at(*m, row + 1, kDrums).volume, 0) << "a full snare keeps its own volume";
    EXPECT_EQ(at(*m, row + 2, kDrums).instrument, assetgen::kSnare) << row;
    EXPECT_EQ(at(*m, row + 2, kDrums).volume, 0x10 + 22) << "a soft snare";
    EXPECT_EQ(at(*m, row + 3, kDrums).note, 0) << row;
  }
  EXPECT_EQ(at(*m, 62, kHats).volume, 0x10 + 26);
  EXPECT_EQ(at(*m, 63, kHats).volume, 0x10 + 44);
  EXPECT_EQ(at(*m, 63, kHats).instrument, assetgen::kHat);
}

TEST(ScoreArrangement, OrderMapsLettersToPatternsAndLoopsToTheStart) {
  Score s;
  s.name = "t";
  s.sections = {quiet('X'), quiet('Y')};
  s.order = "XYYX";
  const auto m = ArrangeScore(s);
  ASSERT_TRUE(m.ok()) << m.error().message;
  EXPECT_EQ(m->order, (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(m->patterns.size(), 2u);
  EXPECT_EQ(m->restartPosition, 0);
}

TEST(ScoreArrangement, RefusesBadNotationNamingSectionAndPart) {
  const auto message = [](const Score& s) {
    const auto m = ArrangeScore(s);
    return m.ok() ? std::string("accepted") : m.error().message;
  };
  const std::string held = quiet('B').melody;
  const struct {
    std::string ScoreSection::*part;
    std::string text;
    const char* message;
  } cases[] = {{&ScoreSection::melody, "C5---", "melody: lasts 4 rows, not 64"},
               {&ScoreSection::melody, held + "-", "melody: runs past row 64"},
               {&ScoreSection::melody, "H5" + held.substr(2), "melody: \"H5\" is not a note"},
               {&ScoreSection::melody, "C8" + held.substr(2), "melody: \"C8\" is not a note"},
               {&ScoreSection::melody, "C5-x " + held.substr(4),
                "melody: \"C5-x\" is not a note and its length"},
               {&ScoreSection::chords, "C Am F", "chords: 3 chords do not divide 64 rows"},
               {&ScoreSection::chords, "Cmaj", "chords: \"Cmaj\" is not a chord"},
               {&ScoreSection::bass, "R..", "bass: is 3 rows long, which does not divide 64"},
               {&ScoreSection::drums, "K.x.", "drums: 'x' means nothing here"}};
  for (const auto& c : cases) {
    ScoreSection s = quiet('B');
    s.*c.part = c.text;
    EXPECT_EQ(message(oneSection(s)), std::string("t: section B ") + c.message);
  }
  Score missing = oneSection(quiet('B'));
  missing.order = "BC";
  EXPECT_EQ(message(missing), "t: the order names no section C");
  missing.order = "";
  EXPECT_EQ(message(missing), "t: the order is empty");
}

TEST(ScoreArrangement, EverySongUsesEachSectionAndKeepsItsNotesInRange) {
  for (const Score& score : {assetgen::MenuSong(), assetgen::ClassicSong(), assetgen::RelaySong(),
                             assetgen::UnlimitedSong()}) {
    const auto m = ArrangeScore(score);
    ASSERT_TRUE(m.ok()) << m.error().message;
    for (std::size_t p = 0; p < m->patterns.size(); ++p)
      EXPECT_NE(std::find(m->order.begin(), m->order.end(), static_cast<int>(p)), m->order.end())
          << score.name << ": section " << score.sections[p].letter << " is never played";
    for (const auto& pattern : m->patterns)
      for (const XmCell& c : pattern.cells)
        if (c.note != 0 && c.note != assetgen::kXmKeyOff) {
          // Far outside this the short looped samples alias or rumble.
          EXPECT_GE(c.note, 12 * 2 + 1) << score.name;
          EXPECT_LE(c.note, 12 * 7) << score.name;
        }
  }
}

}  // namespace
