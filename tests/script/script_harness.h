// Shared set-up for the script tests: an engine on a registry with recording natives and a host
// that records message boxes and failure reports; and the table of whole runs.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
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
// Echo(x) gives x; Count() gives how many times it ran; Throw() throws.
class ScriptHarness {
 public:
  ScriptHarness() {
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
    registry.RegisterNative("Throw",
                            [](std::span<const std::string>) -> std::optional<std::string> {
                              throw std::runtime_error("bad argument");
                            });
  }

  ScriptEngine& engine() { return engine_; }

  /// Loads text as "test.scr"; true on success.
  bool load(const std::string& text) { return engine_.LoadScript("test.scr", text).ok(); }

  /// Loads "function T() { BODY }" and calls T.
  void run(const std::string& body) {
    if (load("function T() {" + body + "}")) engine_.CallFunction("T");
  }

  /// Every Out call so far, its arguments joined by "," without the script name.
  std::vector<std::string> outTexts() const {
    std::vector<std::string> values;
    for (const auto& out : outs) {
      std::string text;
      for (std::size_t i = 0; i + 1 < out.size(); ++i)
        text += (i ? "," : "") + out[i];
      values.push_back(text);
    }
    return values;
  }

  NativeRegistry registry;
  RecordingHost host;
  std::vector<std::vector<std::string>> outs;
  int counted = 0;

 private:
  ScriptEngine engine_{registry, host};
};

// One run: SCRIPT is loaded as "test.scr" (wrapped in "function T(){...}" unless it starts with
// "function") and T is called. OUTS are the Out calls (see outTexts); ERROR is the one failure
// reported, with its one box, or "" for a run without either.
struct RunCase {
  std::string script;
  std::vector<std::string> outs;
  std::string error = "";
  friend void PrintTo(const RunCase& c, std::ostream* os) { *os << c.script.substr(0, 80); }
};

class ScriptRuns : public ::testing::TestWithParam<RunCase> {};

}  // namespace script::testing
