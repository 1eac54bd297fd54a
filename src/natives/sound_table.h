// The sound table of natives, registered in this order: LoadMusic, PlayMusic, StopMusic,
// PlayEffect. The music natives act on the application's SoundSystem; PlayEffect does nothing.
#pragma once

#include "script/native_registry.h"

namespace sound {
class SoundSystem;
}

namespace natives {

/// Registers the sound table into registry in table order (refused duplicates are ignored).
/// sound is borrowed and must outlive the registry; with null the music natives do nothing.
/// True when done.
bool RegisterSoundNatives(script::NativeRegistry& registry, sound::SoundSystem* sound);

}  // namespace natives
