// ScriptFunction: one function definition of a loaded script.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace script {

struct ScriptFunction {
  std::string name;
  /// The cleaned text between the function's braces. Never changes after loading: the
  /// interpreter scans views into it.
  std::string body;
  /// Set by "return", discarded by the next keyword statement of a run of this function, and
  /// left here at the end of a run as its result. Shared by nested runs of the same function.
  std::optional<std::string> pendingReturn;
  std::vector<std::string> parameters;
  /// Offset of body in the cleaned script text, to turn positions into source lines.
  std::size_t bodyOffset = 0;
};

}  // namespace script
