#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

#include "platform/event.h"

namespace platform {

int VirtualKeyFromSdl(int k) {
  if (k >= SDLK_0 && k <= SDLK_9) return key::kDigit0 + (k - SDLK_0);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return key::kDigit0 + 1 + (k - SDLK_KP_1);
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);  // letters share their codes
  if (k >= SDLK_F1 && k <= SDLK_F12) return key::kF1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_KP_0:
      return key::kDigit0;
    case SDLK_LEFT:
      return key::kLeft;
    case SDLK_UP:
      return key::kUp;
    case SDLK_RIGHT:
      return key::kRight;
    case SDLK_DOWN:
      return key::kDown;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return key::kEnter;
    case SDLK_ESCAPE:
      return key::kEscape;
    case SDLK_SPACE:
      return 32;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_LGUI:
    case SDLK_RGUI:
      return key::kStart;
    default:
      return -1;
  }
}

}  // namespace platform
