// CheckBox, RadioGroup, BitmapRadioGroup, DiskretSlider and SelectBox: geometry, selection by
// stylus and keys, and painting.
#include <gtest/gtest.h>

#include "gfx/fonts/font_registry.h"
#include "gfx/pixel_picture.h"
#include "gui/bitmap_radio_group.h"
#include "gui/check_box.h"
#include "gui/diskret_slider.h"
#include "gui/form.h"
#include "gui/radio_group.h"
#include "gui/select_box.h"
#include "gui_fixture.h"

namespace {

using gui::testing::RecordingDriver;
using gui::testing::solidSpr;

constexpr std::uint16_t kRed = 0xF800, kGreen = 0x07E0, kBlue = 0x001F, kWhite = 0xFFFF;

class Choice : public ::testing::Test {
 protected:
  void SetUp() override {
    source.entries = {
        {"seg.spr", solidSpr(10, 6, kRed)},       {"empty.spr", solidSpr(10, 6, kBlue)},
        {"seg.aspr", "not for sliders"},          {"off.spr", solidSpr(8, 8, kBlue)},
        {"on.spr", solidSpr(8, 8, kGreen)},       {"arrow.spr", solidSpr(10, 10, kBlue)},
        {"arrowf.spr", solidSpr(10, 10, kGreen)}, {"mid.spr", solidSpr(20, 10, kRed)},
        {"midf.spr", solidSpr(20, 10, kWhite)},   {"item.spr", solidSpr(4, 4, kWhite)}};
    gui::testing::addTestFonts(fonts);
    gui::testing::place(&form, 0, 0, 200, 100);
    form.visible = true;
  }
  gui::testing::MapSource source;
  gfx::FontRegistry fonts;
  gui::Form form{"f", nullptr};
};

TEST_F(Choice, SliderGeometryPaintAndTaps) {
  auto* slider = new gui::DiskretSlider("s", &form);
  ASSERT_TRUE(slider->Init(20, 10, 70, 99, "empty.spr", "seg.spr", nullptr, 5, 2, source));
  EXPECT_EQ(slider->height, 6);  // the requested height is not used
  gfx::SurfaceBuffer buffer(200, 100);
  form.Paint(buffer.surface(), 0, 0, nullptr, 0);  // filled, then empty segments
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kRed), 2 * 60);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kBlue), 3 * 60);
  // Segments 10 wide, gaps 5: a tap in a gap still counts for the segment before it.
  for (const auto& [x, value] : {std::pair{3, 0}, {8, 1}, {31, 2}, {37, 3}, {69, 5}})
    EXPECT_EQ(slider->ValueAt(x), value) << x;
  form.StylusDown(20 + 31, 12);
  EXPECT_EQ(slider->value, 2);
  EXPECT_TRUE(slider->pressed);
  form.StylusUp(20 + 8, 12);
  EXPECT_EQ(slider->value, 1);
  EXPECT_FALSE(slider->pressed);
  EXPECT_FALSE(slider->Init(0, 0, 70, 6, "", "seg.aspr", nullptr, 5, 0, source));
  EXPECT_FALSE(slider->Init(0, 0, 70, 6, "", "seg.spr", nullptr, 0, 0, source));
}

TEST_F(Choice, SliderKeysStopAtTheEndsButStillReport) {
  auto* slider = new gui::DiskretSlider("s", &form);
  int downs = 0;
  ASSERT_TRUE(slider->Init(
      20, 10, 70, 6, "empty.spr", "seg.spr", [&](gui::Control&, int, int) { ++downs; }, 5, 5,
      source));
  slider->invalid = false;
  slider->KeyDown(39, 0, 0);
  EXPECT_EQ(slider->value, 5);
  EXPECT_EQ(downs, 1);
  EXPECT_FALSE(slider->invalid);  // unchanged: not invalidated
  slider->KeyDown(37, 0, 0);
  EXPECT_EQ(slider->value, 4);
  EXPECT_EQ(slider->focusX, 20 + 3 * 15 + 5);
  for (int i = 0; i < 6; ++i)
    slider->KeyDown(52, 0, 0);
  EXPECT_EQ(slider->value, 0);
  EXPECT_EQ(slider->focusX, 20 + 5);
  EXPECT_EQ(downs, 8);
}

