// The relay song: running minor-key sixteenths over a driving beat, looping every 66 seconds.
#include "assetgen/sound/song_scores.h"

namespace assetgen {

Score RelaySong() {
  Score s;
  s.name = "Quorvex relay";
  s.bpm = 146;
  s.lead = {{1.0f, 0.0f, 0.5f, 0.0f, 0.3f, 0.0f, 0.2f}, 1, 2400};  // hollow and clipped
  const std::string arpeggio = "0.1.2.1.0.1.2.1.";
  const std::string bass = "R.R.R.R.O.R.F.R.";
  const std::string drums = "K...S.K.K.K.S...";
  const std::string hats = "hhHhhhHhhhHhhhHh";
  s.sections = {
      {'A',
       "A4- C5- E5- A5- G5- E5- C5- E5- "
       "A4- C5- E5- A5- B5- A5- G5- E5- "
       "F5--- A5--- C6--- A5- F5- "
       "G5--- B5--- D6-------",
       "Am Am F G", arpeggio, bass, drums, hats},
      {'B',
       "E6--- D6- C6- B5--- A5--- "
       "D6--- C6- B5- A5--- G5--- "
       "C6--- B5- A5- G5--- F5--- "
       "E5- G#5- B5- E6- B5--- G#5---",
       "Am G F E", arpeggio, bass, drums, hats},
      {'C',
       "D5- F5- A5- D6- A5- F5- D5- F5- "
       "C5- E5- A5- C6- A5- E5- C5- E5- "
       "B4- E5- G#5- B5- G#5- E5- B4- G#4- "
       "A4------- r-------",
       "Dm Am E Am", "0.1.2.3.2.1.0.1.", "R.R.R.R.F.F.O.F.", drums, hats},
      // The close: hammered chord tones, then a run down into the first bar.
      {'D',
       "A5- A5- A5- C6- A5- A5- A5- C6- "
       "B5- B5- B5- D6- B5- B5- B5- D6- "
       "G#5--- B5--- E6------- "
       "E6- D6- B5- G#5- E5- D5- C5- B4-",
       "F G E E", arpeggio, bass,
       "K...S.K.K.K.S...K...S.K.K.K.S...K...S.K.K.K.S...K.S.K.S.SsSSSSSS", hats},
  };
  s.order = "AABBACABCD";
  return s;
}

}  // namespace assetgen
