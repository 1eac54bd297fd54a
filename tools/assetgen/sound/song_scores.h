// The four songs' scores, one file each.
#pragma once

#include "assetgen/sound/score.h"

namespace assetgen {

/// "4.xm": the menus, easy and bright, C major.
Score MenuSong();
/// "1.xm": classic mode, cheerful and bouncing, G major.
Score ClassicSong();
/// "2.xm": relay mode, urgent running sixteenths, A minor.
Score RelaySong();
/// "3.xm": unlimited mode, slow and dreamy, F major.
Score UnlimitedSong();

}  // namespace assetgen