TEST_F(Choice, CheckBoxToggleComesAfterTheDriversClick) {
  std::vector<std::string> log;
  auto driver = std::make_unique<RecordingDriver>(log);
  auto* box = new gui::CheckBox("cb", &form);
  ASSERT_TRUE(box->Init(10, 10, 60, 12, "off.spr", "on.spr", fonts.Find("f"), "Music", kWhite,
                        false, nullptr, source));
  driver->hook = [&](std::string_view f) {
    if (f == "cb_Click") log.push_back(box->isOn ? "on" : "off");
  };
  form.SetDriver(std::move(driver));
  EXPECT_EQ(box->captionArea(), (gfx::Box{18, 12, 52, 8}));
  EXPECT_EQ(box->focusX, 14);
  form.StylusDown(15, 15);
  form.StylusUp(15, 15);
  EXPECT_EQ(log, (std::vector<std::string>{"cb_StylusDown(15,15)", "cb_Click()", "off"}));
  EXPECT_TRUE(box->isOn);
  gfx::SurfaceBuffer buffer(200, 100);
  form.Paint(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.surface().at(9, 12), kGreen);  // at (x - 1, y + 2)
  EXPECT_EQ(buffer.surface().at(9, 11), 0);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kWhite), 5 * 6 * 8);  // the caption
  box->KeyDown(13, 15, 15);
  box->KeyUp(13, 15, 15);
  EXPECT_FALSE(box->isOn);
  EXPECT_FALSE(box->Init(0, 0, 10, 10, "off.spr", "", nullptr, "", 0, false, nullptr, source));
}

TEST_F(Choice, RadioGroupSelectsStrictlyInsideItemsAndWithoutItemsIgnoresEverything) {
  auto* group = new gui::RadioGroup("rg", &form);
  ASSERT_TRUE(group->Init(0, 0, 90, 20, true, "off.spr", "on.spr", fonts.Find("f"), kWhite, nullptr,
                          source));
  group->AddItem("one", false);
  group->AddItem("two", false);
  group->AddItem(std::string(50, 't'), true);
  EXPECT_EQ(group->items()[2].text.size(), 39u);
  int clicks = 0;
  group->onClick = [&](gui::Control&) { ++clicks; };
  group->StylusDown(30, 5);
  group->StylusUp(30, 5);  // on the left edge of item 1: between items
  EXPECT_EQ(group->selected, 0);
  EXPECT_TRUE(group->pressed);  // stays pressed until a release on an item
  EXPECT_EQ(clicks, 0);
  group->StylusUp(31, 5);
  EXPECT_EQ(group->selected, 1);
  EXPECT_EQ(clicks, 1);
  group->StylusMove(70, 5);
  EXPECT_EQ(group->selected, 2);
  group->SetSelected(7);
  EXPECT_EQ(group->selected, 2);
  EXPECT_EQ(group->focusX, 60 + 4);

  // A group without items ignores everything and paints nothing.
  form.DeleteControl(group);
  auto* empty = new gui::RadioGroup("rg", &form);
  ASSERT_TRUE(empty->Init(0, 0, 90, 20, true, "", "on.spr", nullptr, 0, nullptr, source));
  empty->onDown = [&](gui::Control&, int, int) { ++clicks; };
  empty->StylusDown(5, 5);
  empty->KeyDown(39, 5, 5);
  empty->SetSelected(3);
  EXPECT_EQ(clicks, 1);
  gfx::SurfaceBuffer buffer(200, 100);
  form.Paint(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), 0), 200 * 100);
}

