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

TEST(ScoreArrangement, MelodyNotesRestsAndLengthsLandOnTheirRows) {
  ScoreSection s = quiet('A');
  s.melody = "F#5- Bb3--- r C4 A7" + std::string(55, '-');
  const auto m = ArrangeScore(oneSection(s));
  ASSERT_TRUE(m.ok()) << m.error().message;
  EXPECT_EQ(at(*m, 0, kMelody).note, 12 * 5 + 6 + 1) << "F#5";
  EXPECT_EQ(at(*m, 0, kMelody).instrument, assetgen::kLead);
  EXPECT_EQ(at(*m, 1, kMelody).note, 0) << "a held note leaves its further rows empty";
  EXPECT_EQ(at(*m, 2, kMelody).note, 12 * 3 + 10 + 1) << "Bb3";
  EXPECT_EQ(at(*m, 6, kMelody).note, assetgen::kXmKeyOff) << "a rest releases the note";
  EXPECT_EQ(at(*m, 6, kMelody).instrument, 0);
  EXPECT_EQ(at(*m, 7, kMelody).note, 49) << "C4 is the sample's own pitch";
  EXPECT_EQ(at(*m, 8, kMelody).note, 12 * 7 + 9 + 1) << "A7";
}

TEST(ScoreArrangement, ChordsDriveTheHarmonyAndTheBass) {
  ScoreSection s = quiet('A');
  s.chords = "C Am F# Bbm";  // sixteen rows each
  s.arpeggio = "0123............";
  s.bass = "R3FOL^..........";
  const auto m = ArrangeScore(oneSection(s));
  ASSERT_TRUE(m.ok()) << m.error().message;
  // C major in the harmony's octave 4: C4 E4 G4 C5.
  EXPECT_EQ(at(*m, 0, kHarmony).note, 49);
  EXPECT_EQ(at(*m, 1, kHarmony).note, 53);
  EXPECT_EQ(at(*m, 2, kHarmony).note, 56);
  EXPECT_EQ(at(*m, 3, kHarmony).note, 61);
  EXPECT_EQ(at(*m, 0, kHarmony).instrument, assetgen::kHarmony);
  // A minor: a root above G goes an octave down (A3), and its third is minor (C4).
  EXPECT_EQ(at(*m, 16, kHarmony).note, 12 * 3 + 9 + 1);
  EXPECT_EQ(at(*m, 17, kHarmony).note, 49);
  // F# major: root F#4 (not above G), major third A#4.
  EXPECT_EQ(at(*m, 32, kHarmony).note, 12 * 4 + 6 + 1);
  EXPECT_EQ(at(*m, 33, kHarmony).note, 12 * 4 + 10 + 1);
  // Bb minor: root Bb3, third Db4.
  EXPECT_EQ(at(*m, 48, kHarmony).note, 12 * 3 + 10 + 1);
  EXPECT_EQ(at(*m, 49, kHarmony).note, 12 * 4 + 1 + 1);
  // Bass in octave 3 over C: root, third, fifth, octave, fifth below, release.
  EXPECT_EQ(at(*m, 0, kBass).note, 37);
  EXPECT_EQ(at(*m, 1, kBass).note, 41);
  EXPECT_EQ(at(*m, 2, kBass).note, 44);
  EXPECT_EQ(at(*m, 3, kBass).note, 49);
  EXPECT_EQ(at(*m, 4, kBass).note, 32);
  EXPECT_EQ(at(*m, 5, kBass).note, assetgen::kXmKeyOff);
  EXPECT_EQ(at(*m, 6, kBass).note, 0);
  EXPECT_EQ(at(*m, 16, kBass).note, 12 * 2 + 9 + 1) << "the A minor root, repeated line";
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
  s.bpm = 140;
  s.sections = {quiet('X'), quiet('Y')};
  s.order = "XYYX";
  const auto m = ArrangeScore(s);
  ASSERT_TRUE(m.ok()) << m.error().message;
  EXPECT_EQ(m->order, (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(m->patterns.size(), 2u);
  EXPECT_EQ(m->restartPosition, 0);
  EXPECT_EQ(m->channels, 5);
  EXPECT_EQ(m->bpm, 140);
  EXPECT_EQ(m->instruments.size(), 6u);
}

TEST(ScoreArrangement, RefusesBadNotationNamingSectionAndPart) {
  const auto message = [](Score s) {
    const auto m = ArrangeScore(s);
    return m.ok() ? std::string("accepted") : m.error().message;
  };
  ScoreSection s = quiet('B');
  s.melody = "C5---";
  EXPECT_EQ(message(oneSection(s)), "t: section B melody: lasts 4 rows, not 64");
  s.melody = quiet('B').melody + "-";
  EXPECT_EQ(message(oneSection(s)), "t: section B melody: runs past row 64");
  s.melody = "H5" + quiet('B').melody.substr(2);
  EXPECT_EQ(message(oneSection(s)), "t: section B melody: \"H5\" is not a note");
  s.melody = "C8" + quiet('B').melody.substr(2);
  EXPECT_EQ(message(oneSection(s)), "t: section B melody: \"C8\" is not a note");
  s.melody = "C5-x " + quiet('B').melody.substr(4);
  EXPECT_EQ(message(oneSection(s)), "t: section B melody: \"C5-x\" is not a note and its length");
  s = quiet('B');
  s.chords = "C Am F";
  EXPECT_EQ(message(oneSection(s)), "t: section B chords: 3 chords do not divide 64 rows");
  s.chords = "Cmaj";
  EXPECT_EQ(message(oneSection(s)), "t: section B chords: \"Cmaj\" is not a chord");
  s = quiet('B');
  s.bass = "R..";
  EXPECT_EQ(message(oneSection(s)), "t: section B bass: is 3 rows long, which does not divide 64");
  s = quiet('B');
  s.drums = "K.x.";
  EXPECT_EQ(message(oneSection(s)), "t: section B drums: 'x' means nothing here");
  s = quiet('B');
  Score missing = oneSection(s);
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

namespace {

TEST(SongInstruments, LeadTimbreShapesTheMelodyInstrumentOnly) {
  assetgen::LeadTimbre soft{{1.0f}, 10, 500};
  const auto plain = assetgen::SongInstruments();
  const auto swelling = assetgen::SongInstruments(soft);
  ASSERT_EQ(swelling.size(), 6u);
  const auto& lead = swelling[assetgen::kLead - 1];
  ASSERT_EQ(lead.envelope.size(), 4u);
  EXPECT_EQ(lead.envelope[1], (std::pair<int, int>{10, 64})) << "full volume after the attack";
  EXPECT_EQ(lead.fadeout, 500);
  // A pure fundamental: the looped sample is one sine, 8 cycles in 256 samples.
  ASSERT_EQ(lead.sample.size(), 256u);
  EXPECT_EQ(lead.sample[0], 0);
  EXPECT_NEAR(lead.sample[8], 114, 1) << "a quarter cycle in: the sine's crest at 0.9 x 127";
  EXPECT_NE(lead.sample, plain[assetgen::kLead - 1].sample);
  for (int i = assetgen::kHarmony; i <= assetgen::kHat; ++i)
    EXPECT_EQ(swelling[i - 1].sample, plain[i - 1].sample) << "instrument " << i;
  // Out-of-range settings are held to what the format and the sample allow.
  const auto wild = assetgen::SongInstruments({std::vector<float>(20, 1.0f), 0, 9000});
  EXPECT_EQ(wild[0].envelope[1].first, 1);
  EXPECT_EQ(wild[0].fadeout, 4095);
  const auto none = assetgen::SongInstruments({{}, 2, 100});
  EXPECT_NE(none[0].sample[8], 0) << "no harmonics given still sounds the fundamental";
}

}  // namespace
