// EditBox typing and caret, and the on-screen keyboard: layout resource, key layout, shift,
// the two-half Enter key and keypad navigation.
#include <gtest/gtest.h>

#include "gfx/fonts/font_registry.h"
#include "gfx/pixel_picture.h"
#include "gui/control_registry.h"
#include "gui/edit_box.h"
#include "gui/form.h"
#include "gui/keyboard.h"
#include "gui_fixture.h"

namespace {

using gui::testing::solidSpr;

TEST(EditBox, TypingStopsAtMaxLengthAndBackspaceRemoves) {
  gui::EditBox box("e", nullptr);
  ASSERT_TRUE(box.Init(0, 0, 3, nullptr, "abcdef", 50, 10));
  EXPECT_EQ(box.text(), "abc");
  box.OnChar('d');
  EXPECT_EQ(box.text(), "abc");
  box.OnChar(8);
  EXPECT_EQ(box.text(), "ab");
  box.OnChar('!');
  box.OnChar('?');
  box.OnChar(0xE9);  // a character above 127 is negative as a signed 8-bit value
  EXPECT_EQ(box.text(), "ab");
  box.OnChar('_');
  EXPECT_EQ(box.text(), "ab_");
  for (int i = 0; i < 5; ++i)
    box.OnChar(8);
  EXPECT_EQ(box.text(), "");
  for (char c : std::string(" ,./\\`\"';9Z"))
    box.OnChar(c);
  EXPECT_EQ(box.text(), " ,.");
}

TEST(EditBox, CaretBlinksEvery512Milliseconds) {
  gfx::FontRegistry fonts;
  gui::testing::addTestFonts(fonts);
  gui::EditBox box("e", nullptr);
  ASSERT_TRUE(box.Init(1, 1, 8, fonts.Find("f"), "ab", 60, 10));
  gfx::SurfaceBuffer buffer(40, 10, 0x1234);
  box.Paint(buffer.surface(), 0, 0, nullptr, 1024 + 511);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), 0x0000), 12 * 8);  // text in black
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), 0xFFFF), 6 * 8);   // caret at x 13
  EXPECT_EQ(buffer.surface().at(13, 1), 0xFFFF);
  gfx::SurfaceBuffer later(40, 10, 0x1234);
  box.Paint(later.surface(), 0, 0, nullptr, 512);
  EXPECT_EQ(gfx::testing::countColour(later.surface(), 0xFFFF), 0);
  EXPECT_TRUE(box.invalid);  // never cleared: painted every frame
}

TEST(KeyboardLayout, PairsNamesAndRefusesOddCounts) {
  std::vector<std::string> first, second;
  ASSERT_TRUE(gui::ParseKeyboardLayout(" k1.spr / k1p.spr\r\n\nk2.spr/k2p.spr", first, second));
  EXPECT_EQ(first, (std::vector<std::string>{"k1.spr", "k2.spr"}));
  EXPECT_EQ(second, (std::vector<std::string>{"k1p.spr", "k2p.spr"}));
  EXPECT_FALSE(gui::ParseKeyboardLayout("a.spr/b.spr\nc.spr", first, second));
  ASSERT_TRUE(gui::ParseKeyboardLayout(std::string(40, 'n') + "/x\n", first, second));
  EXPECT_EQ(first[0].size(), gui::Keyboard::kMaxPictureName);
}

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gui::testing::addTestFonts(fonts);
    source.entries["key.spr"] = solidSpr(10, 12, 0x001F);
    source.entries["keyp.spr"] = solidSpr(10, 12, 0x07E0);
    std::string layout;
    for (int i = 0; i < gui::Keyboard::kKeyCount; ++i)
      layout += "key.spr/keyp.spr\r\n";
    source.entries["Keyboard.lspr"] = layout;
    root.AttachRegistry(registry);
    gui::testing::place(&root, 0, 0, 240, 320);
    root.visible = true;
    box = new gui::EditBox("name", &root);
    box->Init(0, 0, 10, fonts.Find("f"), "", 100, 10);
    keyboard = new gui::Keyboard("kb", &root);
    ASSERT_TRUE(keyboard->Init(5, 100, fonts.Find("f"), box, source));
  }
  gui::KeyButton* key(int i) { return keyboard->keys()[i].button; }
  // Taps the middle of key i through the root form.
  void tap(int i) {
    const gui::Point p = key(i)->ScreenPosition();
    root.StylusDown(p.x + 5, p.y + 6);
    root.StylusUp(p.x + 5, p.y + 6);
  }
  gfx::FontRegistry fonts;
  gui::testing::MapSource source;
  gui::ControlRegistry registry;
  gui::Form root{"main", nullptr};
  gui::EditBox* box = nullptr;
  gui::Keyboard* keyboard = nullptr;
};

