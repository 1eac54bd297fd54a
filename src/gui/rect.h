// Rect: a filled rectangle, solid at opacity 31 and above, blended below. Created disabled.
#pragma once

#include "gui/control.h"

namespace gui {

class Rect : public Control {
 public:
  Rect(std::string_view name, Form* parent) : Control(name, parent) {}

  /// Stores position, size, opacity (0..255) and the RGB565 colour; always succeeds.
  bool Init(int x, int y, int width, int height, int opacity, std::uint16_t colour);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  std::uint8_t opacity = 0;
  std::uint16_t colour = 0;
};

}  // namespace gui
