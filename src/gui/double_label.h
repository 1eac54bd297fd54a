// DoubleLabel: a number whose parts after each decimal point are drawn in a second font and
// colour ("12.5" shows 12 in the first font and .5 in the second). A point only splits the
// text when it has a digit on both sides. All characters share one bottom line.
#pragma once

#include <string>
#include <vector>

#include "gfx/fonts/font.h"
#include "gui/control.h"

namespace gui {

class DoubleLabel : public Control {
 public:
  DoubleLabel(std::string_view name, Form* parent);

  /// Stores the fonts (either may be null: its characters then measure 0 and are not drawn)
  /// and colours, then SetText. marked is kept without effect. Always succeeds.
  bool Init(int x, int y, const gfx::Font* font, const gfx::Font* font2, std::string_view text,
            std::uint16_t colour, std::uint16_t colour2, bool marked = true);

  /// Replaces the text and rebuilds the segment breaks and the size.
  void SetText(std::string_view text);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const std::string& text() const { return text_; }
  /// 0, the offset of every splitting point, the text's length.
  const std::vector<std::size_t>& breaks() const { return breaks_; }

 private:
  const gfx::Font* FontOf(std::size_t segment) const { return segment % 2 ? font2_ : font_; }

  const gfx::Font* font_ = nullptr;
  const gfx::Font* font2_ = nullptr;
  std::uint16_t colour_ = 0;
  std::uint16_t colour2_ = 0;
  bool marked_ = false;
  std::string text_;
  std::vector<std::size_t> breaks_;
};

}  // namespace gui
