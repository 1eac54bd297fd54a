#include "script/script_error.h"

namespace script {

std::string ScriptError::describe() const {
  std::string out = script.empty() ? std::string("(script)") : script;
  if (line > 0) out.append(":").append(std::to_string(line));
  out.append(": ");
  if (!function.empty()) out.append(function).append(": ");
  out.append(message);
  if (!statement.empty()) out.append(" in '").append(statement).append("'");
  return out;
}

}  // namespace script
