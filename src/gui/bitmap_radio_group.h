// BitmapRadioGroup: one of several pictures, each with its own picture for the selected state,
// laid out in equal cells like RadioGroup. Each item carries a value for native callers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/choice_control.h"

namespace gui {

class BitmapRadioGroup : public ChoiceControl {
 public:
  struct Item {
    std::unique_ptr<gfx::Picture> picture;
    std::unique_ptr<gfx::Picture> selectedPicture;
    std::uintptr_t value = 0;
    gfx::Box area;  // the cell's corner and the selected picture's size, form coordinates
  };

  BitmapRadioGroup(std::string_view name, Form* parent);

  /// Stores the layout; starts with no items and selection 0. Always succeeds. ownsValues is
  /// kept for native callers (values are held by value here, so nothing needs freeing).
  bool Init(int x, int y, int width, int height, bool horizontal, bool ownsValues,
            std::function<void(Control&)> click);

  /// Loads both pictures and appends the item; false (no item) when either fails.
  bool AddItem(std::string_view pictureName, std::string_view selectedName, std::uintptr_t value,
               bool relayout, gfx::EntrySource& source);
  /// Selects index clamped to the items; the focus point moves to the item's centre.
  void SetSelected(int index);
  /// The value of item index (-1: the selected item), or none when out of range.
  std::optional<std::uintptr_t> GetValue(int index) const;

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override { items_.clear(); }
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  bool WantsKeyUp(int key, int, int) const override { return IsNavigationKey(key); }

  const std::vector<Item>& items() const { return items_; }
  bool ownsValues() const { return ownsValues_; }
  int selected = 0;

 protected:
  void Step(int direction) override { SetSelected(selected + direction); }

 private:
  void Layout();
  bool HitItem(int px, int py);

  std::vector<Item> items_;
  bool horizontal_ = false;
  bool ownsValues_ = false;
};

}  // namespace gui
