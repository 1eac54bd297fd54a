// The GUI natives: argument positions, results, flags, handle checks, the select-box message
// boxes, the record-book layout, and scripts attached to forms.
#include <gtest/gtest.h>

#include "gui/button.h"
#include "gui/image.h"
#include "gui/label.h"
#include "gui/rect.h"
#include "gui/select_box.h"
#include "gui/text_button.h"
#include "gui_test_app.h"

namespace {

using gui::testing::solidSpr;
using gui::testing::TestApp;

const std::vector<std::pair<std::string, std::string>> kEntries = {
    {"a.spr", solidSpr(6, 4, 0xF800)},
    {"b.spr", solidSpr(6, 4, 0x07E0)},
    {"arrow0.spr", solidSpr(3, 3, 1)},
    {"screen.scr",
     "function Init(h) { global me; me = h; AddLabel(h, 1, 2, \"lTitle\", \"hi\", \"f\", 5) }"
     "function lTitle_Click() { DeleteControl(me) }"},
    {"broken.scr", "function Init(h) { "},
    {"again.scr", "function Init(h) { SetDriver(h, \"screen.scr\") }"},
};

class GuiTable : public ::testing::Test {
 protected:
  std::optional<std::string> form(const std::string& name = "screen") {
    return app.call("AddForm", {app.rootHandle(), "0", "0", name, "240", "320"});
  }
  TestApp app{kEntries};
};

TEST_F(GuiTable, AddFormMakesAHiddenIdleFormThatNavigatesUpAndDown) {
  ASSERT_TRUE(app.registered);
  auto* f = dynamic_cast<gui::Form*>(app.control(form()));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->parent(), &app.root);
  EXPECT_FALSE(f->visible);
  EXPECT_FALSE(f->updating);
  EXPECT_FALSE(f->enabled);
  EXPECT_EQ(f->navFlags, 3);
  EXPECT_EQ(f->width, 240);
  EXPECT_EQ(app.call("GetParentForm", {gui::HandleOf(f)}), app.rootHandle());
  EXPECT_EQ(app.call("GetParentForm", {app.rootHandle()}), "0");
  // A parent that is no live form creates nothing.
  EXPECT_EQ(app.call("AddForm", {"0", "0", "0", "x", "1", "1"}), std::nullopt);
  EXPECT_EQ(app.call("AddLabel", {"abc", "0", "0", "x", "t", "f", "1"}), std::nullopt);
}

TEST_F(GuiTable, FillRectWidthIsItsNameReadAsANumber) {
  const std::string f = *form();
  auto* wide = dynamic_cast<gui::Rect*>(
      app.control(app.call("AddFillRect", {f, "1", "2", "240", "40", "31", "65535"})));
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->name(), "240");
  EXPECT_EQ(wide->width, 240);
  EXPECT_EQ(wide->height, 40);
  EXPECT_EQ(wide->colour, 65535);
  EXPECT_TRUE(wide->alwaysRepaint);
  auto* bar = app.control(app.call("AddFillRect", {f, "1", "2", "bar", "40", "31", "0"}));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->width, 0);
}

TEST_F(GuiTable, ButtonsHaveAPressedPictureOnlyWithSixArguments) {
  const std::string f = *form();
  auto* six = dynamic_cast<gui::Button*>(
      app.control(app.call("AddButton", {f, "1", "2", "b6", "a.spr", "b.spr"})));
  auto* five =
      dynamic_cast<gui::Button*>(app.control(app.call("AddButton", {f, "1", "2", "b5", "a.spr"})));
  ASSERT_NE(six, nullptr);
  ASSERT_NE(five, nullptr);
  EXPECT_NE(six->pressedPicture(), nullptr);
  EXPECT_EQ(five->pressedPicture(), nullptr);
  EXPECT_FALSE(six->updating);
  EXPECT_TRUE(six->enabled);
  // A failed initialisation still gives a handle and the flags.
  auto* broken = app.control(app.call("AddButton", {f, "1", "2", "bx", "missing.spr"}));
  ASSERT_NE(broken, nullptr);
  EXPECT_TRUE(broken->visible);
  EXPECT_EQ(broken->width, 0);
}

