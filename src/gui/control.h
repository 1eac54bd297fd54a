// Control: the base of everything on a screen. A control sits in exactly one Form's children (only
// the root form has no parent), is painted while `visible` and `invalid`, updated while `visible`
// and `updating`, and receives stylus and key events while `visible` and `enabled`. Positions are
// relative to the parent form's top-left corner.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gui {

class ControlRegistry;
class Form;

/// Longest control name; longer names are cut to this many characters.
inline constexpr std::size_t kMaxControlName = 29;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class Control {
 public:
  /// Joins the end of parent's children when a parent is given, and the parent's registry
  /// (which gives the control its handle) when the parent has one. name is cut to
  /// kMaxControlName characters.
  Control(std::string_view name, Form* parent);
  /// Leaves the parent's children and the registry.
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Virtual operations. Coordinates are in the parent form's coordinates.
  /// Draws the control at (x + offsetX, y + offsetY), clipped to clip (nullptr: the whole
  /// target); timeMs is the frame's tick, for animations.
  virtual void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                     std::uint32_t timeMs) = 0;
  /// Frees the control's own resources (pictures, texts); runs before destruction.
  virtual void Release() {}
  virtual bool Load() { return true; }
  virtual void StylusDown(int x, int y) = 0;
  virtual void StylusUp(int x, int y) = 0;
  virtual void KeyDown(int key, int x, int y);
  virtual void KeyUp(int key, int x, int y);
  virtual bool WantsKeyDown(int key, int x, int y) const;
  virtual bool WantsKeyUp(int key, int x, int y) const;
  virtual void StylusMove(int x, int y) = 0;
  virtual void Refresh() {}
  virtual void Update() {}
  virtual void SetFocus() { focused = true; }
  virtual void KillFocus() { focused = false; }

  /// Moves the control to (newX, newY) relative to its form; the focus point moves by the same
  /// amount. No invalidation.
  void SetPosition(int newX, int newY);

  /// Position on the screen: x, y plus those of every form up the parent chain.
  Point ScreenPosition() const;

  const std::string& name() const { return name_; }
  Form* parent() const { return parent_; }
  /// The control's number in its registry (its handle), 0 when it has none.
  std::uint32_t id() const { return id_; }
  ControlRegistry* registry() const { return registry_; }

  // State, as the forms, the key pointer and the script functions read and set it.
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  bool alwaysRepaint = false;  // painting does not clear `invalid`
  std::int16_t focusX = 0;     // where the key pointer goes when the control gets the focus
  std::int16_t focusY = 0;
  std::function<void(Control&)> onClick;
  std::function<void(Control&, int, int)> onDown;
  std::function<void(Control&, int, int)> onUp;
  std::function<void(Control&, int, int)> onMove;
  bool visible = true;
  bool invalid = true;
  bool updating = true;
  bool enabled = false;
  bool pressed = false;  // a press is in progress: its release is a "_Click"
  bool focused = false;
  std::int16_t x = 0;
  std::int16_t y = 0;

 protected:
  /// Ends a paint: `invalid` is cleared unless the control repaints every frame.
  void PaintDone() {
    if (!alwaysRepaint) invalid = false;
  }
  /// Sets the focus point to three quarters of the size from the top-left corner (buttons).
  void FocusAtThreeQuarters() {
    focusX = static_cast<std::int16_t>(x + 3 * (width / 4));
    focusY = static_cast<std::int16_t>(y + 3 * (height / 4));
  }

 private:
  friend class Form;
  std::string name_;
  Form* parent_;
  ControlRegistry* registry_ = nullptr;
  std::uint32_t id_ = 0;
};

/// True for the keys a control takes as presses by default: the arrows, the action key 13 and
/// the keypad digits 2, 4, 5, 6, 8.
bool IsNavigationKey(int key);

}  // namespace gui
