// qvtool script FILE.scr [FUNCTION [ARGS...]]: loads a script with the application natives that
// need no window (GetGlobalVar, SetGlobalVar, GetGameTimeQuant) and the GUI table's
// ShowMessage, which shows its text in a box captioned "Message"; runs Init with the handle "0" (or
// FUNCTION with ARGS), prints each message box as "messagebox: CAPTION: TEXT" and then every
// application variable as NAME=VALUE in the table's order.
//
// Exit status: 0 when the function ran to its end; 1 when the file can't be read, the script
// doesn't load, the function is missing or takes another number of arguments (one line on
// standard error each), or the run failed (after its message box and the variables, with the
// reason on standard error); 2 for a usage error.
#include <cstdio>
#include <string>
#include <vector>

#include "natives/application_variables.h"
#include "qvtool/verbs.h"
#include "script/host.h"
#include "script/native_registry.h"
#include "script/script_engine.h"
#include "script/script_file.h"
#include "script/variable_table.h"

namespace qvtool {
namespace {

constexpr const char* kUsage = "usage: qvtool script FILE.scr [FUNCTION [ARGS...]]";

// Message boxes go to standard output in order; failure reasons to standard error, except the
// reason of a failed load, which the verb prints itself as its one error line.
class ConsoleHost final : public script::Host {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    std::printf("messagebox: %.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                static_cast<int>(text.size()), text.data());
    std::fflush(stdout);  // keep boxes and reasons in order when both go to one terminal
  }
  void ReportError(const script::ScriptError& error) override {
    if (error.function.empty()) return;  // load failures: reported by the verb
    std::fprintf(stderr, "qvtool script: %s\n", error.describe().c_str());
  }
};

std::string fileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int runScriptVerb(Args args) {
  if (args.empty()) {
    std::fprintf(stderr, "qvtool script: %s\n", kUsage);
    return 2;
  }
  const std::string path(args[0]);
  const util::Result<std::string> text = script::readScriptFile(path);
  if (!text) {
    std::fprintf(stderr, "qvtool script: %s\n", text.error().message.c_str());
    return 1;
  }

  ConsoleHost host;
  script::NativeRegistry registry;
  script::VariableTable variables;
  // The application table's rows that need no window, in the table's order.
  registry.RegisterNative("GetGlobalVar", natives::makeGetGlobalVar(variables));
  registry.RegisterNative("SetGlobalVar", natives::makeSetGlobalVar(variables));
  registry.RegisterNative("GetGameTimeQuant", natives::makeGetGameTimeQuant());
  // The one GUI native that needs no form; the rest of the GUI table needs a screen.
  registry.RegisterNative("ShowMessage", [&host](std::span<const std::string> args) {
    host.ShowMessage(script::argumentCount(args) > 0 ? args[0] : std::string(), "Message");
    return std::optional<std::string>();
  });
  script::ScriptEngine engine(registry, host);
  const util::Status loaded = engine.LoadScript(fileName(path), *text);
  if (!loaded) {
    std::fprintf(stderr, "qvtool script: cannot load %s\n", loaded.error().message.c_str());
    return 1;
  }

  std::string function = "Init";
  std::vector<std::string> arguments{"0"};  // the handle Init receives: no form here
  if (args.size() >= 2) {
    function = std::string(args[1]);
    arguments.assign(args.begin() + 2, args.end());
  }
  const script::CallReport report = engine.RunFunction(function, arguments);
  switch (report.outcome) {
    case script::CallOutcome::MissingFunction:
      std::fprintf(stderr, "qvtool script: %s has no function '%s'\n", engine.scriptName().c_str(),
                   function.c_str());
      return 1;
    case script::CallOutcome::CountMismatch:
      std::fprintf(stderr, "qvtool script: %s takes %zu argument(s), %zu given\n", function.c_str(),
                   engine.FindFunction(function)->parameters.size(), arguments.size());
      return 1;
    case script::CallOutcome::Ran:
    case script::CallOutcome::Failed:
      break;
  }

  for (const script::VariableTable::Entry& entry : variables.entries()) {
    std::printf("%s=%s\n", entry.name.c_str(), entry.value.c_str());
  }
  return report.outcome == script::CallOutcome::Ran ? 0 : 1;
}

}  // namespace qvtool
