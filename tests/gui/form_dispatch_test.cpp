// How a form hands stylus and key events to its children and their driver functions, and how
// the focus moves.
#include <gtest/gtest.h>

#include <set>

#include "gui/button.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui_fixture.h"

namespace {

using gui::testing::RecordingDriver;

// A form at (10, 20) with a recording driver.
class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    gui::testing::place(&form, 10, 20, 200, 200);
    form.visible = true;
    auto driver = std::make_unique<RecordingDriver>(log);
    recorder = driver.get();
    form.SetDriver(std::move(driver));
  }
  gui::Button* button(const char* name, int x, int y, int w, int h) {
    return gui::testing::place(new gui::Button(name, &form), x, y, w, h);
  }
  gui::Form form{"screen", nullptr};
  std::vector<std::string> log;
  RecordingDriver* recorder = nullptr;
};

TEST_F(Dispatch, OverlappingChildrenBothGetThePressAndTheLaterKeepsTheFocus) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  gui::Button* b = button("b", 20, 20, 50, 50);
  form.StylusDown(40, 50);  // (30, 30) in the form: inside both
  EXPECT_EQ(log, (std::vector<std::string>{"a_StylusDown(40,50)", "b_StylusDown(40,50)"}));
  EXPECT_EQ(form.focusedChild, b);
  EXPECT_FALSE(a->focused);
  EXPECT_TRUE(a->pressed && b->pressed);
}

TEST_F(Dispatch, APressInsideANestedFormKeepsItsFocusOnEveryTap) {
  gui::Form root("main", nullptr);
  gui::testing::place(&root, 0, 0, 240, 320);
  auto* screen = gui::testing::place(new gui::Form("screen", &root), 0, 0, 240, 320);
  screen->visible = true;
  auto* b = gui::testing::place(new gui::Button("b", screen), 0, 0, 20, 20);
  for (int tap = 0; tap < 2; ++tap) {
    root.StylusDown(5, 5);
    EXPECT_TRUE(b->focused) << tap;  // the pressed picture shows until the stylus is lifted
    EXPECT_EQ(screen->focusedChild, b);
    root.StylusUp(5, 5);
  }
}

TEST_F(Dispatch, ReleaseOverAPressedChildIsAClickOtherwiseAStylusUp) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  int clicks = 0;
  a->onClick = [&](gui::Control&) {
    // The driver heard of the click before the control's own handler ran.
    EXPECT_EQ(log.back(), "a_Click()");
    ++clicks;
  };
  form.StylusDown(15, 25);
  form.StylusUp(15, 25);
  EXPECT_EQ(log, (std::vector<std::string>{"a_StylusDown(15,25)", "a_Click()"}));
  EXPECT_EQ(clicks, 1);
  form.StylusUp(16, 26);  // no press in progress
  EXPECT_EQ(log.back(), "a_StylusUp(16,26)");
  EXPECT_EQ(clicks, 1);
}

TEST_F(Dispatch, DraggingOffCancelsThePressWithoutEvents) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  form.StylusDown(15, 25);
  a->invalid = false;
  form.StylusMove(150, 150);
  EXPECT_FALSE(a->pressed);
  EXPECT_TRUE(a->invalid);
  form.StylusUp(150, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"a_StylusDown(15,25)"}));
  form.StylusMove(15, 25);
  EXPECT_EQ(log.back(), "a_StylusMove(15,25)");
}

TEST_F(Dispatch, HiddenDisabledAndMissedChildrenGetNothing) {
  gui::Button* hidden = button("hidden", 0, 0, 50, 50);
  button("disabled", 0, 0, 50, 50)->enabled = false;
  auto* label = new gui::Label("label", &form);  // created disabled
  label->width = label->height = 50;
  hidden->visible = false;
  button("right", 60, 0, 50, 50);
  form.StylusDown(15, 25);
  form.StylusMove(15, 25);
  form.StylusUp(15, 25);
  form.KeyDown(13, 15, 25);
  form.KeyUp(13, 15, 25);
  form.StylusDown(5, 25);   // left of the form
  form.StylusDown(15, 10);  // above it
  form.StylusDown(60, 25);  // between: x + width of the hidden ones is outside
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(hidden->pressed);
  EXPECT_EQ(form.focusedChild, nullptr);
}

TEST_F(Dispatch, KeysGoToWillingChildrenWithUnchangedCoordinates) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  int downX = -1;
  a->onDown = [&](gui::Control&, int x, int) { downX = x; };
  // The navigation keys: the arrows, Enter and the keypad's 2, 4, 5, 6 and 8.
  const std::set<int> navigation = {13, 37, 38, 39, 40, 50, 52, 53, 54, 56};
  for (int key = -1; key < 300; ++key)
    EXPECT_EQ(gui::IsNavigationKey(key), navigation.count(key) == 1) << key;
  form.KeyDown(65, 15, 25);  // not a key buttons take
  EXPECT_TRUE(log.empty());
  form.KeyDown(39, 15, 25);
  EXPECT_EQ(log.back(), "a_StylusDown(15,25)");
  EXPECT_EQ(downX, 15);                   // screen coordinates, not made relative to the form
  EXPECT_EQ(form.focusedChild, nullptr);  // keys do not move the focus
  form.KeyUp(39, 15, 25);                 // key up only for 13 and 53
  EXPECT_EQ(log.size(), 1u);
  form.KeyUp(53, 15, 25);
  EXPECT_EQ(log.back(), "a_Click()");
}

