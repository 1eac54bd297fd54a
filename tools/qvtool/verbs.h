// The verbs of qvtool. Each takes the words after the verb and returns the process exit status.
#pragma once

#include <span>
#include <string_view>

namespace qvtool {

using Args = std::span<const std::string_view>;

struct Verb {
  std::string_view name;
  std::string_view usage;  // one line: arguments and what the verb does
  int (*run)(Args args);
};

// One function per verb, defined in verb_<name>.cpp.
int runRun(Args args);

/// Every verb, in the order `qvtool --help` lists them.
std::span<const Verb> allVerbs();

}  // namespace qvtool
