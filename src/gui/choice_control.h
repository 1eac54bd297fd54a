// ChoiceControl: what the controls for choosing a value share. A press marks the control
// pressed; its release makes the class's change and then calls onClick. The controls with
// several positions (groups, slider, select box) also step their value with the left and right
// keys and treat every navigation key's release as a completed choice.
#pragma once

#include "gui/control.h"

namespace gui {

class ChoiceControl : public Control {
 public:
  using Control::Control;

  /// invalid, pressed, then onDown.
  void StylusDown(int x, int y) override;
  /// invalid; when pressed: Change() then onClick; pressed cleared; then onUp.
  void StylusUp(int x, int y) override;
  /// onMove.
  void StylusMove(int x, int y) override;

 protected:
  /// The class's own change when a press ends on it.
  virtual void Change(int /*x*/, int /*y*/) {}

  /// Key handling of the controls with several positions: 39/54 step forward, 37/52 back,
  /// each step invalidating and calling onDown; any release invalidates, calls onClick when
  /// focused and onUp with (0, 0).
  void StepKeyDown(int key, int x, int y);
  void StepKeyUp();
  /// One step forward (+1) or back (-1).
  virtual void Step(int /*direction*/) {}
};

/// True for the keys that step a choice forward (39, 54) or back (37, 52); 0 for others.
int StepDirection(int key);

}  // namespace gui
