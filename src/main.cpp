// quorvex: the game in an SDL window. It takes no command-line options; its data files lie in
// the executable's folder.
#include "app/run.h"
#include "platform/sdl/sdl_platform.h"

int main() {
  platform::SdlPlatform sdl;
  if (!sdl.initialised()) return 1;
  return app::Run(sdl) == app::RunResult::Quit ? 0 : 1;
}
