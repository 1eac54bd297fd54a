// The four songs of graphics.dat, arranged from their scores (song_*.cpp): a melody, an
// arpeggiated harmony, a bass line, drums and hats on five channels, each song looping through
// its order table back to its start.
#pragma once

#include <map>
#include <string>

#include "assetgen/sound/xm_writer.h"
#include "util/result.h"

namespace assetgen {

/// "4.xm" (menus), "1.xm" (classic), "2.xm" (relay), "3.xm" (unlimited) by entry name; fails
/// with the first score that does not arrange.
util::Result<std::map<std::string, XmModule>> ComposeSongs();

}  // namespace assetgen
