// Control handles: only live controls are found; stale, foreign and malformed handles are not.
#include <gtest/gtest.h>

#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/label.h"
#include "gui_fixture.h"

namespace {

TEST(ControlRegistry, HandlesNameLiveControlsOnly) {
  gui::ControlRegistry registry;
  gui::Form root("main", nullptr);
  root.AttachRegistry(registry);
  auto* screen = new gui::Form("screen", &root);
  auto* label = new gui::Label("label", screen);
  const std::string rootHandle = gui::HandleOf(&root);
  const std::string labelHandle = gui::HandleOf(label);
  EXPECT_NE(rootHandle, "0");
  EXPECT_NE(labelHandle, rootHandle);
  EXPECT_EQ(registry.Find(rootHandle), &root);
  EXPECT_EQ(registry.Find(labelHandle), label);
  EXPECT_EQ(registry.size(), 3u);

  const std::string screenHandle = gui::HandleOf(screen);
  root.DeleteControl(screen);  // takes the label with it
  EXPECT_EQ(registry.Find(screenHandle), nullptr);
  EXPECT_EQ(registry.Find(labelHandle), nullptr);
  EXPECT_EQ(registry.size(), 1u);

  // A new control never gets a number that was handed out before.
  auto* next = new gui::Label("next", &root);
  EXPECT_NE(gui::HandleOf(next), labelHandle);
  EXPECT_NE(gui::HandleOf(next), screenHandle);
  EXPECT_EQ(registry.Find(labelHandle), nullptr);
}

TEST(ControlRegistry, TheObserverHearsOfEveryControlLeaving) {
  gui::ControlRegistry registry;
  gui::Form root("main", nullptr);
  root.AttachRegistry(registry);
  auto* screen = new gui::Form("screen", &root);
  new gui::Label("a", screen);
  new gui::Label("b", screen);
  std::vector<std::string> gone;
  registry.SetRemovalObserver([&](const gui::Control& c) {
    gone.push_back(c.name());
    EXPECT_EQ(root.FindControl(c.name()), nullptr);  // it has left its form already
  });
  root.DeleteControl(screen);
  EXPECT_EQ(gone, (std::vector<std::string>{"a", "b", "screen"}));
  registry.SetRemovalObserver({});  // root outlives `gone` and still leaves the registry
}

TEST(ControlRegistry, MalformedAndForeignHandlesFindNothing) {
  gui::ControlRegistry registry;
  gui::Form root("main", nullptr);
  root.AttachRegistry(registry);
  const std::string h = gui::HandleOf(&root);
  EXPECT_EQ(registry.Find(" " + h + " "), &root);
  const std::vector<std::string> bad = {
      "0",  "", "abc", h + "x", "-" + h, h + ".0", "99999", "4294967297", std::string(30, '9'),
      "0x1"};
  for (const std::string& text : bad) {
    EXPECT_EQ(registry.Find(text), nullptr) << text;
  }
  gui::Label loose("loose", nullptr);  // made outside any registry
  EXPECT_EQ(gui::HandleOf(&loose), "0");
  EXPECT_EQ(gui::HandleOf(nullptr), "0");
}

TEST(ControlRegistry, ParseHandleReadsWholeDecimalNumbersOnly) {
  EXPECT_EQ(gui::ParseHandle("17"), 17u);
  EXPECT_EQ(gui::ParseHandle("\t17\n"), 17u);
  EXPECT_EQ(gui::ParseHandle("4294967295"), 4294967295u);
  EXPECT_EQ(gui::ParseHandle("4294967296"), 0u);
  EXPECT_EQ(gui::ParseHandle("1 7"), 0u);
  EXPECT_EQ(gui::ParseHandle("+17"), 0u);
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
