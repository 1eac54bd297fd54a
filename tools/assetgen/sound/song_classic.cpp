// The classic-mode song: a bouncing major tune at a brisk pace, looping every 65 seconds.
#include "assetgen/sound/song_scores.h"

namespace assetgen {

Score ClassicSong() {
  Score s;
  s.name = "Quorvex classic";
  s.bpm = 132;
  s.lead = {{1.0f, 0.5f, 0.33f, 0.25f, 0.2f, 0.12f}, 1, 1800};  // bright and plucky
  const std::string arpeggio = "0.2.1.2.0.2.1.2.";
  const std::string bass = "R.R.F...R.R.F.O.";
  const std::string drums = "K...S...K.K.S...";
  const std::string hats = "h.h.h.h.h.h.h.hH";
  s.sections = {
      {'A',
       "D5- B4- D5- G5--- F#5- G5- A5- "
       "F#5--- D5- E5- F#5--- A5--- "
       "G5- F#5- E5- B4- E5--- G5--- "
       "E5--- D5--- C5- B4- A4---",
       "G D Em C", arpeggio, bass, drums, hats},
      {'B',
       "G5- G5- E5- G5- C6--- B5--- "
       "A5- A5- F#5- A5- D6--- C6--- "
       "B5--- G5- D5- B4- D5- G5--- "
       "E5------- r-------",
       "C D G Em", arpeggio, bass, drums, hats},
      {'C',
       "B4- E5- G5- B5- A5- G5- F#5- E5- "
       "C5- E5- G5- C6- B5- A5- G5- E5- "
       "D5- F#5- A5- D6- C6- A5- F#5- D5- "
       "G5------- B4--- D5---",
       "Em C D G", "0.1.2.3.0.1.2.3.", bass, drums, "h.hhh.hhh.hhh.hH"},
      // The close: a held tonic, then repeated pickups into the first bar.
      {'D',
       "E5--- G5--- C6--- E5--- "
       "F#5--- A5--- D6--- C6--- "
       "B5----------- r--- "
       "r------- D5- D5- D5- D5-",
       "C D G G", arpeggio, bass,
       "K...S...K.K.S...K...S...K.K.S...K...S...K.K.S...K...S...S.SsSSSS", hats},
  };
  s.order = "AABCAABCD";
  return s;
}

}  // namespace assetgen
