// CheckBox: an on/off choice with a caption. Each completed tap (or press and release of the
// action key) toggles it. The caption's place is fixed in the form's coordinates when the box is
// initialised.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/choice_control.h"

namespace gui {

class CheckBox : public ChoiceControl {
 public:
  CheckBox(std::string_view name, Form* parent);

  /// pictureName may be empty (nothing is drawn while off); onPictureName is required. Fails
  /// when it is empty or a picture cannot be loaded. A null font leaves the caption undrawn.
  bool Init(int x, int y, int width, int height, std::string_view pictureName,
            std::string_view onPictureName, const gfx::Font* font, std::string_view caption,
            std::uint16_t colour, bool initiallyOn, std::function<void(Control&)> click,
            gfx::EntrySource& source);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;

  bool isOn = false;
  const gfx::Box& captionArea() const { return captionArea_; }

 protected:
  void Change(int, int) override { isOn = !isOn; }

 private:
  std::unique_ptr<gfx::Picture> picture_;
  std::unique_ptr<gfx::Picture> onPicture_;
  const gfx::Font* font_ = nullptr;
  std::string caption_;
  std::uint16_t colour_ = 0;
  gfx::Box captionArea_;
};

}  // namespace gui
