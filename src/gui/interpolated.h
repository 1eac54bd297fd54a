// Interpolated: a control whose picture moves from one game frame to the next (the scene, the
// flying experience star, the height message). Between two game frames the desktop paints such
// a control part of the way from where the frame before drew it to where the last frame did.
#pragma once

#include <cstdint>

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gui {

class Interpolated {
 public:
  virtual ~Interpolated() = default;

  /// Paints as Paint does, a fraction t (0..1) of the way from the frame before the last one
  /// to the last one, and changes no state at all: not the control, not what it shows, not
  /// `invalid`. t = 1 draws what the last frame's Paint drew.
  virtual void PaintBetween(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                            std::uint32_t timeMs, float t) const = 0;
};

}  // namespace gui
