// Translation of SDL key codes to the virtual-key codes the game uses.
#pragma once

namespace platform {

/// The virtual-key code for an SDL_Keycode, or -1 for keys the game has no use for.
int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace platform