TEST_F(Dispatch, AHandlerMayDeleteControlsWhileTheEventIsDelivered) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  gui::Button* b = button("b", 0, 0, 50, 50);
  button("c", 0, 0, 50, 50);
  recorder->hook = [&](std::string_view f) {
    if (f == "a_StylusDown") form.DeleteControl(a);
    if (f == "c_StylusDown") form.DeleteControl(b);
  };
  form.StylusDown(15, 25);
  ASSERT_EQ(form.children().size(), 1u);
  EXPECT_EQ(form.focusedChild, form.children()[0]);
}

TEST_F(Dispatch, ActivateDropsTheFocusAndBothActivateAndDeactivateSendOnShow) {
  gui::Button* a = button("a", 0, 0, 50, 50);
  form.StylusDown(15, 25);
  ASSERT_EQ(form.focusedChild, a);
  form.Deactivate();
  EXPECT_EQ(form.focusedChild, a);
  form.Activate();
  EXPECT_EQ(form.focusedChild, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"a_StylusDown(15,25)", "OnShow()", "OnShow()"}));
}

class Focus : public Dispatch {
 protected:
  void SetUp() override {
    Dispatch::SetUp();
    first = button("first", 0, 0, 10, 10);
    off = button("off", 0, 20, 10, 10);
    off->enabled = false;
    middle = button("middle", 0, 40, 10, 10);
    last = button("last", 0, 60, 10, 10);
  }
  gui::Button *first, *off, *middle, *last;
};

TEST_F(Focus, NextSkipsUnfocusableChildrenAndWrapsUnlessTold) {
  EXPECT_EQ(form.FocusNext(), first);  // no focus yet: the first focusable child
  EXPECT_EQ(form.FocusNext(), middle);
  EXPECT_FALSE(first->focused);
  EXPECT_EQ(form.FocusNext(), last);
  EXPECT_EQ(form.FocusNext(), first);  // wrap-around
  EXPECT_FALSE(last->focused);
  EXPECT_EQ(form.FocusPrevious(), last);
  EXPECT_EQ(form.FocusPrevious(), middle);
  form.navFlags = gui::kNavNoWrap | gui::kNavDownForward | gui::kNavUpBack;
  EXPECT_EQ(form.NavigateDown(), last);
  EXPECT_EQ(form.FocusNext(), last);
  EXPECT_EQ(form.NavigateUp(), middle);
  EXPECT_EQ(form.NavigateLeft(), nullptr);  // left is not in navFlags
  EXPECT_EQ(form.focusedChild, middle);
  form.FocusPrevious();
  EXPECT_EQ(form.FocusPrevious(), first);
}

TEST_F(Focus, FocusSingleNeedsExactlyOneCandidateAndDeletingItDropsTheFocus) {
  EXPECT_EQ(form.FocusSingle(), nullptr);
  first->visible = false;
  last->enabled = false;
  EXPECT_EQ(form.FocusSingle(), middle);
  EXPECT_TRUE(middle->focused);
  form.DeleteControl(middle);
  EXPECT_EQ(form.focusedChild, nullptr);
}

TEST(FormPaint, OnlyVisibleInvalidChildrenArePaintedAndFlagsClearAsTheySay) {
  struct Probe : gui::Label {
    using Label::Label;
    void Paint(gfx::Surface&, int ox, int oy, const gfx::Box* clip, std::uint32_t) override {
      ++paints;
      offset = {ox, oy};
      area = *clip;
      PaintDone();
    }
    int paints = 0;
    gui::Point offset;
    gfx::Box area;
  };
  gfx::SurfaceBuffer buffer(240, 320);
  gui::Form root("main", nullptr);
  gui::testing::place(&root, 0, 0, 240, 320);
  auto* screen = gui::testing::place(new gui::Form("screen", &root), 200, 10, 100, 50);
  screen->visible = true;
  auto* everyFrame = new Probe("every", screen);  // labels repaint every frame
  auto* once = new Probe("once", screen);
  once->alwaysRepaint = false;
  auto* hidden = new Probe("hidden", screen);
  hidden->visible = false;
  root.Paint(buffer.surface(), 0, 0, nullptr, 0);
  root.Paint(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(everyFrame->paints, 2);
  EXPECT_EQ(once->paints, 1);
  EXPECT_EQ(hidden->paints, 0);
  EXPECT_EQ(everyFrame->offset, (gui::Point{200, 10}));
  EXPECT_EQ(everyFrame->area, (gfx::Box{200, 10, 40, 50}));  // cut to the screen
  screen->invalid = false;  // a form that is not invalid paints nothing at all
  root.Paint(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(everyFrame->paints, 2);
}

TEST(ControlBasics, NamesAreCutTo29Characters) {
  EXPECT_EQ(gui::Label(std::string(40, 'n'), nullptr).name(), std::string(29, 'n'));
}

}  // namespace