TEST_F(GuiTable, LabelsImagesAndTextButtons) {
  const std::string f = *form();
  const auto l = app.call("AddLabel", {f, "3", "4", "lTitle", "abc", "f", "31"});
  auto* label = dynamic_cast<gui::Label*>(app.control(l));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->width, 18);
  EXPECT_FALSE(label->enabled);
  app.call("SetLabelText", {*l, "abcd", "9"});
  EXPECT_EQ(label->width, 24);
  EXPECT_EQ(label->colour(), 9);
  app.call("SetLabelText", {*l, "abcd"});
  EXPECT_EQ(label->colour(), 0);  // a missing argument reads 0
  EXPECT_EQ(app.call("GetControlName", {*l}), "lTitle");

  const auto i = app.call("AddImage", {f, "0", "0", "iLogo", "a.spr"});
  auto* image = dynamic_cast<gui::Image*>(app.control(i));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 6);
  app.call("SetImageSource", {*i, "arrow0.spr"});
  EXPECT_EQ(image->width, 3);
  app.otherArchives["extra.dat"] = {{"x.spr", solidSpr(9, 9, 3)}};
  app.call("SetImageSource", {*i, "x.spr", "extra.dat"});
  EXPECT_EQ(image->width, 9);
  app.call("SetImageSource", {*i, "a.spr", "absent.dat"});  // cannot open: unchanged
  EXPECT_EQ(image->width, 9);

  const auto t =
      app.call("AddTextButton", {f, "0", "0", "tbGo", "f", "big", "Go", "Go!", "1", "2"});
  auto* button = dynamic_cast<gui::TextButton*>(app.control(t));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->width, 12);
  EXPECT_EQ(button->pressedText(), "Go!");
  EXPECT_TRUE(button->invalid);  // drawn when first shown
}

TEST_F(GuiTable, FlagSettersAndGetters) {
  const std::string f = *form();
  const std::string l = *app.call("AddLabel", {f, "-5", "4", "l", "abc", "f", "31"});
  gui::Control* c = app.control(l);
  EXPECT_EQ(app.call("GetPosX", {l}), "-5");
  EXPECT_EQ(app.call("GetPosY", {l}), "4");
  EXPECT_EQ(app.call("GetWidth", {l}), "18");
  EXPECT_EQ(app.call("GetHeight", {l}), "8");
  app.call("Hide", {l});
  EXPECT_FALSE(c->visible);
  app.call("Show", {l});
  app.call("Enable", {l});
  EXPECT_TRUE(c->visible && c->enabled);
  app.call("DisableRepaint", {l});
  EXPECT_FALSE(c->alwaysRepaint);
  c->invalid = false;
  app.call("Invalidate", {l});
  EXPECT_TRUE(c->invalid);
  c->focusX = 10;
  app.call("SetPosition", {l, "5", "6"});
  EXPECT_EQ(c->x, 5);
  EXPECT_EQ(c->focusX, 20);
  app.call("SetProperties", {l, "1", "0", "0", "7", "0"});
  EXPECT_TRUE(c->visible);
  EXPECT_FALSE(c->invalid);
  EXPECT_FALSE(c->alwaysRepaint);
  EXPECT_TRUE(c->enabled);
  EXPECT_FALSE(c->updating);
  EXPECT_EQ(app.call("GetControl", {f, "l"}), l);
  EXPECT_EQ(app.call("GetControl", {f, "L"}), "0");
  // No control, or a deleted one: nothing happens and nothing is answered.
  app.call("DeleteControl", {l});
  EXPECT_EQ(app.call("GetControl", {f, "l"}), "0");
  for (const std::string h : {"0", "junk"})
    app.call("Show", {h});
  app.call("Show", {l});
  EXPECT_EQ(app.call("GetPosX", {l}), std::nullopt);
  EXPECT_EQ(app.call("GetControlName", {l}), std::nullopt);
  app.call("DeleteControl", {app.rootHandle()});  // the root form stays
  EXPECT_EQ(app.controls.Find(app.rootHandle()), &app.root);
}

TEST_F(GuiTable, AddControlBuildsByExactTypeName) {
  const std::string f = *form();
  const auto made = app.call("AddControl", {f, "Label", "lx", "1", "2", "f", "abc", "3"});
  ASSERT_NE(app.control(made), nullptr);
  EXPECT_EQ(app.control(made)->width, 18);
  // One argument short: the colour reads 0, never the caller's name.
  const auto shortOne = app.call("AddControl", {f, "Label", "lw", "1", "2", "f", "abc"});
  ASSERT_NE(app.control(shortOne), nullptr);
  EXPECT_EQ(dynamic_cast<gui::Label*>(app.control(shortOne))->colour(), 0);
  EXPECT_EQ(app.call("AddControl", {f, "label", "ly", "1", "2", "f", "abc", "3"}), std::nullopt);
  EXPECT_EQ(app.call("AddControl", {f, "Widget", "lz"}), std::nullopt);
  EXPECT_EQ(app.call("AddControl", {f, "Label"}), std::nullopt);
  auto* screen = dynamic_cast<gui::Form*>(app.control(f));
  EXPECT_EQ(screen->children().size(), 2u);
  // A failed initialisation gives nothing and leaves nothing behind: a keyboard without its
  // layout would otherwise still be found by its name.
  EXPECT_EQ(app.call("AddControl", {f, "Button", "bx", "1", "2", "missing.spr"}), std::nullopt);
  EXPECT_EQ(app.call("AddControl", {f, "Keyboard", "Keyboard", "1", "2", "f", "0"}), std::nullopt);
  EXPECT_EQ(screen->children().size(), 2u);
  EXPECT_EQ(screen->FindControl("Keyboard"), nullptr);
  const auto sub = app.call("AddControl", {f, "Form", "sub", "1", "2", "30", "40"});
  auto* subForm = dynamic_cast<gui::Form*>(app.control(sub));
  ASSERT_NE(subForm, nullptr);
  EXPECT_FALSE(subForm->visible);
  EXPECT_TRUE(subForm->enabled && subForm->updating);
  EXPECT_EQ(subForm->height, 40);
}

