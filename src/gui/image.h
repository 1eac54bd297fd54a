// Image: a picture on a form. Created disabled, so it receives no events; painted every frame.
#pragma once

#include <functional>
#include <memory>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/control.h"

namespace gui {

class Image : public Control {
 public:
  Image(std::string_view name, Form* parent);

  /// Places the image and loads pictureName (".spr", ".espr", ".aspr", ".cmb" or ".tga"); the
  /// size becomes the picture's. An empty name gives no picture and size 0 x 0 (success); a
  /// name of no known kind or a failed load leaves no picture, size 0 x 0, and fails.
  bool Init(int x, int y, std::function<void(Control&)> click, std::string_view pictureName,
            gfx::EntrySource& source);

  /// Replaces the picture with pictureName loaded from source; the size follows. No
  /// invalidation. On failure the old picture stays and false is returned.
  bool SetImageSource(std::string_view pictureName, gfx::EntrySource& source);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const gfx::Picture* picture() const { return picture_.get(); }

 private:
  std::unique_ptr<gfx::Picture> picture_;
};

}  // namespace gui
