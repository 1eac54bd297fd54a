// The unlimited-mode song: long, floating notes over a slow arpeggio, looping every 85 seconds.
#include "assetgen/sound/song_scores.h"

namespace assetgen {

Score UnlimitedSong() {
  Score s;
  s.name = "Quorvex unlimited";
  s.bpm = 90;
  s.lead = {{1.0f, 0.12f, 0.05f}, 10, 500};  // soft, swelling, lingering
  const std::string arpeggio = "0.1.2.3.2.1.2.1.";
  const std::string bass = "R.......F.......";
  const std::string drums = "K.......s.......K.......s...K...";
  const std::string hats = "..h...h...h...h.";
  s.sections = {
      {'A',
       "A5------- C6------- "
       "D6----------- C6--- "
       "Bb5------- A5--- F5--- "
       "G5---------------",
       "F Dm Bb C", arpeggio, bass, drums, hats},
      {'B',
       "F5--- Bb5--- D6------- "
       "C6------- A5------- "
       "Bb5--- A5--- G5------- "
       "E5----------- r---",
       "Bb F Gm C", arpeggio, bass, drums, hats},
      {'C',
       "F5--- A5--- D6------- "
       "D6--- C6--- Bb5------- "
       "A5--- C6--- F6------- "
       "E6------- C6-------",
       "Dm Bb F C", "0.1.2.3.3.2.1.2.", "R...R...F.......", drums, hats},
      // The close: the tonic held, a rest, and a low pickup into the first bar.
      {'D',
       "D6------- Bb5------- "
       "G5------- E5------- "
       "F5--------------- "
       "r----------- C5---",
       "Bb C F F", arpeggio, bass, drums, hats},
  };
  s.order = "ABACABCD";
  return s;
}

}  // namespace assetgen
