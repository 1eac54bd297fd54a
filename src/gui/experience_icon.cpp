#include "gui/experience_icon.h"

#include <algorithm>
#include <cmath>

#include "gui/picture_loading.h"

namespace gui {
namespace {

int pointsFor(int p) {
  return std::clamp(p / 5, 0, ExperienceIcon::kMaxPoints);
}

}  // namespace

ExperienceIcon::ExperienceIcon(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  enabled = true;
  updating = false;
}

bool ExperienceIcon::Init(int px, int py, std::function<void(Control&)> click,
                          std::string_view iconName, const gfx::Font* font,
                          std::string_view flyerName, gfx::EntrySource& source) {
  Release();
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  font_ = font;
  onClick = std::move(click);
  width = height = 0;
  if (iconName.empty()) return false;
  icon_ = LoadControlPicture(iconName, source);
  if (!icon_) return false;
  width = icon_->width();
  height = icon_->height();
  if (!flyerName.empty()) {
    flyer_ = LoadControlPicture(flyerName, source);
    if (!flyer_) return false;
  }
  return true;
}

void ExperienceIcon::SetPoints(int p) {
  points_ = pointsFor(p);
  framesLeft_ = 0;
  shownPoints_ = points_;
  updating = false;
}

void ExperienceIcon::ClearPoints() {
  framesLeft_ = 0;
  points_ = shownPoints_ = 0;
}

void ExperienceIcon::Award(std::string_view text, int p, int sx, int sy) {
  points_ = pointsFor(p);
  if (p == 0) {
    framesLeft_ = 0;
    shownPoints_ = 0;
    return;
  }
  flyText_ = std::string(gfx::untilZero(text).substr(0, kMaxFlyText));
  startX_ = static_cast<float>(sx);
  startY_ = static_cast<float>(sy);
  const float dx = static_cast<float>(x - sx), dy = static_cast<float>(y - sy);
  const float distance = std::sqrt(dx * dx + dy * dy);
  framesTotal_ = framesLeft_ = static_cast<std::uint16_t>(distance * 0.05882353f);
  if (framesTotal_ == 0) {
    // Too short a flight to animate: the new points show at once.
    stepX_ = stepY_ = 0;
    shownPoints_ = points_;
  } else {
    const float iconW = icon_ ? icon_->width() : 0, iconH = icon_ ? icon_->height() : 0;
    const float flyerW = flyer_ ? flyer_->width() : 0, flyerH = flyer_ ? flyer_->height() : 0;
    stepX_ = (x + iconW / 2 - startX_ - flyerW / 2) / framesTotal_;
    stepY_ = (y + iconH / 2 - startY_ - flyerH / 2) / framesTotal_;
  }
  updating = true;
}

Point ExperienceIcon::FlyerPosition() const {
  return FlyerAfter(static_cast<float>(framesTotal_ - framesLeft_));
}

Point ExperienceIcon::FlyerAfter(float steps) const {
  return {static_cast<int>(startX_ + steps * stepX_), static_cast<int>(startY_ + steps * stepY_)};
}

void ExperienceIcon::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                           std::uint32_t) {
  DrawIcon(target, offsetX, offsetY, clip, FlyerPosition());
  PaintDone();
}

void ExperienceIcon::PaintBetween(gfx::Surface& target, int offsetX, int offsetY,
                                  const gfx::Box* clip, std::uint32_t, float t) const {
  // One step of flight per frame: between frames the flyer is t of the way along the step
  // that brought it where it is.
  const int elapsed = framesTotal_ - framesLeft_;
  const float steps = elapsed > 0 ? static_cast<float>(elapsed - 1) + t : 0.0f;
  DrawIcon(target, offsetX, offsetY, clip, FlyerAfter(steps));
}

void ExperienceIcon::DrawIcon(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                              Point flyer) const {
  if (icon_) {
    icon_->Draw(target, x + offsetX, y + offsetY, clip, static_cast<std::uint32_t>(shownPoints_));
  }
  if (framesLeft_ > 0) {
    const Point at = flyer;  // form coordinates: the paint offset is not added
    int textX = at.x, textY = at.y;
    if (flyer_) {
      flyer_->Draw(target, at.x, at.y, clip, 0);
      if (font_ != nullptr) {
        textX += (flyer_->width() - font_->TextWidth(flyText_)) / 2;
        textY += (flyer_->height() - font_->TextHeight(flyText_)) / 2;
      }
    }
    if (font_ != nullptr) font_->DrawText(target, textX, textY, flyText_, kFlyTextColour, nullptr);
  }
}

void ExperienceIcon::Update() {
  if (framesLeft_ == 0) {
    updating = false;
    shownPoints_ = points_;
  } else {
    --framesLeft_;
  }
}

void ExperienceIcon::Release() {
  if (icon_) icon_->Release();
  if (flyer_) flyer_->Release();
  icon_.reset();
  flyer_.reset();
}

void ExperienceIcon::StylusDown(int px, int py) {
  pressed = true;
  if (onDown) onDown(*this, px, py);
}

void ExperienceIcon::StylusUp(int px, int py) {
  if (pressed && onClick) onClick(*this);
  pressed = false;
  if (onUp) onUp(*this, px, py);
}

void ExperienceIcon::StylusMove(int px, int py) {
  if (onMove) onMove(*this, px, py);
}

}  // namespace gui
