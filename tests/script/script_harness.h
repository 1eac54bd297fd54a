// Shared set-up for the script tests: an engine on a registry with recording natives and a host
// that records message boxes and failure reports.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "script/host.h"
#include "script/native_registry.h"
#include "script/script_engine.h"

namespace script::testing {

class RecordingHost : public Host {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    boxes.push_back(std::string(caption) + ": " + std::string(text));
  }
  void ReportError(const ScriptError& error) override { errors.push_back(error); }

  std::vector<std::string> boxes;
  std::vector<ScriptError> errors;
};

// Natives: Out(values...) records its arguments (script name last) and gives nothing;
// Echo(x) gives x; Count() gives how many times it ran.
class ScriptHarness {
 public:
  ScriptHarness() : engine_(std::make_unique<ScriptEngine>(registry, host)) {
    registry.RegisterNative("Out", [this](std::span<const std::string> args) {
      outs.emplace_back(args.begin(), args.end());
      return std::optional<std::string>();
    });
    registry.RegisterNative("Echo", [](std::span<const std::string> args) {
      return args.size() > 1 ? std::optional<std::string>(args[0]) : std::nullopt;
    });
    registry.RegisterNative("Count", [this](std::span<const std::string>) {
      return std::optional<std::string>(std::to_string(++counted));
    });
  }

  ScriptEngine& engine() { return *engine_; }

  /// Loads text as "test.scr"; true on success.
  bool load(const std::string& text) { return engine_->LoadScript("test.scr", text).ok(); }

  /// Loads "function T() { BODY }" and calls T; gives T's result.
  std::optional<std::string> run(const std::string& body) {
    fresh();
    if (!load("function T() {" + body + "}")) return std::string("<load failed>");
    return engine_->CallFunction("T");
  }

  /// The value of expression, as passed to Out; "<failed>" when the run failed.
  std::string eval(const std::string& expression) {
    run("Out(" + expression + ")");
    if (outs.size() != 1) return "<failed>";
    return outs[0][0];
  }

  /// Values of the first argument of every Out call so far.
  std::vector<std::string> outFirsts() const {
    std::vector<std::string> values;
    for (const auto& out : outs)
      values.push_back(out.empty() ? "" : out[0]);
    return values;
  }

  /// Starts over with a new engine (same registry and natives), clearing the records.
  void fresh() {
    engine_ = std::make_unique<ScriptEngine>(registry, host);
    outs.clear();
    host.boxes.clear();
    host.errors.clear();
  }

  NativeRegistry registry;
  RecordingHost host;
  std::vector<std::vector<std::string>> outs;
  int counted = 0;

 private:
  std::unique_ptr<ScriptEngine> engine_;
};

}  // namespace script::testing
