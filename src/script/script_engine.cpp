#include "script/script_engine.h"

#include <algorithm>
#include <exception>

#include "script/cleaner.h"
#include "script/interpreter.h"
#include "script/loader.h"

namespace script {

ScriptEngine::ScriptEngine(NativeRegistry& registry, Host& host)
    : registry_(registry), host_(host) {}

util::Status ScriptEngine::LoadScript(std::string_view name, std::string_view text) {
  if (activeRuns_ > 0) {
    ScriptError error;
    error.script = std::string(name.substr(0, kMaxScriptNameLength));
    error.message = "cannot load a script into an engine whose functions are running";
    lastError_ = error;
    host_.ReportError(error);
    return util::makeError(util::ErrorCode::Malformed, error.describe());
  }
  scriptName_.assign(name.substr(0, kMaxScriptNameLength));
  functions_.clear();
  CleanedText cleaned = cleanScriptText(text);
  ScriptError error;
  error.script = scriptName_;
  bool ok = false;
  try {
    ok = cutIntoFunctions(cleaned, functions_, error);
  } catch (const std::exception& e) {  // only allocation can throw here
    error.message = std::string("out of memory while loading: ") + e.what();
  }
  lineStarts_ = std::move(cleaned.lineStarts);
  if (ok) return {};
  lastError_ = error;
  host_.ReportError(error);
  return util::makeError(util::ErrorCode::Malformed, error.describe());
}

const ScriptFunction* ScriptEngine::FindFunction(std::string_view name) const {
  for (const ScriptFunction& function : functions_) {
    if (function.name == name) return &function;
  }
  return nullptr;
}

ScriptFunction* ScriptEngine::findFunction(std::string_view name) {
  return const_cast<ScriptFunction*>(std::as_const(*this).FindFunction(name));
}

std::optional<std::string> ScriptEngine::CallFunction(std::string_view name,
                                                      std::span<const std::string> arguments) {
  return RunFunction(name, arguments).value;
}

CallReport ScriptEngine::RunFunction(std::string_view name,
                                     std::span<const std::string> arguments) {
  ScriptFunction* function = findFunction(name);
  if (function == nullptr) return {CallOutcome::MissingFunction, std::nullopt};
  if (function->parameters.size() != arguments.size()) {
    return {CallOutcome::CountMismatch, std::nullopt};
  }
  if (!runFunction(*function, arguments)) return {CallOutcome::Failed, std::nullopt};
  return {CallOutcome::Ran, function->pendingReturn};
}

int ScriptEngine::lineOf(const ScriptFunction& function, const char* where) const {
  const char* begin = function.body.data();
  if (where == nullptr || where < begin || where > begin + function.body.size()) return 0;
  const std::size_t offset = function.bodyOffset + static_cast<std::size_t>(where - begin);
  const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  return static_cast<int>(it - lineStarts_.begin()) + 1;
}

bool ScriptEngine::runFunction(ScriptFunction& function, std::span<const std::string> arguments) {
  NestingBudget& nesting = registry_.nesting();
  function.pendingReturn.reset();
  bool ok = false;
  std::optional<Interpreter::Fault> fault;
  if (!nesting.enterRun()) {
    // Unwinding past the work bound: the calling statement fails next and reports it.
    if (nesting.overflowed()) return false;
    // Too deep: this run fails like a bad statement and its caller goes on with "0".
    failTooDeep(function, lineOf(function, function.body.data()), {});
    return false;
  }
  ++activeRuns_;
  {
    try {
      VariableTable locals;
      for (std::size_t i = 0; i < arguments.size(); ++i) {
        locals.SetVariable(function.parameters[i], arguments[i]);
      }
      Interpreter interpreter(*this, function, locals);
      ok = interpreter.runBlock(function.body);
      if (!ok) fault = interpreter.fault();
    } catch (const std::exception& e) {
      ok = false;
      fault = Interpreter::Fault{std::string("internal failure: ") + e.what(), nullptr, {}};
    }
    nesting.leaveRun();
    --activeRuns_;
  }
  const bool outermost = nesting.activeRuns() == 0;
  if (ok) {
    if (outermost) nesting.clearOverflow();
    return true;
  }

  if (fault && fault->message == kNestingFault && !nesting.overflowed()) {
    failTooDeep(function, lineOf(function, fault->where), fault->statement);
    if (outermost) nesting.clearOverflow();
    return false;
  }
  // While an overflow unwinds, only its cause (the deepest failure) is reported and only the
  // outermost run shows the box, so runaway work costs the player one message.
  const bool unwinding = nesting.overflowed();
  if (!unwinding || !nesting.overflowReported()) {
    ScriptError error;
    error.script = scriptName_;
    error.function = function.name;
    if (fault) {
      error.line = lineOf(function, fault->where);
      error.statement = fault->statement;
      error.message = fault->message;
    } else {
      error.message = "run failed";
    }
    lastError_ = error;
    host_.ReportError(error);
    if (unwinding) nesting.markOverflowReported();
  }
  if (!unwinding || (outermost && !nesting.depthReported())) {
    host_.ShowMessage(kRunErrorText, kRunErrorCaption);
  }
  if (outermost) nesting.clearOverflow();
  return false;
}

// A run that went too deep fails alone; the first one of an outermost run is reported and
// boxed, the ones a recursion keeps running into after it fail quietly.
void ScriptEngine::failTooDeep(const ScriptFunction& function, int line,
                               const std::string& statement) {
  NestingBudget& nesting = registry_.nesting();
  if (nesting.depthReported()) return;
  nesting.markDepthReported();
  ScriptError error;
  error.script = scriptName_;
  error.function = function.name;
  error.message = kNestingFault;
  error.line = line;
  error.statement = statement;
  lastError_ = error;
  host_.ReportError(error);
  host_.ShowMessage(kRunErrorText, kRunErrorCaption);
}

}  // namespace script
