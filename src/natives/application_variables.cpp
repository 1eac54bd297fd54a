#include "natives/application_variables.h"

#include <string>

namespace natives {

script::NativeFunction makeGetGlobalVar(script::VariableTable& variables) {
  return [&variables](std::span<const std::string> args) -> std::optional<std::string> {
    if (script::argumentCount(args) < 1) return std::nullopt;
    return variables.GetVariable(args[0]);
  };
}

script::NativeFunction makeSetGlobalVar(script::VariableTable& variables) {
  return [&variables](std::span<const std::string> args) -> std::optional<std::string> {
    if (script::argumentCount(args) < 2) return std::nullopt;
    variables.SetVariable(args[0], args[1]);
    return std::string("1");
  };
}

script::NativeFunction makeGetGameTimeQuant() {
  return [](std::span<const std::string>) -> std::optional<std::string> {
    return std::to_string(kGameTimeQuantMs);
  };
}

}  // namespace natives
