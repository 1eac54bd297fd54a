#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

#include "platform/event.h"

namespace platform {

int VirtualKeyFromSdl(int k) {
  if (k >= SDLK_0 && k <= SDLK_9) return key::kDigit0 + (k - SDLK_0);
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);  // letters share their codes
  if (k >= SDLK_F1 && k <= SDLK_F12) return key::kF1 + (k - SDLK_F1);
  switch (k) {
    // A desktop keypad is laid out the other way up from the pocket computer's, whose "8" is
    // down and "2" up: its cross of 8, 4, 6, 2 and 5 becomes the arrows and the action key.
    // The other digits stay digits (1 and 3 zoom).
    case SDLK_LEFT:
    case SDLK_KP_4:
      return key::kLeft;
    case SDLK_UP:
    case SDLK_KP_8:
      return key::kUp;
    case SDLK_RIGHT:
    case SDLK_KP_6:
      return key::kRight;
    case SDLK_DOWN:
    case SDLK_KP_2:
      return key::kDown;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_KP_5:
      return key::kEnter;
    case SDLK_KP_0:
      return key::kDigit0;
    case SDLK_KP_1:
      return key::kDigit0 + 1;
    case SDLK_KP_3:
      return key::kDigit0 + 3;
    case SDLK_KP_7:
      return key::kDigit0 + 7;
    case SDLK_KP_9:
      return key::kDigit0 + 9;
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
