// Control handles: only live controls are found; stale, foreign and malformed handles are not.
#include <gtest/gtest.h>

#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui_fixture.h"

namespace {

TEST(ControlRegistry, HandlesNameLiveControlsOnlyAndTheObserverHearsEachLeave) {
  gui::ControlRegistry registry;
  gui::Form root("main", nullptr);
  root.AttachRegistry(registry);
  auto* screen = new gui::Form("screen", &root);
  auto* label = new gui::Label("label", screen);
  new gui::Label("b", screen);
  const std::string rootHandle = gui::HandleOf(&root), labelHandle = gui::HandleOf(label),
                    screenHandle = gui::HandleOf(screen);
  EXPECT_EQ(registry.Find(" " + rootHandle + " "), &root);
  EXPECT_EQ(registry.Find(labelHandle), label);
  std::vector<std::string> gone;
  registry.SetRemovalObserver([&](const gui::Control& c) {
    gone.push_back(c.name());
    EXPECT_EQ(root.FindControl(c.name()), nullptr);  // it has left its form already
  });
  root.DeleteControl(screen);  // takes the labels with it
  EXPECT_EQ(gone, (std::vector<std::string>{"label", "b", "screen"}));
  registry.SetRemovalObserver({});  // root outlives `gone` and still leaves the registry
  EXPECT_EQ(registry.Find(screenHandle), nullptr);
  EXPECT_EQ(registry.Find(labelHandle), nullptr);
  EXPECT_EQ(registry.size(), 1u);
  // A new control never gets a number that was handed out before.
  auto* next = new gui::Label("next", &root);
  EXPECT_NE(gui::HandleOf(next), labelHandle);
  EXPECT_NE(gui::HandleOf(next), screenHandle);
  gui::Label loose("loose", nullptr);  // made outside any registry
  EXPECT_EQ(gui::HandleOf(&loose), "0");
  EXPECT_EQ(gui::HandleOf(nullptr), "0");
}

TEST(ControlRegistry, ParseHandleReadsWholeDecimalNumbersOnly) {
  EXPECT_EQ(gui::ParseHandle("17"), 17u);
  EXPECT_EQ(gui::ParseHandle("\t17\n"), 17u);
  EXPECT_EQ(gui::ParseHandle("4294967295"), 4294967295u);
  const std::vector<std::string> refused = {
      "4294967296", "1 7", "+17", "", "abc", "17x", "-17", "17.0", "0x1", std::string(30, '9')};
  for (const std::string& text : refused)
    EXPECT_EQ(gui::ParseHandle(text), 0u) << text;
}

// A driver whose script replaces itself while it runs is kept until it has returned.
TEST(ControlRegistry, ADriverReplacedWhileRunningLivesUntilItReturns) {
  struct SelfReplacing : gui::FormDriver {
    SelfReplacing(gui::Form& f, bool& alive) : form(f), alive(alive) { alive = true; }
    ~SelfReplacing() override { alive = false; }
    void Call(std::string_view, std::span<const std::string>) override {
      running = true;
      form.SetDriver(nullptr);
      stillAlive = alive;  // would be a use of freed memory without the registry's keeping
      running = false;
    }
    bool busy() const override { return running; }
    gui::Form& form;
    bool& alive;
    bool running = false;
    bool stillAlive = false;
  };
  gui::ControlRegistry registry;
  gui::Form root("main", nullptr);
  root.AttachRegistry(registry);
  bool alive = false;
  auto driver = std::make_unique<SelfReplacing>(root, alive);
  SelfReplacing* raw = driver.get();
  root.SetDriver(std::move(driver));
  root.CallDriver("Init");
  EXPECT_TRUE(raw->stillAlive);
  EXPECT_EQ(root.driver(), nullptr);
  registry.CollectRetired();
  EXPECT_FALSE(alive);
}

}  // namespace
