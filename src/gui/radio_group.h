// RadioGroup: one of several captioned items, laid out in equal cells side by side or one above
// the other. The item under the stylus becomes selected as the stylus moves or is lifted; the
// left and right keys step the selection. Item places are in the form's coordinates.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/choice_control.h"

namespace gui {

class RadioGroup : public ChoiceControl {
 public:
  /// Longest item text; longer texts are cut.
  static constexpr std::size_t kMaxItemText = 39;

  struct Item {
    std::string text;
    gfx::Box area;  // the item's whole cell, in the form's coordinates
  };

  RadioGroup(std::string_view name, Form* parent);

  /// pictureName may be empty; selectedName is required. Fails when it is empty or a picture
  /// cannot be loaded. Starts with no items and selection 0.
  bool Init(int x, int y, int width, int height, bool horizontal, std::string_view pictureName,
            std::string_view selectedName, const gfx::Font* font, std::uint16_t colour,
            std::function<void(Control&)> click, gfx::EntrySource& source);

  /// Appends an item (text cut to kMaxItemText); with relayout the cells are computed anew.
  void AddItem(std::string_view text, bool relayout);
  /// Selects index clamped to the items; the focus point moves to the selected item.
  void SetSelected(int index);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  bool WantsKeyUp(int key, int, int) const override { return IsNavigationKey(key); }

  const std::vector<Item>& items() const { return items_; }
  int selected = 0;  // -1 for none

 protected:
  void Step(int direction) override { SetSelected(selected + direction); }

 private:
  void Layout();
  /// Selects the item strictly containing the point; false (selection kept) when none does.
  bool HitItem(int px, int py);

  std::vector<Item> items_;
  std::unique_ptr<gfx::Picture> picture_;
  std::unique_ptr<gfx::Picture> selectedPicture_;
  const gfx::Font* font_ = nullptr;
  std::uint16_t colour_ = 0;
  bool horizontal_ = false;
  int pictureY_ = 0;
  int textY_ = 0;
};

}  // namespace gui
