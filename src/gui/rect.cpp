#include "gui/rect.h"

#include "gfx/primitives.h"

namespace gui {

bool Rect::Init(int px, int py, int w, int h, int alpha, std::uint16_t rgb565) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  opacity = static_cast<std::uint8_t>(alpha);
  colour = rgb565;
  return true;
}

void Rect::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                 std::uint32_t) {
  const gfx::Box own{static_cast<std::int16_t>(x + offsetX), static_cast<std::int16_t>(y + offsetY),
                     static_cast<std::int16_t>(width), static_cast<std::int16_t>(height)};
  gfx::Box limit = target.bounds, area;
  if (clip != nullptr && !gfx::BoxIntersect(*clip, target.bounds, limit)) return PaintDone();
  if (gfx::BoxIntersect(limit, own, area)) {
    gfx::FillRectAlpha(target, area.x, area.y, area.width, area.height, colour, opacity);
  }
  PaintDone();
}

}  // namespace gui
