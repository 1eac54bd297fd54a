// quorvex: the game in an SDL window; its data files lie in the executable's folder. Options:
// --classic-frames shows the game frames only (25 a second) instead of pictures at the
// display's refresh rate; --count-pictures prints every two seconds how many reached the window.
#include <cstdio>
#include <cstring>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include "app/application.h"
#include "script/variable_table.h"
#endif

#include "app/run.h"
#include "platform/sdl/sdl_platform.h"
#include "sound/sdl/sdl_mixer_library.h"

#ifdef __EMSCRIPTEN__
// The page (and its browser test) reads the game's variables as qvtool's --vars prints them:
// Module.qvApplication holds the running Application. The text stays valid until the game runs
// on, so the page decodes it at once; an absent name gives "".
extern "C" EMSCRIPTEN_KEEPALIVE const char* qv_variable(app::Application* application,
                                                        const char* name) {
  for (const script::VariableTable::Entry& entry : application->variables().entries())
    if (entry.name == name) return entry.value.c_str();
  return "";
}
#endif

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
#ifdef __EMSCRIPTEN__
  options.atStart = [](app::Application& application) {
    EM_ASM({ Module.qvApplication = $0; }, &application);
  };
  options.atEnd = [](app::Application&) { EM_ASM({ Module.qvApplication = 0; }); };
#endif
  return app::Run(sdl, options) == app::RunResult::Quit ? 0 : 1;
}
