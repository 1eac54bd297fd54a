// An application stand-in for the GUI table's tests: an archive in memory, two test fonts, a
// root form with a control registry, and a host that records message boxes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/fonts/font_registry.h"
#include "gui/app_services.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "gui/record_book_layout.h"
#include "natives/gui_table.h"
#include "script/host.h"
#include "script/native_registry.h"
#include "script/variable_table.h"

namespace gui::testing {

class TestApp final : public gui::AppServices, public script::Host {
 public:
  explicit TestApp(const std::vector<std::pair<std::string, std::string>>& entries)
      : archive_(memoryArchive(entries)) {
    addTestFonts(fonts_);
    root.AttachRegistry(controls);
    root.width = 240;
    root.height = 320;
    natives::GuiTableServices services;
    services.app = this;
    services.controls = &controls;
    services.recordBook = &recordBook;
    services.openArchive =
        [this](std::string_view name) -> std::unique_ptr<resources::ResourceArchive> {
      const auto it = otherArchives.find(std::string(name));
      return it == otherArchives.end() ? nullptr : memoryArchive(it->second);
    };
    registered = natives::RegisterGuiNatives(registry, services);
  }

  /// Calls a native with the arguments and the script name "7.scr": a native that read the name
  /// as a missing number argument would see 7 instead of 0.
  std::optional<std::string> call(std::string_view name, std::vector<std::string> args) {
    args.push_back("7.scr");
    return registry.CallNative(name, args);
  }
  gui::Control* control(const std::optional<std::string>& handle) {
    return handle ? controls.Find(*handle) : nullptr;
  }
  std::string rootHandle() const { return gui::HandleOf(&root); }

  Form* FindForm(std::string_view name) const override { return root.FindForm(name); }
  void SwitchForm(std::string_view) override {}
  resources::ResourceArchive& archive() override { return *archive_; }
  script::VariableTable& variables() override { return variables_; }
  script::NativeRegistry& natives() override { return registry; }
  script::Host& scriptHost() override { return *this; }
  gfx::FontRegistry& fonts() override { return fonts_; }
  sound::SoundSystem* sound() override { return nullptr; }
  void SetKeyPointerShown(bool) override {}
  void RequestQuit() override {}

  void ShowMessage(std::string_view text, std::string_view caption) override {
    boxes.push_back(std::string(caption) + ": " + std::string(text));
  }
  void ReportError(const script::ScriptError&) override { ++errors; }

  gui::ControlRegistry controls;    // outlives the root form
  script::NativeRegistry registry;  // outlives the drivers under the root form
  gui::Form root{"main", nullptr};
  gui::RecordBookLayout recordBook;
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> otherArchives;
  std::vector<std::string> boxes;
  int errors = 0;
  bool registered = false;

 private:
  std::unique_ptr<resources::ResourceArchive> archive_;
  script::VariableTable variables_;
  gfx::FontRegistry fonts_;
};

}  // namespace gui::testing
