// KeyButton: one key of the on-screen keyboard: a button with a short label drawn over its
// picture and the character or command code it produces. Unlike a Button it shows its pressed
// picture whenever it is pressed, and losing the focus releases it.
#pragma once

#include <string>

#include "gfx/fonts/font.h"
#include "gui/button.h"

namespace gui {

class KeyButton : public Button {
 public:
  static constexpr std::size_t kMaxLabel = 5;

  KeyButton(std::string_view name, Form* parent) : Button(name, parent) {}

  /// Loads the picture, the pressed picture and the optional third picture (".spr", ".espr",
  /// ".cmb"); fails when one of the first two is missing or a picture cannot be loaded. The
  /// size is the picture's; the label (cut to kMaxLabel characters) is centred on the key.
  bool Init(int x, int y, std::function<void(Control&)> click, std::string_view pictureName,
            std::string_view pressedName, std::string_view thirdName, std::string_view label,
            int keyCode, const gfx::Font* font, std::uint16_t labelColour,
            gfx::EntrySource& source);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void KillFocus() override;

  /// Replaces the label (the case toggle), keeping its place.
  void SetLabel(std::string_view label) { label_ = std::string(label.substr(0, kMaxLabel)); }
  const std::string& label() const { return label_; }

  std::uint16_t keyCode = 0;

 private:
  std::unique_ptr<gfx::Picture> thirdPicture_;
  const gfx::Font* font_ = nullptr;
  std::uint16_t labelColour_ = 0;
  std::string label_;
  std::int16_t labelX_ = 0;
  std::int16_t labelY_ = 0;
};

}  // namespace gui
