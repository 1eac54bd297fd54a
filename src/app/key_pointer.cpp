#include "app/key_pointer.h"

#include <cmath>

#include "game/player_scene.h"
#include "gfx/primitives.h"
#include "gui/form.h"
#include "platform/event.h"

namespace app {

namespace key = platform::key;

void KeyPointer::Setup(int areaWidth, int areaHeight, int unit, int baseStep,
                       std::uint16_t normalColour, std::uint16_t activeColour) {
  width_ = areaWidth;
  height_ = areaHeight;
  unit_ = unit;
  baseStep_ = baseStep;
  normalColour_ = normalColour;
  activeColour_ = activeColour;
}

KeyPointer::Direction KeyPointer::DirectionOf(int k) {
  switch (k) {
    case key::kLeft:
    case 52:
      return Direction::Left;  // keypad "4"
    case key::kUp:
    case 50:
      return Direction::Up;  // keypad "2"
    case key::kRight:
    case 54:
      return Direction::Right;  // keypad "6"
    case key::kDown:
    case 56:
      return Direction::Down;  // keypad "8"
    case key::kEnter:
    case 53:
      return Direction::Select;  // keypad "5"
    default:
      return Direction::None;
  }
}

void KeyPointer::Attach(gui::Form* form, std::uint8_t navFlags, Mode mode,
                        std::uint8_t directions) {
  mode_ = mode;
  navFlags_ = navFlags;
  focused_ = nullptr;
  form_ = form;
  if (form_ == nullptr) return;
  const gui::Point origin = form_->ScreenPosition();
  originX_ = origin.x;
  originY_ = origin.y;
  if (mode_ == Mode::FocusNavigation) {
    if ((directions & 1) && !focused_) focused_ = form_->NavigateUp();
    if ((directions & 2) && !focused_) focused_ = form_->NavigateDown();
    if ((directions & 4) && !focused_) focused_ = form_->NavigateLeft();
    if ((directions & 8) && !focused_) focused_ = form_->NavigateRight();
    if (!focused_) focused_ = form_->FirstFocusable();
  }
  PlacePointer();
}

void KeyPointer::PlacePointer() {
  if (form_ == nullptr) return;
  if (mode_ == Mode::FocusNavigation && focused_ != nullptr) {
    PlaceAtFocus();
  } else {
    // The form's centre. The origin already includes the form's own position.
    x_ = originX_ + form_->width / 2;
    y_ = originY_ + form_->height / 2;
  }
}

void KeyPointer::PlaceAtFocus() {
  x_ = originX_ + focused_->focusX;
  y_ = originY_ + focused_->focusY;
}

void KeyPointer::Show() {
  shownByScript_ = true;
  PlacePointer();
}

bool KeyPointer::OnGameScreen() const {
  game::PlayerScene* scene = host_.scene();
  return scene != nullptr && form_ != nullptr && form_ == scene->form();
}

// Keys with a fixed meaning. Returns true when the key was one of them.
bool KeyPointer::HandleFixedKey(int k) {
  if (OnGameScreen()) {
    game::PlayerScene& scene = *host_.scene();
    switch (k) {
      case key::kF1:
        host_.SetVariable("WhichOptionsCall", "1");
        host_.SwitchForm("OptionsForm");
        return true;
      case key::kF2:
        scene.ExitGame();
        return true;
      case key::kEscape:
        scene.UndoLastTurn();
        return true;
      case key::kF8:
        host_.SaveScreenshot();
        return true;
      case key::kDigit0 + 1:
        scene.MagPlus(0.1f);
        return true;
      case key::kDigit0 + 3:
        scene.MagMinus(0.1f);
        return true;
      default:
        return false;
    }
  }
  if (k == key::kEscape) {
    if (form_ != nullptr && !form_->Escape() && form_->name() != "StartForm") {
      form_->KillFocus();
      host_.SwitchForm("StartForm");
    }
    return true;
  }
  return false;
}

void KeyPointer::ComputeStep() {
  if (repeatCount_ == 0) return;
  const int n = repeatCount_;
  step_ = baseStep_ * unit_;
  for (const bool more : {n > 2, n > 4, n > 6, n > 10, n > 16, n > 22, n >= 31}) {
    if (more) step_ += unit_;
  }
}

void KeyPointer::ClampToArea(int minY, int margin) {
  const int maxX = width_ - margin, maxY = height_ - margin;
  if (x_ < 0) x_ = 0;
  if (x_ > maxX) x_ = maxX;
  if (y_ < minY) y_ = minY;
  if (y_ > maxY) y_ = maxY;
}

void KeyPointer::ClampToFocus() {
  const gui::Point p{originX_ + focused_->x, originY_ + focused_->y};
  const int right = p.x + focused_->width - 1, bottom = p.y + focused_->height - 1;
  if (x_ < p.x) x_ = p.x;
  if (x_ > right) x_ = right;
  if (y_ < p.y) y_ = p.y;
  if (y_ > bottom) y_ = bottom;
}

void KeyPointer::KeyDown(int k) {
  // A form that types (the on-screen keyboard) takes the real keyboard's keys first.
  if (form_ != nullptr && form_->enabled && form_->TypeKey(k)) {
    typedKey_ = k;  // its release is the form's too
    return;
  }
  const Direction direction = DirectionOf(k);
  if (direction == Direction::None) {
    HandleFixedKey(k);
    return;
  }
  visible_ = true;  // back to the keys: the cross-hair shows again where it was
  repeatCount_ = (k == lastKey_) ? repeatCount_ + 1 : 1;
  if (direction != Direction::Select) lastKey_ = k;
  previousSelect_ = select_;
  if (form_ == nullptr) return;

  if (mode_ == Mode::FreePointer) {
    ComputeStep();
    switch (direction) {
      case Direction::Left:
        x_ -= step_;
        break;
      case Direction::Right:
        x_ += step_;
        break;
      case Direction::Up:
        y_ -= step_;
        break;
      case Direction::Down:
        y_ += step_;
        break;
      case Direction::Select:
        select_ = true;
        break;
      case Direction::None:
        break;
    }
    ClampToArea(1, 3);  // x in [0, width - 3], y in [1, height - 3]
    if (form_->enabled) form_->KeyDown(k, x_, y_);
    return;
  }

  gui::Control* next = nullptr;
  switch (direction) {
    case Direction::Up:
      next = form_->NavigateUp();
      break;
    case Direction::Down:
      next = form_->NavigateDown();
      break;
    case Direction::Left:
      next = form_->NavigateLeft();
      break;
    case Direction::Right:
      next = form_->NavigateRight();
      break;
    case Direction::Select:
      select_ = true;
      break;
    case Direction::None:
      break;
  }
  if (next != nullptr) {
    focused_ = next;
    PlaceAtFocus();
  }
  if (focused_ == nullptr) {
    ClampToArea(0, 3);
  } else {
    ClampToFocus();
  }
  if (form_->enabled) form_->KeyDown(k, x_, y_);
  // The form's handlers may have moved the focus or deleted controls: only snap back to a
  // control the form still holds.
  if (focused_ != nullptr) {
    bool held = false;
    for (gui::Control* child : form_->children())
      held = held || child == focused_;
    if (held) {
      PlaceAtFocus();
    } else {
      focused_ = nullptr;
    }
  }
}

void KeyPointer::KeyUp(int k) {
  if (k == typedKey_) {
    typedKey_ = -1;
    return;
  }
  const Direction direction = DirectionOf(k);
  if (direction == Direction::None) return;
  repeatCount_ = 0;
  if (form_ == nullptr) return;
  if (mode_ == Mode::FreePointer) {
    ComputeStep();
    if (direction == Direction::Select) select_ = false;
    ClampToArea(1, 1);  // x in [0, width - 1], y in [1, height - 1]
    if (direction == Direction::Select || form_->enabled) form_->KeyUp(k, x_, y_);
    return;
  }
  previousSelect_ = select_;
  select_ = false;
  if (form_->enabled) form_->KeyUp(k, x_, y_);
}

void KeyPointer::Draw(gfx::Surface& target) {
  game::PlayerScene* scene = host_.scene();
  if (scene == nullptr || scene->form() == nullptr) return;
  const gui::Form& gameForm = *scene->form();
  if (!gameForm.visible || !gameForm.enabled || !visible_ || !shownByScript_) return;
  const int reach = 3 * scene->cellRadius();
  const int size = static_cast<int>(static_cast<float>(2 * reach) * scene->zoom());
  const std::uint16_t colour = scene->carriesGoo() ? 0x07C0 : 0x001F;
  gfx::DrawCross(target, x_, y_, size, colour);
}

}  // namespace app