TEST_F(Choice, GroupsStepWithKeysAndCompleteOnAnyNavigationRelease) {
  auto* group = new gui::BitmapRadioGroup("bg", &form);
  ASSERT_TRUE(group->Init(0, 0, 20, 60, false, true, nullptr));
  ASSERT_TRUE(group->AddItem("off.spr", "on.spr", 11, true, source));
  ASSERT_TRUE(group->AddItem("off.spr", "on.spr", 22, true, source));
  EXPECT_FALSE(group->AddItem("off.spr", "missing.spr", 33, true, source));
  std::vector<std::string> calls;
  group->onDown = [&](gui::Control&, int, int) { calls.push_back("down"); };
  group->onClick = [&](gui::Control&) { calls.push_back("click"); };
  group->onUp = [&](gui::Control&, int x, int y) {
    calls.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  EXPECT_TRUE(group->WantsKeyUp(40, 0, 0));
  group->KeyDown(40, 5, 5);  // up and down do not step
  group->KeyDown(54, 5, 5);
  EXPECT_EQ(group->selected, 1);
  EXPECT_EQ(group->GetValue(-1), 22u);
  EXPECT_EQ(group->GetValue(2), std::nullopt);
  group->KeyUp(40, 5, 5);  // not focused: no click
  group->SetFocus();
  group->KeyUp(39, 5, 5);
  EXPECT_EQ(calls, (std::vector<std::string>{"down", "up 0,0", "click", "up 0,0"}));
}

class Select : public Choice {
 protected:
  void SetUp() override {
    Choice::SetUp();
    box = new gui::SelectBox("sb", &form);
    ASSERT_TRUE(loadPictures(*box));
    ASSERT_TRUE(box->Init(10, 0, 60, 10, 0, 0, 2, 1, fonts.Find("f"), kWhite));
    for (const char* t : {"a", "b", "c"})
      ASSERT_TRUE(box->AddItem("", std::string_view(t), 0, source));
  }
  bool loadPictures(gui::SelectBox& b) {
    return b.LoadPictures(
        {"mid.spr", "midf.spr", "arrow.spr", "arrowf.spr", "arrow.spr", "arrowf.spr"}, source);
  }
  void paint() {
    buffer.pixels().assign(buffer.pixels().size(), 0);
    form.Paint(buffer.surface(), 0, 0, nullptr, 0);
  }
  gui::SelectBox* box = nullptr;
  gfx::SurfaceBuffer buffer{200, 100};
};

TEST_F(Select, ArrowsHideAtTheEnds) {
  EXPECT_EQ(box->current(), nullptr);  // nothing selected yet
  box->SetSelected(0);
  EXPECT_FALSE(box->canGoBack);
  EXPECT_TRUE(box->canGoForward);
  box->SetSelected(1);
  EXPECT_TRUE(box->canGoBack && box->canGoForward);
  box->SetSelected(9);
  EXPECT_EQ(box->selected, 2);
  EXPECT_FALSE(box->canGoForward);
  EXPECT_EQ(*box->current()->text, "c");
}

TEST_F(Select, ReleaseOnAnArrowStepsAndElsewhereOnlyClicks) {
  box->SetSelected(1);
  int clicks = 0;
  box->onClick = [&](gui::Control&) { ++clicks; };
  form.StylusDown(40, 5);  // pressed in the middle
  form.StylusUp(15, 5);    // released on the left arrow
  EXPECT_EQ(box->selected, 0);
  form.StylusDown(40, 5);
  form.StylusUp(40, 5);
  EXPECT_EQ(box->selected, 0);
  EXPECT_EQ(clicks, 2);
  form.StylusDown(65, 5);
  form.StylusUp(65, 5);  // right arrow: x in (60, 70), y in (0, 10)
  EXPECT_EQ(box->selected, 1);
  form.StylusDown(10, 5);
  form.StylusUp(10, 5);  // the box's own left edge does not count
  EXPECT_EQ(box->selected, 1);
  box->KeyDown(39, 0, 0);
  box->KeyDown(39, 0, 0);
  EXPECT_EQ(box->selected, 2);
}

TEST_F(Select, PaintShowsFocusedPicturesAndTheItem) {
  ASSERT_TRUE(box->AddItem("item.spr", std::string_view("x"), 0, source));
  paint();
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), kRed), 20 * 10);  // no item yet
  box->SetSelected(3);
  paint();
  // centre at x = 10 + 10 + margin 10 = 30; the item picture there, its text 4 pixels right
  // of the text offset.
  EXPECT_EQ(buffer.surface().at(30, 0), kWhite);
  EXPECT_EQ(buffer.surface().at(10, 0), kBlue);   // left arrow
  EXPECT_EQ(buffer.surface().at(60, 0), 0);       // right arrow at 10 + 10 + 20 + 20: hidden
  EXPECT_EQ(buffer.surface().at(36, 1), kWhite);  // "x" at (30 + 2 + 4, 1)
  box->SetFocus();
  paint();
  EXPECT_EQ(buffer.surface().at(10, 0), kGreen);
  EXPECT_EQ(buffer.surface().at(45, 0), kWhite);  // focused centre
}

TEST_F(Select, ABoxWhosePicturesFailedIsNotInitialised) {
  gui::SelectBox broken("broken", &form);
  EXPECT_FALSE(broken.LoadPictures({"mid.spr", "", "arrow.spr", "", "", ""}, source));
  EXPECT_FALSE(broken.Init(0, 0, 60, 10, 0, 0, 0, 0, fonts.Find("f"), 0));
  broken.StylusDown(1, 1);
  EXPECT_FALSE(broken.pressed);
}

}  // namespace
