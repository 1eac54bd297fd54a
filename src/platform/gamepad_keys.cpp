#include "platform/gamepad_keys.h"

namespace platform {

int KeyForPadButton(PadButton button) {
  switch (button) {
    case PadButton::DpadUp:
      return 38;
    case PadButton::DpadDown:
      return 40;
    case PadButton::DpadLeft:
      return 37;
    case PadButton::DpadRight:
      return 39;
    case PadButton::A:
      return 13;
    case PadButton::B:
      return 27;
    case PadButton::Start:
      return 112;
    case PadButton::Back:
      return 113;
    case PadButton::Other:
      break;
  }
  return -1;
}

namespace {

// Updates one direction of one axis: pressed beyond kPress, released back within kRelease.
void direction(bool& held, int amount, int key, std::vector<KeyChange>& out) {
  if (!held && amount > StickKeys::kPress) {
    held = true;
    out.push_back({key, true});
  } else if (held && amount < StickKeys::kRelease) {
    held = false;
    out.push_back({key, false});
  }
}

}  // namespace

std::vector<KeyChange> StickKeys::Move(int x, int y) {
  std::vector<KeyChange> out;
  direction(left_, -x, 37, out);
  direction(right_, x, 39, out);
  direction(up_, -y, 38, out);
  direction(down_, y, 40, out);
  return out;
}

}  // namespace platform
