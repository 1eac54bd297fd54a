// ExperienceIcon: an icon showing the experience points (0 to 10, an animated icon shows the
// frame for its points) with a small label that flies to it when points are won, one frame per
// 17 pixels of distance, ending with the flyer's centre on the icon's centre.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/control.h"
#include "gui/interpolated.h"

namespace gui {

class ExperienceIcon : public Control, public Interpolated {
 public:
  static constexpr std::size_t kMaxFlyText = 4;
  static constexpr int kMaxPoints = 10;
  static constexpr std::uint16_t kFlyTextColour = 0x07C0;

  ExperienceIcon(std::string_view name, Form* parent);

  /// Loads the icon (its size is the control's) and the optional flyer; fails when the icon
  /// name is empty or a named picture cannot be loaded.
  bool Init(int x, int y, std::function<void(Control&)> click, std::string_view iconName,
            const gfx::Font* font, std::string_view flyerName, gfx::EntrySource& source);

  /// Shows p / 5 points (at most 10) at once.
  void SetPoints(int p);
  /// Sends text flying from (startX, startY) to the icon, which then shows p / 5 points; with
  /// p = 0 nothing flies and the icon shows 0.
  void Award(std::string_view text, int p, int startX, int startY);
  /// Shows 0 points at once.
  void ClearPoints();

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  /// The icon as it is; the flyer part of the way from its place in the frame before.
  void PaintBetween(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                    std::uint32_t timeMs, float t) const override;
  void Update() override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;

  int points() const { return points_; }
  int shownPoints() const { return shownPoints_; }
  int framesLeft() const { return framesLeft_; }
  int framesTotal() const { return framesTotal_; }
  /// Where the flyer is drawn now, in the form's coordinates.
  Point FlyerPosition() const;

 private:
  // The flyer after `steps` frames of flight (a fraction between frames).
  Point FlyerAfter(float steps) const;
  void DrawIcon(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                Point flyer) const;

  std::unique_ptr<gfx::Picture> icon_;
  std::unique_ptr<gfx::Picture> flyer_;
  const gfx::Font* font_ = nullptr;
  int points_ = 0;
  int shownPoints_ = 0;
  std::string flyText_;
  std::uint16_t framesLeft_ = 0;
  std::uint16_t framesTotal_ = 0;
  float startX_ = 0, startY_ = 0;
  float stepX_ = 0, stepY_ = 0;
};

}  // namespace gui
