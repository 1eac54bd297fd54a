// Form: a control that holds controls. Screens are forms under the root form "main". A form
// paints its visible, invalid children in list order (later ones on top), hands stylus events to
// every visible, enabled child under the point, and moves the focus between its children for
// keypad navigation. Its driver (the screen's script) hears of every event first.
//
// Children are owned: a control created with a form as parent is deleted with the form (or by
// DeleteControl). A driver function may add or delete controls while an event is being
// delivered, so dispatch walks the children as they were when the event arrived and skips the
// ones deleted meanwhile; controls added meanwhile first hear of the next event.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/control.h"
#include "gui/form_driver.h"

namespace gui {

/// navFlags bits.
enum NavFlag : std::uint8_t {
  kNavUpBack = 1,       // up moves the focus back
  kNavDownForward = 2,  // down moves it forward
  kNavLeftBack = 4,
  kNavRightForward = 8,
  kNavNoWrap = 16,
};

class Form : public Control {
 public:
  Form(std::string_view name, Form* parent);
  ~Form() override;

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  void StylusMove(int x, int y) override;
  void Refresh() override;
  void Update() override;
  void KillFocus() override;

  virtual Control* FocusNext();
  virtual Control* FocusPrevious();
  /// Drops the focus and sends the driver "OnShow" (the screen becomes current).
  virtual void Activate();
  /// Sends the driver "OnShow" (the screen stops being current; there is no separate event).
  virtual void Deactivate();
  /// Escape pressed while the keys go to this form. True when the form dealt with it (a
  /// screen with its own way back, or a script with an OnEscape function, which is called);
  /// the default asks the form it lies on, and no form at all lets the caller return to the
  /// start menu.
  virtual bool Escape();
  /// A key of the real keyboard (virtual-key code) offered before it moves the focus: true
  /// when the form typed it (the on-screen keyboard takes letters, digits and Backspace).
  virtual bool TypeKey(int key) {
    (void)key;
    return false;
  }
  /// Each returns the newly focused control, or nullptr when navFlags do not allow the move.
  virtual Control* NavigateUp();
  virtual Control* NavigateDown();
  virtual Control* NavigateLeft();
  virtual Control* NavigateRight();

  /// The first direct child whose name equals name exactly (case-sensitive), or nullptr.
  Control* FindControl(std::string_view name) const;
  /// FindControl, for a child that is a form.
  Form* FindForm(std::string_view name) const;
  /// The first child that is visible and enabled (where keypad navigation starts), or nullptr.
  Control* FirstFocusable() const;
  /// When exactly one child is enabled and visible, focuses it and returns it; else nullptr.
  Control* FocusSingle();

  /// Deletes a child: drops the focus if it has it, releases it and frees it.
  void DeleteControl(Control* child);

  /// Calls the driver's function when there is a driver.
  void CallDriver(std::string_view function, std::span<const std::string> args = {});
  /// Replaces the driver (null: none). A replaced driver that is still running a function (a
  /// script that attaches another script to its own form) is kept by the registry until it
  /// returns.
  void SetDriver(std::unique_ptr<FormDriver> driver);
  FormDriver* driver() const { return driver_.get(); }

  /// Makes this parentless form (the root) and every control created under it from now on
  /// known to registry, which must outlive them.
  void AttachRegistry(ControlRegistry& registry);

  const std::vector<Control*>& children() const { return children_; }

  Control* focusedChild = nullptr;
  std::uint8_t navFlags = 0;

 protected:
  /// True while child is still one of the children (a driver call may have deleted it).
  bool HasChild(const Control* child) const;

 private:
  // False once the form is destroyed; dispatch loops hold a copy to notice their own deletion.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  friend class Control;
  void Detach(Control* child);
  void DropDriver();
  Control* FocusWalk(bool forward);
  void MoveFocusTo(Control* child);
  bool Hit(const Control& child, int lx, int ly) const;

  std::vector<Control*> children_;
  std::unique_ptr<FormDriver> driver_;
};

}  // namespace gui
