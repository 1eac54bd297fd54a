// quorvex: the game in an SDL window; its data files lie in the executable's folder. Options:
// --classic-frames shows the game frames only (25 a second) instead of pictures at the
// display's refresh rate; --count-pictures prints every two seconds how many reached the window.
#include <cstdio>
#include <cstring>

#include "app/run.h"
#include "platform/sdl/sdl_platform.h"
#include "sound/sdl/sdl_mixer_library.h"

int main(int argc, char** argv) {
  bool classicFrames = false, countPictures = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--classic-frames") == 0) {
      classicFrames = true;
    } else if (std::strcmp(argv[i], "--count-pictures") == 0) {
      countPictures = true;
    } else {
      std::fprintf(stderr, "usage: quorvex [--classic-frames] [--count-pictures]\n");
      return 2;
    }
  }
  platform::SdlPlatform sdl;
  if (!sdl.initialised()) return 1;
  sdl.setClassicFrames(classicFrames);
  sdl.setCountPictures(countPictures);
  sound::SdlMixerLibrary mixer;
  app::RunOptions options;
  options.soundLibrary = &mixer;
  return app::Run(sdl, options) == app::RunResult::Quit ? 0 : 1;
}
