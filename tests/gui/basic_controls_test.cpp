// Image, Rect, Button, TextButton and Label: loading, sizes, painting and press handling.
#include <gtest/gtest.h>

#include "gfx/fonts/font_registry.h"
#include "gfx/pixel_picture.h"
#include "gui/button.h"
#include "gui/form.h"
#include "gui/image.h"
#include "gui/label.h"
#include "gui/rect.h"
#include "gui/text_button.h"
#include "gui_fixture.h"

namespace {

using gui::testing::MapSource;
using gui::testing::solidSpr;

constexpr std::uint16_t kRed = 0xF800, kGreen = 0x07E0, kBlue = 0x001F;

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    source.entries["red.spr"] = solidSpr(4, 3, kRed);
    source.entries["green.spr"] = solidSpr(6, 5, kGreen);
    source.entries["bad.spr"] = "xx";
    gui::testing::addTestFonts(fonts);
    gui::testing::place(&form, 0, 0, 20, 10);
    form.visible = true;
  }
  void paint() { form.Paint(buffer.surface(), 0, 0, nullptr, 0); }
  MapSource source;
  gfx::FontRegistry fonts;
  gui::Form form{"f", nullptr};
  gfx::SurfaceBuffer buffer{20, 10};
};

TEST_F(Controls, ImageSizesLoadFailuresAndSourceChanges) {
  auto* image = new gui::Image("i", &form);
  EXPECT_TRUE(image->Init(2, 1, nullptr, "red.spr", source));
  paint();
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kRed), 12);
  EXPECT_EQ(buffer.surface().at(2, 1), kRed);
  image->invalid = false;
  EXPECT_TRUE(image->SetImageSource("green.spr", source));
  EXPECT_FALSE(image->invalid);                                // no invalidation
  EXPECT_FALSE(image->SetImageSource("missing.spr", source));  // keeps the picture
  ASSERT_NE(image->picture(), nullptr);
  EXPECT_EQ(image->picture()->width(), 6);

  auto* empty = new gui::Image("e", &form);
  EXPECT_TRUE(empty->Init(0, 0, nullptr, "", source));
  EXPECT_EQ(empty->picture(), nullptr);
  auto* unknown = new gui::Image("u", &form);
  for (const char* name : {"red.png", "bad.spr", "missing.spr"})
    EXPECT_FALSE(unknown->Init(0, 0, nullptr, name, source)) << name;
  EXPECT_EQ(unknown->width, 0);
  paint();  // draws nothing it could not load
}

TEST_F(Controls, RectIsFilledOnlyInsideItsForm) {
  auto* inner = gui::testing::place(new gui::Form("inner", &form), 2, 2, 5, 4);
  inner->visible = true;
  auto* rect = new gui::Rect("r", inner);
  ASSERT_TRUE(rect->Init(3, -1, 10, 10, 31, kBlue));
  paint();
  // The form covers (2..6, 2..5); the rectangle starts at (5, 1): columns 5..6, rows 2..5.
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kBlue), 8);
  EXPECT_EQ(buffer.surface().at(5, 2), kBlue);
  EXPECT_EQ(buffer.surface().at(7, 2), 0);
  EXPECT_FALSE(rect->invalid);  // drawn once per invalidation
}

TEST_F(Controls, ButtonShowsThePressedPictureWhilePressedAndFocused) {
  auto* button = new gui::Button("b", &form);
  ASSERT_TRUE(button->Init(8, 4, nullptr, "red.spr", "green.spr", source));
  paint();
  EXPECT_EQ(buffer.surface().at(8, 4), kRed);
  form.StylusDown(9, 5);  // pressed, and the form gives it the focus
  paint();
  EXPECT_EQ(buffer.surface().at(8, 4), kGreen);
  form.StylusUp(9, 5);
  paint();
  EXPECT_EQ(buffer.surface().at(8, 4), kRed);
  EXPECT_TRUE(button->focused);

  auto* plain = new gui::Button("p", &form);
  ASSERT_TRUE(plain->Init(0, 0, nullptr, "red.spr", "", source));
  plain->SetFocus();  // focus presses it
  EXPECT_TRUE(plain->pressed);
  plain->KillFocus();
  EXPECT_TRUE(plain->pressed);  // killing the focus does not release it
  EXPECT_FALSE(plain->Init(0, 0, nullptr, "", "", source));
  EXPECT_FALSE(plain->Init(0, 0, nullptr, "red.spr", "missing.spr", source));
}

TEST_F(Controls, TextButtonGrowsWithItsPressedText) {
  auto* button = new gui::TextButton("t", &form);
  EXPECT_FALSE(button->Init(0, 0, nullptr, nullptr, nullptr, "Go", std::nullopt, 1, 2));
  ASSERT_TRUE(button->Init(1, 1, nullptr, fonts.Find("f"), fonts.Find("big"), "Go",
                           std::string_view("Go on"), kRed, kGreen));
  EXPECT_EQ(button->height, 8);
  form.width = 200;
  form.StylusDown(20, 5);  // outside the normal size
  EXPECT_FALSE(button->pressed);
  form.StylusDown(3, 3);
  EXPECT_EQ(button->width, 50);  // "Go on" in the 10-pixel font
  EXPECT_EQ(button->height, 12);
  EXPECT_EQ(button->focusX, 1 + 3 * (50 / 4));  // three quarters across and down
  EXPECT_EQ(button->focusY, 1 + 3 * (12 / 4));
  button->pressed = false;
  button->StylusMove(40, 5);  // dragging onto it presses it
  EXPECT_TRUE(button->pressed);
  button->StylusUp(40, 5);
  EXPECT_EQ(button->width, 12);
  button->KillFocus();
  EXPECT_FALSE(button->pressed);

  auto* same = new gui::TextButton("s", &form);  // no pressed font or text: the normal ones
  ASSERT_TRUE(same->Init(0, 0, nullptr, fonts.Find("f"), nullptr, "abc", std::nullopt, 0, 0));
  same->StylusDown(0, 0);
  EXPECT_EQ(same->width, 18);
}

}  // namespace
