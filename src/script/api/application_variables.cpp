#include "script/api/application_variables.h"

#include <string>

namespace script::api {

NativeFunction makeGetGlobalVar(VariableTable& variables) {
  return [&variables](std::span<const std::string> args) -> std::optional<std::string> {
    if (argumentCount(args) < 1) return std::nullopt;
    return variables.GetVariable(args[0]);
  };
}

NativeFunction makeSetGlobalVar(VariableTable& variables) {
  return [&variables](std::span<const std::string> args) -> std::optional<std::string> {
    if (argumentCount(args) < 2) return std::nullopt;
    variables.SetVariable(args[0], args[1]);
    return std::string("1");
  };
}

NativeFunction makeGetGameTimeQuant() {
  return [](std::span<const std::string>) -> std::optional<std::string> {
    return std::to_string(kGameTimeQuantMs);
  };
}

}  // namespace script::api
