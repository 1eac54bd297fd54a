// Label: one line of text in a font and colour. Created disabled; painted every frame, so a
// changed text shows in the next frame without invalidation.
#pragma once

#include <string>

#include "gfx/fonts/font.h"
#include "gui/control.h"

namespace gui {

class Label : public Control {
 public:
  Label(std::string_view name, Form* parent);

  /// Copies text; the size is the text's in font. A null font (an unknown font name) gives an
  /// empty label of size 0 x 0 that draws nothing. Always succeeds.
  bool Init(int x, int y, const gfx::Font* font, std::string_view text, std::uint16_t colour);

  /// Replaces the text, recomputes the size and sets the colour; no invalidation.
  void SetText(std::string_view text, std::uint16_t colour);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override { text_.clear(); }
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const std::string& text() const { return text_; }
  std::uint16_t colour() const { return colour_; }

 private:
  const gfx::Font* font_ = nullptr;
  std::string text_;
  std::uint16_t colour_ = 0;
};

}  // namespace gui
