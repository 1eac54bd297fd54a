// MaxHeightMessage: the height just reached, as a decimal number whose fraction is drawn in a
// second font, which accelerates off the screen sideways: launched left of the form's middle it
// moves right, otherwise left.
#pragma once

#include <string>

#include "gfx/fonts/font.h"
#include "gui/control.h"
#include "gui/interpolated.h"

namespace gui {

class MaxHeightMessage : public Control, public Interpolated {
 public:
  MaxHeightMessage(std::string_view name, Form* parent);

  /// Stores the fonts (integer part, fraction part), colour and number of decimals (0..17).
  /// Always succeeds.
  bool Init(const gfx::Font* font, const gfx::Font* font2, std::uint16_t colour, int decimals);

  /// Writes value with the decimals, places the number at (x, y) (starting there when x is
  /// left of the form's middle, else ending there; vertically centred on y) and sets it moving.
  void Launch(double value, int x, int y);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  /// Drawn part of the way from where the frame before had it.
  void PaintBetween(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                    std::uint32_t timeMs, float t) const override;
  /// Moves by half the speed, which grows by an eighth plus one each frame; stops and hides
  /// once the number has left the form.
  void Update() override;
  void Release() override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const std::string& intText() const { return intText_; }
  const std::string& fracText() const { return fracText_; }
  int direction() const { return direction_; }
  int speed() const { return speed_; }

 private:
  int TextWidth() const;
  void DrawAt(gfx::Surface& target, int sx, int sy, const gfx::Box* clip) const;

  const gfx::Font* font_ = nullptr;
  const gfx::Font* font2_ = nullptr;
  std::uint16_t colour_ = 0;
  int decimals_ = 0;
  std::string intText_;
  std::string fracText_;
  int direction_ = 0;
  int speed_ = 0;
  int previousX_ = 0;  // x before the last Update, for pictures between frames
};

}  // namespace gui
