// Pictures between game frames: the screen tree painted into a copy of the last game frame's
// picture with what moves a fraction t of the way from the frame before. It walks the forms as
// their own Paint does (visible, invalid children in order); a control that moves paints its
// in-between picture, every other control paints as it is and keeps its `invalid` flag, so the
// walk changes no state.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gui {
class Control;
}

namespace app {

class Application;

/// Paints control (a form and what it holds, or one control) between frames.
void PaintBetweenFrames(gui::Control& control, gfx::Surface& target, int offsetX, int offsetY,
                        const gfx::Box* clip, std::uint32_t timeMs, float t);

/// The whole picture between two game frames, written straight into the display's frame buffer
/// when it is laid out like the back buffer (else through a buffer of its own), then shown.
class BetweenFramePainter {
 public:
  /// Copies the last game frame, paints the screens and the key pointer's cross-hair over it
  /// at t and hands the picture to the frame buffer (its endDraw).
  void Paint(Application& application, float t);

 private:
  std::vector<std::uint16_t> own_;
};

}  // namespace app
