#include "app/between_paint.h"

#include <cstring>

#include "app/application.h"
#include "gui/form.h"
#include "gui/interpolated.h"

namespace app {

void PaintBetweenFrames(gui::Control& control, gfx::Surface& target, int offsetX, int offsetY,
                        const gfx::Box* clip, std::uint32_t timeMs, float t) {
  if (const auto* moving = dynamic_cast<const gui::Interpolated*>(&control)) {
    moving->PaintBetween(target, offsetX, offsetY, clip, timeMs, t);
    return;
  }
  if (auto* form = dynamic_cast<gui::Form*>(&control)) {
    const gfx::Box own{
        static_cast<std::int16_t>(form->x + offsetX), static_cast<std::int16_t>(form->y + offsetY),
        static_cast<std::int16_t>(form->width), static_cast<std::int16_t>(form->height)};
    gfx::Box area;
    if (!gfx::BoxIntersect(own, clip != nullptr ? *clip : target.bounds, area)) return;
    for (gui::Control* child : form->children()) {
      if (child->visible && child->invalid)
        PaintBetweenFrames(*child, target, form->x + offsetX, form->y + offsetY, &area, timeMs, t);
    }
    return;
  }
  // Standing controls paint as they are; Paint only clears `invalid`, which is put back.
  const bool invalid = control.invalid;
  control.Paint(target, offsetX, offsetY, clip, timeMs);
  control.invalid = invalid;
}

void BetweenFramePainter::Paint(Application& application, float t) {
  Screen& screen = application.screen();
  const gfx::Surface& frame = screen.surface();
  const int w = frame.width, h = frame.height;
  const std::size_t count = static_cast<std::size_t>(w) * h;
  const Screen::FrameAccess access = screen.BeginFrameAccess();
  if (access.origin == nullptr) return screen.EndFrameAccess(access);
  // A frame buffer laid out like the back buffer is painted in place; any other (rotated,
  // padded, cut) gets the picture through the Screen's own copy.
  const bool direct =
      access.xPitch == 1 && access.yPitch == w && access.columns == w && access.rows == h;
  if (!direct) screen.EndFrameAccess(access);
  if (!direct) own_.resize(count);
  std::uint16_t* pixels = direct ? access.origin : own_.data();
  std::memcpy(pixels, frame.pixels, count * sizeof(std::uint16_t));
  gfx::Surface target = gfx::makeSurface(pixels, w, h);
  PaintBetweenFrames(application.rootForm(), target, 0, 0, &target.bounds,
                     application.lastFrameTime(), t);
  application.keyPointer().Draw(target);
  if (direct) {
    screen.EndFrameAccess(access);
  } else {
    screen.Present(target);
  }
}

}  // namespace app
