// An application stand-in for the GUI table's tests: the game scene's recording application
// with an archive in memory, two test fonts, a root form with a control registry and the GUI
// natives registered.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fixtures/game/scene_fixture.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "natives/gui_table.h"

namespace gui::testing {

class TestApp final : public game::testing::FakeApp {
 public:
  explicit TestApp(const std::vector<std::pair<std::string, std::string>>& entries) {
    SetArchive(entries);
    addTestFonts(fonts_);
    root.AttachRegistry(controls);
    root.width = 240;
    root.height = 320;
    const auto openArchive = [this](std::string_view name) {
      const auto it = otherArchives.find(std::string(name));
      return it == otherArchives.end() ? nullptr : memoryArchive(it->second);
    };
    const natives::GuiTableServices services{
        .app = this, .controls = &controls, .recordBook = &layout, .openArchive = openArchive};
    registered = natives::RegisterGuiNatives(natives(), services);
  }

  /// Calls a native with the arguments and the script name "7.scr": a native that read the name
  /// as a missing number argument would see 7 instead of 0.
  std::optional<std::string> call(std::string_view name, std::vector<std::string> args) {
    args.push_back("7.scr");
    return natives().CallNative(name, args);
  }
  gui::Control* control(const std::optional<std::string>& handle) {
    return handle ? controls.Find(*handle) : nullptr;
  }
  /// Calls a native that makes a control and gives the control as a T, or null.
  template <class T = gui::Control>
  T* add(std::string_view native, std::vector<std::string> args) {
    return dynamic_cast<T*>(control(call(native, std::move(args))));
  }
  std::string rootHandle() const { return gui::HandleOf(&root); }
  Form* FindForm(std::string_view name) const override { return root.FindForm(name); }

  gui::ControlRegistry controls;  // outlives the root form
  gui::Form root{"main", nullptr};
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> otherArchives;
  bool registered = false;
};

}  // namespace gui::testing
