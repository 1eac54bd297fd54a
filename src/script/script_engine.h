// ScriptEngine: one loaded script. It holds the script's functions and its script-globals,
// runs functions on request and reports failed runs: the player sees the fixed box
// "Error executing script" (caption "Error"), the developer gets a ScriptError through the Host.
// All engines of the application share one NativeRegistry (and with it one NestingBudget).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/host.h"
#include "script/native_registry.h"
#include "script/script_error.h"
#include "script/script_function.h"
#include "script/variable_table.h"
#include "util/result.h"

namespace script {

class Interpreter;

/// How a call of a script function went.
enum class CallOutcome {
  Ran,              // the run succeeded
  Failed,           // the run failed; the error box has been shown and the reason reported
  MissingFunction,  // the script defines no function of that name
  CountMismatch,    // the number of arguments differs from the number of parameters
};

struct CallReport {
  CallOutcome outcome = CallOutcome::MissingFunction;
  /// The run's return value; only a successful run that ended with one pending has it.
  std::optional<std::string> value;
};

class ScriptEngine {
 public:
  static constexpr std::size_t kMaxScriptNameLength = 499;  // the name field holds 500 bytes
  static constexpr std::string_view kRunErrorText = "Error executing script";
  static constexpr std::string_view kRunErrorCaption = "Error";

  /// Both references must outlive the engine.
  ScriptEngine(NativeRegistry& registry, Host& host);
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  /// Takes name as the script's name (cut to kMaxScriptNameLength), cleans text and cuts it
  /// into functions. On failure the error (also in lastError() and reported to the host) says
  /// why; the engine is then unusable and the caller discards it. Shows no message box.
  /// Refused, with the engine unchanged, while one of its functions runs (a native that
  /// reloads the running script would pull its text from under the run).
  util::Status LoadScript(std::string_view name, std::string_view text);

  /// Runs the function called name with the given argument texts, which must match its
  /// parameters in number. Gives the run's return value, or nothing when the function is
  /// missing, the count differs (both silently), the run returned nothing, or it failed (after
  /// the error box). May be re-entered from natives the run calls.
  std::optional<std::string> CallFunction(std::string_view name,
                                          std::span<const std::string> arguments = {});

  /// CallFunction that also says how the call went, for tools and tests that must tell a
  /// missing function or a failed run from a run that returned nothing.
  CallReport RunFunction(std::string_view name, std::span<const std::string> arguments = {});

  /// The first function called name, or null.
  const ScriptFunction* FindFunction(std::string_view name) const;

  const std::string& scriptName() const { return scriptName_; }
  const std::vector<ScriptFunction>& functions() const { return functions_; }
  VariableTable& globals() { return globals_; }
  const VariableTable& globals() const { return globals_; }
  NativeRegistry& registry() { return registry_; }

  /// The reason of the latest failed load or run of this engine, if any.
  const std::optional<ScriptError>& lastError() const { return lastError_; }

 private:
  friend class Interpreter;

  ScriptFunction* findFunction(std::string_view name);

  /// Runs function with its parameters bound to arguments (counts already checked). False when
  /// the run failed; the failure has then been reported. The result is function.pendingReturn.
  bool runFunction(ScriptFunction& function, std::span<const std::string> arguments);

  /// Source line of a position inside function's body, 0 when it lies elsewhere.
  int lineOf(const ScriptFunction& function, const char* where) const;
  void failTooDeep(const ScriptFunction& function, int line, const std::string& statement);

  std::vector<ScriptFunction> functions_;
  NativeRegistry& registry_;
  VariableTable globals_;
  std::string scriptName_;
  Host& host_;
  std::vector<std::size_t> lineStarts_;
  std::optional<ScriptError> lastError_;
  int activeRuns_ = 0;  // runs of this engine's functions in progress
};

}  // namespace script
