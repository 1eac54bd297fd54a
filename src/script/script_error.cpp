#include "script/script_error.h"

namespace script {

std::string ScriptError::describe() const {
  std::string out = script.empty() ? std::string("(script)") : script;
  if (line > 0) out += ":" + std::to_string(line);
  out += ": ";
  if (!function.empty()) out += function + ": ";
  out += message;
  if (!statement.empty()) out += " in '" + statement + "'";
  return out;
}

}  // namespace script
