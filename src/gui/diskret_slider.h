// DiskretSlider: a bar of equal segments with gaps between them; the value is the number of
// filled segments. A tap sets the value from where it lands; left and right step it.
//
// Geometry: gap = (requested width - steps x segment width) / (steps - 1), pitch = gap +
// segment width, width = (steps - 1) x gap + steps x segment width. A point lx pixels from the
// left edge gives lx div pitch, plus one when it lies beyond that segment's gap; the first
// segment counts from its middle.
#pragma once

#include <functional>
#include <memory>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/choice_control.h"

namespace gui {

class DiskretSlider : public ChoiceControl {
 public:
  DiskretSlider(std::string_view name, Form* parent);

  /// segmentName is required (".spr", ".espr" or ".cmb"), emptyName optional. callback becomes
  /// onDown, onUp and onMove. The requested height is not used. Fails when segmentName is
  /// empty, a picture cannot be loaded or steps is 0. value is kept within 0..steps.
  bool Init(int x, int y, int requestedWidth, int requestedHeight, std::string_view emptyName,
            std::string_view segmentName, std::function<void(Control&, int, int)> callback,
            int steps, int value, gfx::EntrySource& source);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int, int) override {}
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  bool WantsKeyUp(int key, int, int) const override { return IsNavigationKey(key); }

  /// The value a point at lx pixels from the slider's left edge selects.
  int ValueAt(int lx) const;

  std::uint16_t steps() const { return steps_; }
  std::uint16_t gap() const { return gap_; }
  std::uint16_t pitch() const { return pitch_; }
  std::uint16_t value = 0;

 private:
  int segmentWidth() const { return segment_ ? segment_->width() : 0; }
  void SetValueFrom(int px);
  void FocusOnValue();

  std::unique_ptr<gfx::Picture> segment_;
  std::unique_ptr<gfx::Picture> emptySegment_;
  std::uint16_t steps_ = 0;
  std::uint16_t gap_ = 0;
  std::uint16_t pitch_ = 0;
};

}  // namespace gui
