#include "gui/keyboard.h"

#include <algorithm>
#include <cstdlib>

#include "gui/control_registry.h"

namespace gui {
namespace {

constexpr int kRowStart[] = {0, 11, 22, 33, 43};

int rowOf(int index) {
  for (int r = 0; r < 4; ++r) {
    if (index < kRowStart[r + 1]) return r;
  }
  return 3;
}

// Codes and labels of the 43 keys; the gaps are code 0 with no label.
std::vector<Keyboard::Key> keyTable() {
  std::vector<Keyboard::Key> keys;
  const auto add = [&](int code, std::string label, bool enabled = true) {
    Keyboard::Key k;
    k.keyCode = static_cast<std::uint8_t>(code);
    k.label = std::move(label);
    k.enabled = enabled;
    keys.push_back(std::move(k));
  };
  const auto letters = [&](std::string_view s) {
    for (char c : s)
      add(c, std::string(1, c));
  };
  letters("123456789");
  add('0', "0");
  add(8, "<-");
  add(0, "", false);
  letters("qwertyuiop");
  add(3, "^");
  letters("asdfghjkl");
  add(13, "");
  add(0, "", false);
  letters("zxcvbnm");
  add(32, " ");
  add(14, "");
  return keys;
}

}  // namespace

bool ParseKeyboardLayout(std::string_view text, std::vector<std::string>& pictures,
                         std::vector<std::string>& pressedPictures) {
  pictures.clear();
  pressedPictures.clear();
  std::string name;
  bool second = false;
  const auto push = [&](std::vector<std::string>& to) {
    to.push_back(name.substr(0, Keyboard::kMaxPictureName));
    name.clear();
  };
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\0') continue;
    if (!second && c == '/') {
      push(pictures);
      second = true;
    } else if (c == '\n') {
      // A line with a name but no "/" still ends a second name, so the counts differ; an
      // empty line counts for nothing.
      if (second || !name.empty()) push(pressedPictures);
      second = false;
    } else {
      name += c;
    }
  }
  if (second) push(pressedPictures);             // the last line without a line feed
  if (!second && !name.empty()) push(pictures);  // a first name that never ended
  return pictures.size() == pressedPictures.size();
}

Keyboard::Keyboard(std::string_view name, Form* parent) : Form(name, parent) {}

bool Keyboard::Init(int px, int py, const gfx::Font* font, EditBox* target,
                    gfx::EntrySource& source) {
  while (!children().empty())
    DeleteControl(children().front());
  keys_.clear();
  enterKey_ = enterKey2_ = nullptr;
  focused = true;
  shifted_ = false;
  entered = false;
  targetId_ = target != nullptr ? target->id() : 0;
  targetNoHandle_ = target != nullptr && targetId_ == 0 ? target : nullptr;
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = height = 0;
  currentKey_ = 0;

  const std::span<const std::byte> bytes = source.find(kLayoutResource);
  if (bytes.empty()) return false;
  std::vector<std::string> pictures, pressed;
  if (!ParseKeyboardLayout(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), pictures,
          pressed)) {
    return false;
  }
  keys_ = keyTable();
  for (std::size_t i = 0; i < keys_.size() && i < pictures.size(); ++i) {
    keys_[i].picture = pictures[i];
    keys_[i].pressedPicture = pressed[i];
  }

  int cursorX = 0, cursorY = 0;
  for (int i = 0; i < kKeyCount; ++i) {
    Key& key = keys_[i];
    auto* button = new KeyButton("button_" + std::to_string(i), this);  // owned by the keyboard
    key.button = button;
    (void)button->Init(
        cursorX, cursorY, [this](Control& c) { Click(static_cast<KeyButton&>(c)); }, key.picture,
        key.pressedPicture, "", key.label, key.keyCode, font, 0, source);
    button->visible = true;
    button->invalid = true;
    button->alwaysRepaint = true;
    button->enabled = key.enabled;
    cursorX += button->width;
    if (i <= 13) width = static_cast<std::uint16_t>(width + button->width);
    if (key.keyCode == 8 || key.keyCode == 'p' || key.keyCode == 13 || key.keyCode == 14) {
      cursorX = 0;
      cursorY += button->height;
      height = static_cast<std::uint16_t>(height + button->height);
    }
    if (key.keyCode == 13) enterKey_ = button;
    if (key.keyCode == 14) enterKey2_ = button;
  }
  // A keyboard whose Enter key has no picture can be neither seen nor tapped there, so a name
  // could never be finished: it fails, and the record book then saves its result unnamed.
  const auto usable = [](const KeyButton* k) {
    return k != nullptr && k->width > 0 && k->height > 0;
  };
  return usable(enterKey_) || usable(enterKey2_);
}

void Keyboard::Release() {
  Form::Release();
  keys_.clear();
  enterKey_ = enterKey2_ = nullptr;
}

void Keyboard::Open() {
  entered = false;
  typing_ = false;
  visible = true;
}

EditBox* Keyboard::target() const {
  if (targetNoHandle_ != nullptr) return targetNoHandle_;
  if (targetId_ == 0 || registry() == nullptr) return nullptr;
  // Looked up by handle each time: an edit box deleted meanwhile is simply not typed into.
  return dynamic_cast<EditBox*>(registry()->Find(targetId_));
}

void Keyboard::Click(const KeyButton& key) {
  switch (key.keyCode) {
    case 13:
      entered = true;
      break;
    case 3:
      ToggleCase();
      break;
    case 14:
      break;
    default:
      if (EditBox* box = target()) box->OnChar(key.keyCode);
      break;
  }
}

