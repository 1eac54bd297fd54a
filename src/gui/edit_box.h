// EditBox: one line of text with a blinking caret, typed into by the on-screen keyboard. It
// takes no stylus events and is painted every frame (it never clears `invalid`).
#pragma once

#include <cstdint>
#include <string>

#include "gfx/fonts/font.h"
#include "gui/control.h"

namespace gui {

class EditBox : public Control {
 public:
  EditBox(std::string_view name, Form* parent) : Control(name, parent) {}

  /// Copies text cut to maxLength characters as the text and the initial text. A null font
  /// leaves the box undrawn. Always succeeds.
  bool Init(int x, int y, int maxLength, const gfx::Font* font, std::string_view text, int width,
            int height);

  /// Types c (as a signed 8-bit character): digits, letters and _ , . / \ ` " ' ; and space are
  /// appended while the text is shorter than maxLength; 8 (backspace) removes the last
  /// character; everything else is ignored. No invalidation.
  virtual void OnChar(int c);
  /// Replaces the text (cut to maxLength characters); the initial text stays.
  void SetText(std::string_view text) {
    text_ = std::string(gfx::untilZero(text).substr(0, maxLength_));
  }

  /// The text in black, then, while bit 9 of timeMs is clear, the caret "_" in white after it.
  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const std::string& text() const { return text_; }
  const std::string& initialText() const { return initialText_; }
  std::uint16_t maxLength() const { return maxLength_; }

 private:
  const gfx::Font* font_ = nullptr;
  std::uint16_t maxLength_ = 0;
  std::string text_;
  std::string initialText_;
};

}  // namespace gui
