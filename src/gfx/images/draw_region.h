// DrawRegion: the part of a picture's rectangle that a draw may write, as half-open pixel
// ranges. It is the picture rectangle intersected with the clip rectangle and, always, with the
// surface itself, so that a clip rectangle larger than the surface can never write outside it.
#pragma once

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gfx {

struct DrawRegion {
  int left = 0, top = 0, right = 0, bottom = 0;  // columns left..right-1, rows top..bottom-1
};

/// False when nothing of the rectangle (x, y, width, height) is drawable.
bool computeDrawRegion(const Surface& surface, int x, int y, int width, int height, const Box* clip,
                       DrawRegion& out);

}  // namespace gfx