bool Keyboard::TypeKey(int key) {
  if (!visible || !enabled) return false;
  int c = 0;
  if (key >= 'A' && key <= 'Z') {
    c = shifted_ ? key : key + ('a' - 'A');
  } else if ((key >= '0' && key <= '9') || key == ' ' || key == 8) {
    c = key;
  } else if (key == 13 && typing_) {
    entered = true;
    return true;
  } else {
    if (key >= 37 && key <= 40) typing_ = false;  // back to moving over the keys
    return false;
  }
  typing_ = true;
  if (EditBox* box = target()) box->OnChar(c);
  return true;
}

void Keyboard::ToggleCase() {
  shifted_ = !shifted_;
  for (Key& key : keys_) {
    KeyButton* b = key.button;
    if (b == nullptr) continue;
    const bool lower = b->keyCode >= 'a' && b->keyCode <= 'z';
    const bool upper = b->keyCode >= 'A' && b->keyCode <= 'Z';
    if ((shifted_ && lower) || (!shifted_ && upper)) {
      const int delta = shifted_ ? -32 : 32;
      b->keyCode = static_cast<std::uint16_t>(b->keyCode + delta);
      std::string label = b->label();
      if (!label.empty()) label[0] = static_cast<char>(label[0] + delta);
      b->SetLabel(label);
      b->invalid = true;
    }
  }
}

namespace {

bool hits(const Control* key, int lx, int ly) {
  if (key == nullptr) return false;
  const int ux = static_cast<std::uint16_t>(lx), uy = static_cast<std::uint16_t>(ly);
  return key->x <= ux && ux < key->x + key->width && key->y <= uy && uy < key->y + key->height;
}

}  // namespace

void Keyboard::StylusDown(int px, int py) {
  const int lx = px - x, ly = py - y;
  if (hits(enterKey_, lx, ly) || hits(enterKey2_, lx, ly)) {
    enterKey_->StylusDown(lx, ly);
    if (enterKey2_ != nullptr) enterKey2_->StylusDown(lx, ly);
    return;
  }
  const std::string args[] = {std::to_string(static_cast<std::uint16_t>(px)),
                              std::to_string(static_cast<std::uint16_t>(py))};
  for (Control* child : std::vector<Control*>(children())) {
    if (!child->visible || !child->enabled || !hits(child, lx, ly)) continue;
    CallDriver(child->name() + "_StylusDown", args);
    if (HasChild(child)) child->StylusDown(lx, ly);
    return;  // only the first key hit; the focus does not change
  }
}

void Keyboard::StylusUp(int px, int py) {
  const int lx = px - x, ly = py - y;
  if (hits(enterKey_, lx, ly) || hits(enterKey2_, lx, ly)) {
    enterKey_->StylusUp(lx, ly);
    if (enterKey2_ != nullptr) enterKey2_->StylusUp(lx, ly);
    return;
  }
  Form::StylusUp(px, py);
  Refresh();
}

void Keyboard::StylusMove(int px, int py) {
  const int lx = px - x, ly = py - y;
  if (hits(enterKey_, lx, ly) || hits(enterKey2_, lx, ly)) {
    enterKey_->StylusMove(lx, ly);
    if (enterKey2_ != nullptr) enterKey2_->StylusMove(lx, ly);
    return;
  }
  Form::StylusMove(px, py);
  Refresh();
}

bool Keyboard::Usable(int index) const {
  if (index < 0 || index >= static_cast<int>(keys_.size())) return false;
  const KeyButton* b = keys_[index].button;
  return b != nullptr && b->visible && b->enabled;
}

void Keyboard::SetCurrentKey(int index) {
  if (keys_.empty()) return;
  FocusKey(std::clamp(index, 0, static_cast<int>(keys_.size()) - 1));
}

Control* Keyboard::FocusKey(int index) {
  if (keys_.empty()) return nullptr;
  if (KeyButton* old = keys_[currentKey_].button) old->KillFocus();
  currentKey_ = index;
  KeyButton* now = keys_[currentKey_].button;
  now->SetFocus();
  focusedChild = now;
  return now;
}

Control* Keyboard::NavigateLeft() {
  if (keys_.empty()) return nullptr;
  for (int i = currentKey_ - 1; i >= 0; --i) {
    if (Usable(i)) return FocusKey(i);
  }
  return FocusKey(currentKey_);
}

Control* Keyboard::NavigateRight() {
  if (keys_.empty()) return nullptr;
  for (int i = currentKey_ + 1; i < kKeyCount; ++i) {
    if (Usable(i)) return FocusKey(i);
  }
  return FocusKey(currentKey_);
}

// The key of the next or previous row under the middle of the current key; where that one is
// a gap (or missing), the usable key of that row nearest to the middle. Beyond the first and
// last rows the current key stays.
Control* Keyboard::NavigateRow(int rowStep) {
  if (keys_.empty()) return nullptr;
  const int row = rowOf(currentKey_) + rowStep;
  if (row < 0 || row > 3) return FocusKey(currentKey_);
  const KeyButton* here = keys_[currentKey_].button;
  const int middle = here->x + here->width / 2;
  int best = -1, bestDistance = 0;
  for (int i = kRowStart[row]; i < kRowStart[row + 1]; ++i) {
    if (!Usable(i)) continue;
    const KeyButton* b = keys_[i].button;
    const int distance = middle < b->x               ? b->x - middle
                         : middle >= b->x + b->width ? middle - (b->x + b->width - 1)
                                                     : 0;
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return FocusKey(best >= 0 ? best : currentKey_);
}

Control* Keyboard::NavigateUp() {
  return NavigateRow(-1);
}
Control* Keyboard::NavigateDown() {
  return NavigateRow(1);
}

}  // namespace gui
