// The songs' instruments: short synthesised samples, the tonal ones looping.
#pragma once

#include "assetgen/sound/xm_writer.h"

namespace assetgen {

// Instrument numbers in the songs' patterns.
enum SongInstrument : std::uint8_t { kLead = 1, kHarmony, kBass, kKick, kSnare, kHat };

/// The melody's sound, chosen by each song for its mood.
struct LeadTimbre {
  std::vector<float> harmonics = {1.0f, 0.0f, 0.33f, 0.0f, 0.2f, 0.0f, 0.1f};  // 1st..7th at most
  int attackTicks = 2;  // ticks from silence to full volume
  int fadeout = 1500;   // how fast a released note dies away (0..4095)
};

/// The six instruments in SongInstrument order, the lead with the given timbre.
std::vector<XmInstrument> SongInstruments(const LeadTimbre& lead = {});

}  // namespace assetgen
