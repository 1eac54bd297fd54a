// Small text resources read by gui controls: the keyboard layout and the culminate landmarks.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_target.h"
#include "gui/culminate_message.h"
#include "gui/keyboard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> pictures;
  std::vector<std::string> pressed;
  if (gui::ParseKeyboardLayout(text, pictures, pressed)) {
    QV_FUZZ_CHECK(pictures.size() == pressed.size());  // names always come in pairs
  }
  for (const std::string& name : pictures) {
    QV_FUZZ_CHECK(name.size() <= gui::Keyboard::kMaxPictureName);
  }
  for (const std::string& name : pressed) {
    QV_FUZZ_CHECK(name.size() <= gui::Keyboard::kMaxPictureName);
  }
  const auto entries = gui::ParseCulminateEntries(text);
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  QV_FUZZ_CHECK(entries.size() <= lines);  // every entry needs at least one line of input
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  return {"key_q/key_q_p\nkey_w/key_w_p\r\n\nkey_e / key_e_p\n",
          "3\n100\nThe first landmark\n250\nHigher still\n500\nThe top\n"};
}