TEST_F(GuiTable, RecordBookLayout) {
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "1", "2"}), "0");
  app.call("SetRecordBookParams", {"40", "75", "10", "20"});
  // An axis starting with 0 is across (the margin, whatever the row); any other is down. The
  // row arithmetic itself is the score table's.
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "0", "2"}), "20");
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "1", "1"}), "55");
  EXPECT_EQ(app.call("GetRBLSPCoords", {"0", "y", "2"}), "70");
  app.call("SetRecordBookParams", {"1", "2", "3"});
  EXPECT_EQ(app.recordBook.top, 40);
  EXPECT_EQ(app.recordBook.rightMargin, 10);
}

TEST_F(GuiTable, SelectBoxTakesItemsAndItsFailuresAndShowMessageGiveMessageBoxes) {
  const std::string f = *form();
  const std::vector<std::string> good = {f,       "0",     "0",     "sbMode", "60",    "10",
                                         "0",     "0",     "0",     "0",      "f",     "1",
                                         "b.spr", "b.spr", "a.spr", "a.spr",  "a.spr", "a.spr"};
  const auto h = app.call("AddSelectBox", good);
  auto* box = dynamic_cast<gui::SelectBox*>(app.control(h));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->initialised());
  EXPECT_TRUE(app.boxes.empty());
  app.call("AddSelectBoxItem", {*h, "0", "classic"});
  app.call("AddSelectBoxItem", {*h, "arrow0.spr", std::string(20, 'r')});
  app.call("AddSelectBoxItem", {*h, "a.spr", "10 goos"});
  app.call("AddSelectBoxItem", {*h, "a.png", "never"});
  ASSERT_EQ(box->items().size(), 3u);
  EXPECT_EQ(*box->items()[0].text, "classic");
  EXPECT_EQ(box->items()[0].picture, nullptr);
  EXPECT_EQ(box->items()[1].picture, nullptr);  // a name with 0 in it stands for none
  EXPECT_EQ(*box->items()[1].text, std::string(15, 'r'));
  EXPECT_NE(box->items()[2].picture, nullptr);
  EXPECT_FALSE(box->items()[2].text.has_value());

  std::vector<std::string> badPicture = good;
  badPicture[3] = "sbBad";
  badPicture[14] = "missing.spr";
  EXPECT_NE(app.control(app.call("AddSelectBox", badPicture)), nullptr);
  std::vector<std::string> badFont = good;
  badFont[3] = "sbFont";
  badFont[10] = "nofont";
  EXPECT_NE(app.control(app.call("AddSelectBox", badFont)), nullptr);
  app.call("ShowMessage", {"abc"});
  EXPECT_EQ(app.boxes, (std::vector<std::string>{"Error bitmap: sbBad", "Error init: sbBad",
                                                 "Error init: sbFont", "Message: abc"}));
}

TEST_F(GuiTable, SetDriverRunsInitWithTheFormsHandle) {
  const std::string f = *form();
  auto* screen = dynamic_cast<gui::Form*>(app.control(f));
  app.call("SetDriver", {f, "screen.scr"});
  ASSERT_NE(screen->driver(), nullptr);
  EXPECT_NE(screen->FindControl("lTitle"), nullptr);
  app.call("SetDriver", {f, "absent.scr"});  // no such entry: nothing changes
  EXPECT_NE(screen->driver(), nullptr);
  app.call("SetDriver", {f, "broken.scr"});  // does not load: no driver
  EXPECT_EQ(screen->driver(), nullptr);
  EXPECT_EQ(app.errors, 1);

  // A script that replaces its own driver from Init, and one that deletes its own form from a
  // handler, both finish safely.
  app.call("SetDriver", {f, "again.scr"});
  ASSERT_NE(screen->driver(), nullptr);
  EXPECT_EQ(screen->children().size(), 2u);  // one label from each run of screen.scr's Init
  screen->CallDriver("lTitle_Click");
  EXPECT_EQ(app.controls.Find(f), nullptr);
  app.controls.CollectRetired();
}

}  // namespace
