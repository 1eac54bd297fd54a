// The four songs, composed from chord progressions: a melody, an arpeggiated harmony, a bass
// line and drums on five channels, each song looping through its order table.
#pragma once

#include <map>
#include <string>

#include "assetgen/sound/xm_writer.h"

namespace assetgen {

/// "4.xm" (menus), "1.xm" (classic), "2.xm" (relay), "3.xm" (unlimited).
std::map<std::string, XmModule> ComposeSongs();

}  // namespace assetgen
