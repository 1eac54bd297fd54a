// The songs' instruments: short synthesised samples, the tonal ones looping.
#pragma once

#include "assetgen/sound/xm_writer.h"

namespace assetgen {

// Instrument numbers in the songs' patterns.
enum SongInstrument : std::uint8_t { kLead = 1, kHarmony, kBass, kKick, kSnare, kHat };

/// The six instruments in SongInstrument order.
std::vector<XmInstrument> SongInstruments();

}  // namespace assetgen
