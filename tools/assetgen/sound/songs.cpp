#include "assetgen/sound/songs.h"

#include <algorithm>

#include "assetgen/sound/instruments.h"
#include "util/random.h"

namespace assetgen {
namespace {

constexpr int kChannels = 5;  // melody, harmony, bass, kick and snare, hat
constexpr int kRows = 64;     // four chords of sixteen rows a pattern

constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

struct SongPlan {
  const char* name;
  int root;  // key note, semitones above C
  bool minor;
  int bpm;
  int melodyStep;     // rows between melody notes
  int bassStep;       // rows between bass notes
  bool drivingDrums;  // extra kicks and a busier hat
  std::uint32_t seed;
  std::vector<std::vector<int>> progressions;  // per pattern: four scale degrees (0-based)
  std::vector<int> order;
};

class Composer {
 public:
  explicit Composer(const SongPlan& plan) : plan_(plan), random_(plan.seed) {}

  XmModule compose() {
    XmModule m;
    m.name = plan_.name;
    m.channels = kChannels;
    m.tempo = 6;
    m.bpm = plan_.bpm;
    m.restartPosition = 0;
    m.order = plan_.order;
    m.instruments = SongInstruments();
    for (std::size_t p = 0; p < plan_.progressions.size(); ++p)
      m.patterns.push_back(pattern(plan_.progressions[p], p + 1 == plan_.progressions.size()));
    return m;
  }

 private:
  // The note number (1 = C-0) of scale degree d (any integer) in octave o.
  std::uint8_t note(int degree, int octave) const {
    const int* scale = plan_.minor ? kMinor : kMajor;
    const int step = ((degree % 7) + 7) % 7;
    const int octaves = (degree - step) / 7;
    return static_cast<std::uint8_t>(12 * (octave + octaves) + plan_.root + scale[step] + 1);
  }

  int next(int n) { return random_.next() % n; }

  XmPattern pattern(const std::vector<int>& chords, bool fill) {
    XmPattern p;
    p.rows = kRows;
    p.cells.assign(static_cast<std::size_t>(kRows * kChannels), XmCell{});
    const auto cell = [&](int row, int channel) -> XmCell& {
      return p.cells[static_cast<std::size_t>(row * kChannels + channel)];
    };
    int melody = chords[0] + 7;  // degree, starting an octave up on the chord's root
    for (int row = 0; row < kRows; ++row) {
      const int chord = chords[static_cast<std::size_t>(row / 16)];
      const int inChord = row % 16;
      // Melody: steps and small leaps, chord tones on the beats, a breath before each chord.
      if (row % plan_.melodyStep == 0) {
        if (inChord == 16 - plan_.melodyStep && next(3) == 0) {
          cell(row, 0) = {kXmKeyOff, 0, 0, 0, 0};
        } else {
          if (inChord == 0 || row % 8 == 0) {
            const int tones[3] = {chord, chord + 2, chord + 4};
            int best = tones[0] + 7;
            for (int t : tones)
              for (int o : {0, 7})
                if (std::abs(t + o - melody) < std::abs(best - melody)) best = t + o;
            melody = best;
          } else {
            melody += next(5) - 2;
          }
          melody = std::clamp(melody, 4, 14);
          cell(row, 0) = {note(melody, 4), kLead, 0, 0, 0};
        }
      }
      // Harmony: the chord broken into root, third, fifth, third every two rows.
      if (row % 2 == 0) {
        const int arpeggio[4] = {0, 2, 4, 2};
        cell(row, 1) = {note(chord + arpeggio[(row / 2) % 4], 4), kHarmony,
                        static_cast<std::uint8_t>(0x10 + (row % 4 == 0 ? 40 : 30)), 0, 0};
      }
      // Bass: the root, and the fifth on the off-beats.
      if (row % plan_.bassStep == 0) {
        const bool fifth = (row / plan_.bassStep) % 2 == 1 && next(2) == 0;
        cell(row, 2) = {note(chord + (fifth ? 4 : 0), 3), kBass, 0, 0, 0};
      }
      // Drums: kick on the downbeats, snare on the backbeats, the hat between them; the last
      // pattern ends in a snare roll that leads back to the start.
      if (fill && row >= 56) {
        cell(row, 3) = {49, kSnare, static_cast<std::uint8_t>(0x10 + 24 + (row - 56) * 5), 0, 0};
      } else if (row % 8 == 0 || (plan_.drivingDrums && row % 16 == 10)) {
        cell(row, 3) = {49, kKick, 0, 0, 0};
      } else if (row % 8 == 4) {
        cell(row, 3) = {49, kSnare, 0, 0, 0};
      }
      if (row % 2 == 0 || (plan_.drivingDrums && next(3) == 0))
        cell(row, 4) = {61, kHat, static_cast<std::uint8_t>(0x10 + (row % 4 == 0 ? 40 : 24)), 0, 0};
    }
    return p;
  }

  const SongPlan& plan_;
  util::Random random_;
};

}  // namespace

std::map<std::string, XmModule> ComposeSongs() {
  const SongPlan plans[] = {
      // The menus: bright and easy, C major.
      {"4.xm",
       0,
       false,
       112,
       2,
       4,
       false,
       4,
       {{0, 5, 3, 4}, {3, 4, 2, 5}, {1, 4, 0, 0}},
       {0, 1, 0, 2, 0, 1, 0, 2}},
      // Classic: cheerful and quick, G major.
      {"1.xm",
       7,
       false,
       132,
       2,
       2,
       true,
       1,
       {{0, 4, 5, 3}, {3, 0, 4, 4}, {5, 3, 0, 4}},
       {0, 0, 1, 2, 0, 0, 1, 2, 2}},
      // Relay: urgent, A minor.
      {"2.xm",
       9,
       true,
       140,
       2,
       2,
       true,
       2,
       {{0, 5, 2, 6}, {3, 0, 4, 4}, {5, 6, 0, 0}},
       {0, 1, 0, 2, 0, 1, 0, 1, 2}},
      // Unlimited: slow and dreamy, F major, long melody notes.
      {"3.xm",
       5,
       false,
       96,
       4,
       8,
       false,
       3,
       {{0, 2, 3, 4}, {5, 3, 1, 4}, {0, 3, 4, 0}},
       {0, 1, 0, 1, 2, 0, 2}},
  };
  std::map<std::string, XmModule> songs;
  for (const SongPlan& plan : plans)
    songs[plan.name] = Composer(plan).compose();
  return songs;
}

}  // namespace assetgen
