#include "gui/diskret_slider.h"

#include <algorithm>

#include "gui/picture_loading.h"

namespace gui {

DiskretSlider::DiskretSlider(std::string_view name, Form* parent) : ChoiceControl(name, parent) {
  enabled = true;
}

bool DiskretSlider::Init(int px, int py, int requestedWidth, int, std::string_view emptyName,
                         std::string_view segmentName,
                         std::function<void(Control&, int, int)> callback, int steps, int v,
                         gfx::EntrySource& source) {
  Release();
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  onDown = callback;
  onUp = callback;
  onMove = std::move(callback);
  steps_ = static_cast<std::uint16_t>(steps);
  if (segmentName.empty() || steps_ == 0) return false;
  segment_ = LoadControlPicture(segmentName, source, kStillPictures);
  if (!segment_) return false;
  if (!emptyName.empty()) {
    emptySegment_ = LoadControlPicture(emptyName, source, kStillPictures);
    if (!emptySegment_) {
      segment_.reset();
      return false;
    }
  }
  value = static_cast<std::uint16_t>(std::clamp(v, 0, static_cast<int>(steps_)));
  // One segment has no gaps; a bar narrower than its segments has none either.
  const int spare = static_cast<std::uint16_t>(requestedWidth) - segmentWidth() * steps_;
  gap_ = steps_ > 1 && spare > 0 ? static_cast<std::uint16_t>(spare / (steps_ - 1)) : 0;
  pitch_ = static_cast<std::uint16_t>(gap_ + segmentWidth());
  width = static_cast<std::uint16_t>((steps_ - 1) * gap_ + segmentWidth() * steps_);
  height = segment_->height();
  focusX = static_cast<std::int16_t>(x + (value - 1) * pitch_ + segmentWidth() / 2);
  focusY = static_cast<std::int16_t>(y + height / 2);
  return true;
}

int DiskretSlider::ValueAt(int lx) const {
  const int seg = segmentWidth();
  int v;
  if (lx > seg && pitch_ > 0) {
    const int q = lx / pitch_, r = lx % pitch_;
    v = r <= gap_ ? q : q + 1;
  } else {
    v = lx <= seg / 2 ? 0 : 1;
  }
  return std::clamp(v, 0, static_cast<int>(steps_));
}

void DiskretSlider::SetValueFrom(int px) {
  value = static_cast<std::uint16_t>(ValueAt(static_cast<std::uint16_t>(px - x)));
}

void DiskretSlider::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                          std::uint32_t timeMs) {
  if (!segment_) return PaintDone();
  int at = x + offsetX;
  for (int i = 0; i < value; ++i, at += pitch_)
    segment_->Draw(target, at, y + offsetY, clip, timeMs);
  if (emptySegment_) {
    for (int i = value; i < steps_; ++i, at += pitch_) {
      emptySegment_->Draw(target, at, y + offsetY, clip, timeMs);
    }
  }
  PaintDone();
}

void DiskretSlider::Release() {
  if (segment_) segment_->Release();
  if (emptySegment_) emptySegment_->Release();
  segment_.reset();
  emptySegment_.reset();
}

void DiskretSlider::StylusDown(int px, int py) {
  if (!segment_) return;
  SetValueFrom(px);
  pressed = true;
  invalid = true;
  if (onDown) onDown(*this, px, py);
}

void DiskretSlider::StylusUp(int px, int py) {
  if (!segment_) return;
  SetValueFrom(px);
  pressed = false;
  invalid = true;
  if (onUp) onUp(*this, px, py);
}

void DiskretSlider::FocusOnValue() {
  focusX = static_cast<std::int16_t>(value == 0 ? x + segmentWidth() / 2
                                                : x + (value - 1) * pitch_ + segmentWidth() / 2);
}

void DiskretSlider::KeyDown(int key, int px, int py) {
  if (!segment_) return;
  const int direction = StepDirection(key);
  if (direction == 0) return;
  const std::uint16_t before = value;
  if (direction > 0 && value < steps_) ++value;
  if (direction < 0 && value > 0) --value;
  if (value != before) {
    FocusOnValue();
    invalid = true;
  }
  // Called at the ends too, where the value stays.
  if (onDown) onDown(*this, px, py);
}

void DiskretSlider::KeyUp(int, int, int) {
  if (segment_) StepKeyUp();
}

}  // namespace gui
