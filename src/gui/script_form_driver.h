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
    ++running_;
    engine_->CallFunction(function, args);
    --running_;
  }
  bool Defines(std::string_view function) const override {
    return engine_->FindFunction(function) != nullptr;
  }
  bool busy() const override { return running_ > 0; }

  script::ScriptEngine& engine() { return *engine_; }

 private:
  std::unique_ptr<script::ScriptEngine> engine_;
  int running_ = 0;  // nesting depth of Call
};

}  // namespace gui
