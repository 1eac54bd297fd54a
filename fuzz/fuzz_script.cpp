// Scripts: any text is loaded, and every function it defines is called with zero to three
// arguments, with two natives that read and write a variable table. Texts with "while" are
// skipped: the game stops an endless loop only after a million passes, a second per input.
#include <string>
#include <string_view>

#include "fuzz_target.h"
#include "script/host.h"
#include "script/native_registry.h"
#include "script/script_engine.h"
#include "script/variable_table.h"

namespace {

class QuietHost final : public script::Host {
 public:
  void ShowMessage(std::string_view, std::string_view) override {}
  void ReportError(const script::ScriptError&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (text.find("while") != std::string_view::npos) return 0;
  script::VariableTable variables;
  script::NativeRegistry natives;
  natives.RegisterNative("Get",
                         [&](std::span<const std::string> args) -> std::optional<std::string> {
                           if (args.size() < 2) return std::nullopt;
                           return variables.GetVariable(args[0]).value_or("");
                         });
  natives.RegisterNative("Set",
                         [&](std::span<const std::string> args) -> std::optional<std::string> {
                           if (args.size() >= 3) variables.SetVariable(args[0], args[1]);
                           return std::string("1");
                         });
  QuietHost host;
  script::ScriptEngine engine(natives, host);
  // A failed load keeps the functions cut before the fault; they are called all the same.
  (void)engine.LoadScript("fuzz.scr", text);
  const std::string args[] = {"0", "\"text\"", "1.5"};
  std::vector<std::string> names;
  for (const auto& function : engine.functions())
    names.push_back(function.name);
  for (const std::string& name : names) {
    for (std::size_t n = 0; n <= 3; ++n)
      engine.CallFunction(name, std::span(args, n));
  }
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  return {
      "function Init(h)\n{\n  global g;\n  g = h;\n  Set(\"a\", 3+4*2);\n}\n",
      "function F(a, b)\n{\n  var x;\n  x = a$+b;\n  if (x == \"12\") { return 1; } else { return "
      "(a+b); }\n}\nfunction G() { return F(1, 2) + Get(\"a\"); }",
      "function R(n) { if (n > 0) { return R(n - 1); } return 0; }\nfunction S() { R(50); }",
      "function T() { x = 1; // comment\n y(; \"str;ing\" }",
  };
}
