// quorvex: the game in an SDL window. It takes no command-line options; its data files lie in
// the executable's folder.
#include "app/run.h"
#include "platform/sdl/sdl_platform.h"
#include "sound/sdl/sdl_mixer_library.h"

int main() {
  platform::SdlPlatform sdl;
  if (!sdl.initialised()) return 1;
  sound::SdlMixerLibrary mixer;
  app::RunOptions options;
  options.soundLibrary = &mixer;
  return app::Run(sdl, options) == app::RunResult::Quit ? 0 : 1;
}
