#include "gui/choice_control.h"

namespace gui {

void ChoiceControl::StylusDown(int px, int py) {
  invalid = true;
  pressed = true;
  if (onDown) onDown(*this, px, py);
}

void ChoiceControl::StylusUp(int px, int py) {
  invalid = true;
  if (pressed) {
    Change(px, py);
    if (onClick) onClick(*this);
  }
  pressed = false;
  if (onUp) onUp(*this, px, py);
}

void ChoiceControl::StylusMove(int px, int py) {
  if (onMove) onMove(*this, px, py);
}

void ChoiceControl::StepKeyDown(int key, int px, int py) {
  const int direction = StepDirection(key);
  if (direction == 0) return;
  Step(direction);
  invalid = true;
  if (onDown) onDown(*this, px, py);
}

void ChoiceControl::StepKeyUp() {
  invalid = true;
  if (focused && onClick) onClick(*this);
  if (onUp) onUp(*this, 0, 0);
}

int StepDirection(int key) {
  if (key == 39 || key == 54) return 1;
  if (key == 37 || key == 52) return -1;
  return 0;
}

}  // namespace gui
