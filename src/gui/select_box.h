// SelectBox: one item at a time between a left and a right arrow. A release on the left arrow
// (top-left corner) steps back, on the right arrow (bottom-right corner) forward; the left and
// right keys step too. An arrow is hidden at its end of the list. The box draws its centre and
// arrows in their focused pictures while it has the focus.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/choice_control.h"

namespace gui {

class SelectBox : public ChoiceControl {
 public:
  /// Longest item text; longer texts are cut.
  static constexpr std::size_t kMaxItemText = 15;

  /// The six pictures in their loading order.
  enum PictureSlot { kCentre, kCentreFocused, kLeft, kLeftFocused, kRight, kRightFocused };

  struct Item {
    std::unique_ptr<gfx::Picture> picture;  // or none
    std::optional<std::string> text;        // or none
    std::uint32_t value = 0;
  };

  SelectBox(std::string_view name, Form* parent);

  /// Loads the six pictures in slot order; the first empty name or failed load stops and
  /// fails (the box then stays uninitialised: it draws nothing and ignores events).
  bool LoadPictures(const std::array<std::string_view, 6>& names, gfx::EntrySource& source);

  /// Position, size, the picture and text offsets, font and colour; an empty item list. Fails
  /// when the font is null or the pictures were not loaded.
  bool Init(int x, int y, int width, int height, int pictureOffsetX, int pictureOffsetY,
            int textOffsetX, int textOffsetY, const gfx::Font* font, std::uint16_t colour);

  /// Appends an item. pictureName empty: no picture; a name of no known kind or a failed load
  /// adds nothing (false). text absent: no text; a text is cut to kMaxItemText characters.
  bool AddItem(std::string_view pictureName, std::optional<std::string_view> text,
               std::uint32_t value, gfx::EntrySource& source);

  /// Selects index clamped to the items and shows or hides the arrows at the ends.
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

  bool initialised() const { return initialised_; }
  const std::vector<Item>& items() const { return items_; }
  /// The current item, or null before SetSelected found one.
  const Item* current() const { return current_ >= 0 ? &items_[current_] : nullptr; }

  int selected = 0;
  bool canGoBack = true;
  bool canGoForward = true;

 protected:
  void Change(int px, int py) override;
  void Step(int direction) override { SetSelected(selected + direction); }

 private:
  const gfx::Picture& picture(PictureSlot slot) const { return *pictures_[slot]; }

  std::array<std::unique_ptr<gfx::Picture>, 6> pictures_;
  bool picturesLoaded_ = false;
  bool initialised_ = false;
  std::vector<Item> items_;
  int current_ = -1;
  const gfx::Font* font_ = nullptr;
  std::uint16_t colour_ = 0;
  int marginX_ = 0;
  gui::Point picturePos_;
  gui::Point textPos_;
};

}  // namespace gui
