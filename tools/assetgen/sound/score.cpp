#include "assetgen/sound/score.h"

#include <optional>
#include <sstream>

#include "assetgen/sound/instruments.h"

namespace assetgen {
namespace {

enum Channel { kMelodyChannel, kHarmonyChannel, kBassChannel, kDrumChannel, kHatChannel };

constexpr std::uint8_t kKickNote = 49;  // C-4: the drum samples at their own pitch
constexpr std::uint8_t kHatNote = 61;   // an octave up, so the hat stays short and bright

struct Chord {
  int root = 0;  // pitch class, 0 = C
  bool minor = false;
};

std::uint8_t volume(int level) {
  return static_cast<std::uint8_t>(0x10 + level);
}

// Semitone of a note letter above C; -1 for anything else.
int letterPitch(char c) {
  switch (c) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

// "F#5" as an XM note (1 = C-0); nullopt when it is not a note in the playable range.
std::optional<int> parseNote(const std::string& name) {
  if (name.size() < 2 || name.size() > 3) return std::nullopt;
  int pitch = letterPitch(name[0]);
  if (pitch < 0) return std::nullopt;
  std::size_t at = 1;
  if (name[at] == '#' || name[at] == 'b') {
    pitch += name[at] == '#' ? 1 : -1;
    ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '7') return std::nullopt;
  const int note = 12 * (name[at] - '0') + pitch + 1;
  if (note < 1 || note > 96) return std::nullopt;
  return note;
}

std::optional<Chord> parseChord(const std::string& name) {
  if (name.empty() || letterPitch(name[0]) < 0) return std::nullopt;
  Chord chord{letterPitch(name[0]), false};
  std::size_t at = 1;
  if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
    chord.root = (chord.root + (name[at] == '#' ? 1 : 11)) % 12;
    ++at;
  }
  if (at < name.size() && name[at] == 'm') {
    chord.minor = true;
    ++at;
  }
  if (at != name.size()) return std::nullopt;
  return chord;
}

class Arranger {
 public:
  Arranger(const Score& score, const ScoreSection& section, XmPattern& pattern)
      : score_(score), section_(section), pattern_(pattern) {}

  std::optional<std::string> run() {
    pattern_.rows = kScoreRows;
    pattern_.cells.assign(kScoreRows * kScoreChannels, XmCell{});
    if (auto failure = melody()) return failure;
    if (auto failure = chords()) return failure;
    for (const char* part : {"arpeggio", "bass", "drums", "hats"})
      if (auto failure = rhythm(part)) return failure;
    return std::nullopt;
  }

 private:
  XmCell& cell(int row, Channel channel) {
    return pattern_.cells[static_cast<std::size_t>(row * kScoreChannels + channel)];
  }

  std::string fail(const std::string& part, const std::string& what) const {
    return std::string("section ") + section_.letter + " " + part + ": " + what;
  }

  std::optional<std::string> melody() {
    std::istringstream tokens(section_.melody);
    std::string token;
    int row = 0;
    while (tokens >> token) {
      const std::size_t dashes = token.find('-');
      const std::string name = token.substr(0, dashes);
      const int length =
          1 + (dashes == std::string::npos ? 0 : static_cast<int>(token.size() - dashes));
      if (dashes != std::string::npos && token.find_first_not_of('-', dashes) != std::string::npos)
        return fail("melody", "\"" + token + "\" is not a note and its length");
      if (row + length > kScoreRows) return fail("melody", "runs past row 64");
      if (name == "r") {
        cell(row, kMelodyChannel) = {kXmKeyOff, 0, 0, 0, 0};
      } else if (auto note = parseNote(name)) {
        cell(row, kMelodyChannel) = {static_cast<std::uint8_t>(*note), kLead, 0, 0, 0};
      } else {
        return fail("melody", "\"" + name + "\" is not a note");
      }
      row += length;
    }
    if (row != kScoreRows) return fail("melody", "lasts " + std::to_string(row) + " rows, not 64");
    return std::nullopt;
  }

  std::optional<std::string> chords() {
    std::istringstream names(section_.chords);
    std::string name;
    while (names >> name) {
      auto chord = parseChord(name);
      if (!chord) return fail("chords", "\"" + name + "\" is not a chord");
      chords_.push_back(*chord);
    }
    if (chords_.empty() || kScoreRows % static_cast<int>(chords_.size()) != 0)
      return fail("chords", std::to_string(chords_.size()) + " chords do not divide 64 rows");
    return std::nullopt;
  }

