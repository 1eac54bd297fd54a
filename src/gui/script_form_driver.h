// ScriptFormDriver: a form's driver backed by a loaded script.
#pragma once

#include <memory>

#include "gui/form_driver.h"
#include "script/script_engine.h"

namespace gui {

class ScriptFormDriver final : public FormDriver {
 public:
  explicit ScriptFormDriver(std::unique_ptr<script::ScriptEngine> engine)
      : engine_(std::move(engine)) {}

  void Call(std::string_view function, std::span<const std::string> args) override {
    engine_->CallFunction(function, args);
  }

  script::ScriptEngine& engine() { return *engine_; }

 private:
  std::unique_ptr<script::ScriptEngine> engine_;
};

}  // namespace gui