TEST_F(KeyboardTest, TappedKeysTypeAndShiftTogglesLetters) {
  keyboard->Open();
  tap(12);  // q
  tap(22);  // shift
  EXPECT_EQ(key(12)->label(), "Q");
  tap(12);
  tap(0);   // 1: digits stay
  tap(41);  // space
  tap(10);  // backspace
  tap(22);
  EXPECT_EQ(key(12)->label(), "q");
  tap(12);
  EXPECT_EQ(box->text(), "qQ1q");
}

TEST_F(KeyboardTest, EitherEnterHalfPressesBothAndItsReleaseEnters) {
  keyboard->Open();
  const gui::Point lower = key(42)->ScreenPosition();
  root.StylusDown(lower.x + 2, lower.y + 2);
  EXPECT_TRUE(key(32)->pressed);
  EXPECT_TRUE(key(42)->pressed);
  EXPECT_FALSE(keyboard->entered);
  root.StylusUp(lower.x + 2, lower.y + 2);
  EXPECT_TRUE(keyboard->entered);
  EXPECT_FALSE(key(32)->pressed);
  keyboard->Open();
  EXPECT_FALSE(keyboard->entered);
}

TEST_F(KeyboardTest, APressOnlyReachesTheFirstKeyAndKeepsTheFocus) {
  keyboard->Open();
  const gui::Point p = key(3)->ScreenPosition();
  root.StylusDown(p.x + 1, p.y + 1);
  EXPECT_TRUE(key(3)->pressed);
  EXPECT_EQ(keyboard->focusedChild, nullptr);
  root.StylusMove(p.x + 15, p.y + 1);  // onto the next key: the press is cancelled
  EXPECT_FALSE(key(3)->pressed);
  root.StylusUp(p.x + 15, p.y + 1);
  EXPECT_EQ(box->text(), "");
}

TEST_F(KeyboardTest, KeypadNavigationStaysOnUsableKeys) {
  EXPECT_EQ(keyboard->NavigateLeft(), key(0));  // nothing before key 0
  EXPECT_EQ(keyboard->NavigateRight(), key(1));
  EXPECT_TRUE(key(1)->focused);
  EXPECT_TRUE(key(1)->pressed);                  // focus highlights the key
  EXPECT_EQ(keyboard->NavigateUp(), key(1));     // beyond the first row
  EXPECT_EQ(keyboard->NavigateDown(), key(12));  // q (10..19) lies under the middle of 2
  EXPECT_FALSE(key(1)->focused);
  EXPECT_FALSE(key(1)->pressed);
  for (int i = 0; i < 12; ++i)
    keyboard->NavigateLeft();
  EXPECT_EQ(keyboard->currentKey(), 0);
  keyboard->NavigateDown();  // under key 0 lies the gap: the nearest usable key instead
  EXPECT_EQ(keyboard->currentKey(), 12);
  keyboard->NavigateLeft();  // past the gap to the end of the first row
  EXPECT_EQ(keyboard->currentKey(), 10);
  for (int i = 0; i < 50; ++i)
    keyboard->NavigateRight();
  EXPECT_EQ(keyboard->currentKey(), 42);
  keyboard->NavigateDown();
  EXPECT_EQ(keyboard->currentKey(), 42);
  keyboard->NavigateUp();  // above Enter's lower half (x 90..99) is the upper half
  EXPECT_EQ(keyboard->currentKey(), 31);
}

TEST_F(KeyboardTest, AKeyboardWithoutEnterFailsAndADeletedTargetIsNotTyped) {
  gui::testing::MapSource oneKey;
  gui::Keyboard other("other", &root);
  // Pictures that fail give keys that draw nothing; without an Enter key to tap, the keyboard
  // could never finish a name, so it fails.
  oneKey.entries["Keyboard.lspr"] = "a.spr/b.spr\n";
  EXPECT_FALSE(other.Init(0, 0, fonts.Find("f"), box, oneKey));
  keyboard->Open();
  root.DeleteControl(box);
  tap(12);  // must not type into freed memory
  SUCCEED();
}

}  // namespace