  const Chord& chordAt(int row) const {
    const int span = kScoreRows / static_cast<int>(chords_.size());
    return chords_[static_cast<std::size_t>(row / span)];
  }

  // The note of a chord tone (semitones above the root) with the root placed in octave, roots
  // above G a step down so the harmony stays in one register.
  static std::uint8_t chordNote(const Chord& chord, int semitones, int octave) {
    const int base = 12 * (chord.root > 7 ? octave - 1 : octave) + chord.root + 1;
    return static_cast<std::uint8_t>(base + semitones);
  }

  std::optional<std::string> rhythm(const std::string& part) {
    const std::string& line = part == "arpeggio" ? section_.arpeggio
                              : part == "bass"   ? section_.bass
                              : part == "drums"  ? section_.drums
                                                 : section_.hats;
    if (line.empty() || kScoreRows % static_cast<int>(line.size()) != 0)
      return fail(part,
                  "is " + std::to_string(line.size()) + " rows long, which does not divide 64");
    for (int row = 0; row < kScoreRows; ++row) {
      const char c = line[static_cast<std::size_t>(row) % line.size()];
      if (c == '.') continue;
      const Chord& chord = chordAt(row);
      const int third = chord.minor ? 3 : 4;
      std::optional<XmCell> put;
      if (part == "arpeggio") {
        const int tones[4] = {0, third, 7, 12};
        if (c >= '0' && c <= '3')
          put = XmCell{chordNote(chord, tones[c - '0'], score_.harmonyOctave), kHarmony,
                       volume(c == '0' ? 40 : 32), 0, 0};
      } else if (part == "bass") {
        const int octave = score_.bassOctave;
        switch (c) {
          case 'R':
            put = XmCell{chordNote(chord, 0, octave), kBass, 0, 0, 0};
            break;
          case '3':
            put = XmCell{chordNote(chord, third, octave), kBass, 0, 0, 0};
            break;
          case 'F':
            put = XmCell{chordNote(chord, 7, octave), kBass, 0, 0, 0};
            break;
          case 'O':
            put = XmCell{chordNote(chord, 12, octave), kBass, 0, 0, 0};
            break;
          case 'L':
            put = XmCell{chordNote(chord, -5, octave), kBass, 0, 0, 0};
            break;
          case '^':
            put = XmCell{kXmKeyOff, 0, 0, 0, 0};
            break;
          default:
            break;
        }
      } else if (part == "drums") {
        if (c == 'K') put = XmCell{kKickNote, kKick, 0, 0, 0};
        if (c == 'S') put = XmCell{kKickNote, kSnare, 0, 0, 0};
        if (c == 's') put = XmCell{kKickNote, kSnare, volume(22), 0, 0};
      } else if (c == 'h' || c == 'H') {
        put = XmCell{kHatNote, kHat, volume(c == 'H' ? 44 : 26), 0, 0};
      }
      if (!put) return fail(part, std::string("'") + c + "' means nothing here");
      const Channel channel = part == "arpeggio" ? kHarmonyChannel
                              : part == "bass"   ? kBassChannel
                              : part == "drums"  ? kDrumChannel
                                                 : kHatChannel;
      cell(row, channel) = *put;
    }
    return std::nullopt;
  }

  const Score& score_;
  const ScoreSection& section_;
  XmPattern& pattern_;
  std::vector<Chord> chords_;
};

}  // namespace

util::Result<XmModule> ArrangeScore(const Score& score) {
  XmModule module;
  module.name = score.name;
  module.channels = kScoreChannels;
  module.tempo = score.tempo;
  module.bpm = score.bpm;
  module.restartPosition = 0;
  module.instruments = SongInstruments(score.lead);
  for (const ScoreSection& section : score.sections) {
    XmPattern pattern;
    if (auto failure = Arranger(score, section, pattern).run())
      return util::makeError(util::ErrorCode::Malformed, score.name + ": " + *failure);
    module.patterns.push_back(std::move(pattern));
  }
  for (char letter : score.order) {
    std::size_t index = 0;
    while (index < score.sections.size() && score.sections[index].letter != letter)
      ++index;
    if (index == score.sections.size())
      return util::makeError(util::ErrorCode::Malformed,
                             score.name + ": the order names no section " + letter);
    module.order.push_back(static_cast<int>(index));
  }
  if (module.order.empty())
    return util::makeError(util::ErrorCode::Malformed, score.name + ": the order is empty");
  return module;
}

}  // namespace assetgen
