#include "app/startup_codes.h"

#include <cstdio>

namespace app {

std::string StartupMessage(int code) {
  if (code == startup::kIncompatibleResolution) {
    return "Size of resources is incompatible with screen size of device.";
  }
  if (code == startup::kGameAlreadyRunning) return "Game already run";
  char text[64];
  // "%#06X" writes 0X and pads the digits to a width of six in all, but prints code 0 as a bare
  // 000000: the prefix is only added to non-zero values.
  std::snprintf(text, sizeof text, "App init error. Code : %#06X", static_cast<unsigned>(code));
  return text;
}

}  // namespace app
