// The menu song: an unhurried tune over a half-time beat that loops every 68 seconds.
#include "assetgen/sound/song_scores.h"

namespace assetgen {

Score MenuSong() {
  Score s;
  s.name = "Quorvex menus";
  s.bpm = 112;
  const std::string arpeggio = "0.1.2.1.0.1.2.1.";
  const std::string bass = "R.....R.F.....O.";
  const std::string drums = "K.......S.......K.K.....S.......";
  const std::string hats = "h.h.h.h.h.h.h.H.";
  s.sections = {
      {'A',
       "E5--- G5--- C6------- "
       "B5- A5- G5- E5- A5------- "
       "A5--- G5- F5- E5--- F5--- "
       "D5--- G5--- B4--- r---",
       "C Am F G", arpeggio, bass, drums, hats},
      {'B',
       "C6--- A5--- F5--- A5--- "
       "B5--- G5- A5- B5------- "
       "G5--- E5--- B5--- G5--- "
       "A5----------- r---",
       "F G Em Am", arpeggio, bass, drums, hats},
      {'C',
       "F5- E5- D5- F5- A5------- "
       "G5- F5- D5- B4- G5------- "
       "E5--- C5--- G5--- E5--- "
       "C6------- A5-------",
       "Dm G C Am", "0.1.2.3.2.1.2.1.", "R.R...R.F...O...", drums, hats},
      // The close: a held tonic, then a pickup that leads back into the first bar.
      {'D',
       "A5--- C6--- A5--- F5--- "
       "G5--- B5--- D6------- "
       "C6----------- r--- "
       "r------- D5- E5- F5- G5-",
       "F G C G", arpeggio, bass,
       "K.......S.......K.K.....S.......K.......S.......K.......S.S.SsSS", hats},
  };
  s.order = "ABACABCD";
  return s;
}

}  // namespace assetgen
